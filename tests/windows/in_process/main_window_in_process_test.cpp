// The main window made in this process, for what another process cannot see
// under Wine: a change of the system's colours (a program running apart gets
// WM_SYSCOLORCHANGE after another's SetSysColors, but goes on reading the old
// colours), the window's icons (WM_GETICON from another process answers 0),
// and the marks of its system menu (which another process cannot read).
#include <gtest/gtest.h>

#include <utility>

#include "controls/control_ids.h"
#include "e2e/program.h"
#include "windows/main_window.h"
#include "windows/system_menu.h"

namespace qvutt {
namespace {

// One window a process: its class is registered once.
TEST(InProcess, TheWindowFollowsSystemColoursAndEachDpiAndMarksItsMenuChoices) {
  using namespace main_window;
  const std::wstring section = L"Software\\QV_UTT\\window_tests";
  RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"MAIN_Opacity", REG_SZ, L"90", 6);
  MainWindow main;
  ASSERT_TRUE(main.create(GetModuleHandleW(nullptr)));
  const HWND window = main.hwnd();

  // The column heads repaint in a new button face at once, and back.
  const auto head_colour = [&] {
    e2e::pump_messages_for(300);
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, 151, 1);  // the "Hours" head, right of its text
    ReleaseDC(window, dc);
    return colour;
  };
  const int button_face = COLOR_BTNFACE;
  const COLORREF usual = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(head_colour(), usual);
  for (const COLORREF colour : {RGB(200, 0, 0), usual}) {
    SetSysColors(1, &button_face, &colour);
    EXPECT_EQ(head_colour(), colour);
  }

  // Each DPI has icons of its own size: new ones at 144 dpi, the first back at 96.
  const auto icons = [&] {
    return std::pair{SendMessageW(window, WM_GETICON, ICON_SMALL, 0),
                     SendMessageW(window, WM_GETICON, ICON_BIG, 0)};
  };
  const auto change_dpi = [&](int dots_per_inch) {
    RECT frame{};
    GetWindowRect(window, &frame);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dots_per_inch, dots_per_inch),
                 reinterpret_cast<LPARAM>(&frame));
    return icons();
  };
  const auto at_96 = icons();
  ASSERT_TRUE(at_96.first != 0 && at_96.second != 0);
  const auto at_144 = change_dpi(144);
  EXPECT_TRUE(at_144.first != 0 && at_144.first != at_96.first && at_144.second != 0 &&
              at_144.second != at_96.second);
  EXPECT_EQ(change_dpi(96), at_96);

  // Asked before the system suggests a rectangle for 144 dpi, it names the
  // outer size whose client area is its own at that scale: 348 x 81.
  SIZE suggested{};
  SendMessageW(window, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&suggested));
  RECT frame{0, 0, 348, 81};
  AdjustWindowRectExForDpi(&frame, GetWindowLongW(window, GWL_STYLE), FALSE,
                           GetWindowLongW(window, GWL_EXSTYLE), 144);
  EXPECT_TRUE(suggested.cx == frame.right - frame.left && suggested.cy == frame.bottom - frame.top);

  // "Start with Windows" is checked, each time the menu opens, only while
  // the Run value names this file and Task Manager has not disabled it.
  const HMENU menu = GetSystemMenu(window, FALSE);
  const auto checked_on_opening = [&](unsigned command = kStartWithWindowsCommand) {
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  const auto choose = [&] { SendMessageW(window, WM_SYSCOMMAND, kStartWithWindowsCommand, 0); };
  EXPECT_FALSE(checked_on_opening());
  choose();
  EXPECT_TRUE(checked_on_opening());
  e2e::disable_as_task_manager_does(L"window_tests");
  EXPECT_FALSE(checked_on_opening());
  choose();
  EXPECT_TRUE(checked_on_opening());
  choose();
  EXPECT_FALSE(checked_on_opening());

  // The opacity in force carries the bullet; a hand-edited one matches no item.
  EXPECT_FALSE(checked_on_opening(kOpacity100Command) || checked_on_opening(kOpacity80Command));
  SendMessageW(window, WM_COMMAND, kOpacity80Command, 0);  // as Wine sends a submenu's choice
  EXPECT_TRUE(checked_on_opening(kOpacity80Command) && !checked_on_opening(kOpacity100Command));

  // The notification icon's menu: the system menu's own items, their texts
  // and marks, the submenu's too, then Exit.
  const SystemMenuMarks marks{false, true, true, 60};
  mark_program_items(menu, marks);
  const MenuHandle icon_menu(make_icon_menu(marks));
  const auto item = [](HMENU in, int at) {
    wchar_t text[64] = {};
    GetMenuStringW(in, at, text, 64, MF_BYPOSITION);
    const HMENU sub = GetSubMenu(in, at);
    return text +
           std::to_wstring(GetMenuState(sub ? sub : in, sub ? 2 : at, MF_BYPOSITION) & MF_CHECKED);
  };
  for (int at = 0, first = GetMenuItemCount(menu) - 5; at < 5; ++at)
    EXPECT_EQ(item(icon_menu.get(), at), item(menu, first + at));
  EXPECT_EQ(item(icon_menu.get(), 6), L"E&xit0");

  DestroyWindow(window);
  RegDeleteTreeW(HKEY_CURRENT_USER, section.c_str());
}

}  // namespace
}  // namespace qvutt
