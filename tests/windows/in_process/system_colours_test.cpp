// The main window made in this process, where a change of the system's
// colours reaches it as it does on Windows. (Wine keeps each process's copy of
// the system colours as it first read them: a program started apart never
// sees another's SetSysColors until it starts again.)
#include <gtest/gtest.h>

#include "windows/main_window.h"

namespace qvutt {
namespace {

void pump_messages_for(DWORD milliseconds) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(10)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

TEST(SystemColours, TheWindowRepaintsInTheNewColoursAtOnce) {
  MainWindow window;
  ASSERT_TRUE(window.create(GetModuleHandleW(nullptr)));
  const auto head_colour = [&] {
    pump_messages_for(300);
    const HDC dc = GetDC(window.hwnd());
    const COLORREF colour = GetPixel(dc, 151, 1);  // the "Hours" head, right of its text
    ReleaseDC(window.hwnd(), dc);
    return colour;
  };
  const int button_face = COLOR_BTNFACE;
  const COLORREF usual = GetSysColor(COLOR_BTNFACE);
  const COLORREF changed = RGB(200, 0, 0);
  EXPECT_EQ(head_colour(), usual);
  SetSysColors(1, &button_face, &changed);
  EXPECT_EQ(head_colour(), changed);
  SetSysColors(1, &button_face, &usual);
  EXPECT_EQ(head_colour(), usual);
  DestroyWindow(window.hwnd());
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QV_UTT\\window_tests");
}

}  // namespace
}  // namespace qvutt
