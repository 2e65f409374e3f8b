// The main window made in this process, for what another process cannot see
// under Wine: a DPI change from inside the window's first move, as Windows
// sends it onto a monitor of another scale, a change of the system's colours
// (a program running apart gets WM_SYSCOLORCHANGE after another's
// SetSysColors, but goes on reading the old colours), the window's icons
// (WM_GETICON from another process answers 0), and the marks of its system
// menu (which another process cannot read).
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "controls/control_ids.h"
#include "desktop/system_library.h"
#include "e2e/program.h"
#include "windows/main_window.h"
#include "windows/system_menu.h"

namespace qvutt {
namespace {

// In per-monitor v2, a SetWindowPos onto a monitor of another scale asks the
// window for its size there and tells it of the change before it returns: so
// this hook, on the window's own thread, once the main window's first move has
// moved it. The rectangle suggested is the one Windows makes of the answer.
int dpi_of_first_move = 0;
SIZE scaled_size{};
LRESULT CALLBACK change_dpi_in_first_move(int code, WPARAM wparam, LPARAM lparam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  const auto* moved = reinterpret_cast<const WINDOWPOS*>(sent.lParam);
  if (code == HC_ACTION && sent.message == WM_WINDOWPOSCHANGED && dpi_of_first_move != 0 &&
      GetParent(sent.hwnd) == nullptr && !(moved->flags & SWP_NOMOVE)) {
    const int dots_per_inch = std::exchange(dpi_of_first_move, 0);
    SendMessageW(sent.hwnd, WM_GETDPISCALEDSIZE, dots_per_inch,
                 reinterpret_cast<LPARAM>(&scaled_size));
    RECT suggested{moved->x, moved->y, moved->x + scaled_size.cx, moved->y + scaled_size.cy};
    SendMessageW(sent.hwnd, WM_DPICHANGED, MAKEWPARAM(dots_per_inch, dots_per_inch),
                 reinterpret_cast<LPARAM>(&suggested));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Each control's edges in the window's client area, in the table's order,
// times halves / 2 (rounded, as the pixels for twips are).
std::vector<e2e::Placement> controls_of(HWND window, LONG halves = 2) {
  std::vector<e2e::Placement> edges;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT frame{};
    GetWindowRect(child, &frame);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&frame), 2);
    edges.push_back({frame.left, frame.top, frame.right, frame.bottom});
    for (LONG& edge : edges.back()) edge = (edge * halves + 1) / 2;
  }
  return edges;
}

// One window a process: its class is registered once.
TEST(InProcess, TheWindowFollowsEachDpiAndSystemColoursAndMarksItsMenuChoices) {
  using namespace main_window;
  // The program's entry first makes System32 the only folder a load by name
  // searches, for the whole process: the decoy beside these tests is no
  // longer found.
  search_system_folder_only();
  EXPECT_EQ(LoadLibraryW(L"decoy_oleacc.dll"), nullptr);
  const std::wstring section = L"Software\\QV_UTT\\window_tests";
  RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"MAIN_Opacity", REG_SZ, L"90", 6);
  RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"MAIN_Left", REG_SZ, L"1507", 10);
  RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"MAIN_Size", REG_SZ, L"200", 8);
  dpi_of_first_move = 144;
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, change_dpi_in_first_move, nullptr, GetCurrentThreadId());
  MainWindow main;
  ASSERT_TRUE(main.create(GetModuleHandleW(nullptr)));
  UnhookWindowsHookEx(hook);
  const HWND window = main.hwnd();

  // Moved to its place onto a monitor of 150%, its contents at 200%, it
  // comes out sized and laid out for both: 3480 x 810 twips of client area
  // twice over, each control where its twips put it there, half as large
  // again as at 96 dpi.
  EXPECT_EQ(e2e::placement_of(window), (e2e::Placement{100, 67, 696, 162}));
  const std::vector<e2e::Placement> at_150 = controls_of(window);

  // Each DPI has icons of its own size: new ones at 96 dpi, the first back at 144.
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
  const auto at_144 = icons();
  const auto at_96 = change_dpi(96);
  ASSERT_TRUE(at_96.first != 0 && at_96.first != at_144.first && at_96.second != 0 &&
              at_96.second != at_144.second && at_144.first != 0 && at_144.second != 0);
  EXPECT_EQ(controls_of(window, 3), at_150);

  // The column heads repaint in a new button face at once, and back.
  const auto head_colour = [&] {
    e2e::pump_messages_for(300);
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, 302, 2);  // the "Hours" head, right of its text
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
  EXPECT_EQ(change_dpi(144), at_144);

  // Asked from inside its first move, before the system suggested a rectangle
  // for 144 dpi, it named the outer size whose client area is its own at that
  // scale: 696 x 162.
  RECT frame{0, 0, 696, 162};
  AdjustWindowRectExForDpi(&frame, GetWindowLongW(window, GWL_STYLE), FALSE,
                           GetWindowLongW(window, GWL_EXSTYLE), 144);
  EXPECT_TRUE(scaled_size.cx == frame.right - frame.left &&
              scaled_size.cy == frame.bottom - frame.top);

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
  EXPECT_TRUE(checked_on_opening(kSize200Command) && !checked_on_opening(kSize100Command));

  // The notification icon's menu: the system menu's own items, their texts
  // and marks, the submenu's too, then Exit.
  const SystemMenuMarks marks{false, true, true, 60, 200};
  mark_program_items(menu, marks);
  const MenuHandle icon_menu(make_icon_menu(marks));
  const auto item = [](HMENU in, int at) {
    wchar_t text[64] = {};
    GetMenuStringW(in, at, text, 64, MF_BYPOSITION);
    const HMENU sub = GetSubMenu(in, at);
    return text +
           std::to_wstring(GetMenuState(sub ? sub : in, sub ? 2 : at, MF_BYPOSITION) & MF_CHECKED);
  };
  for (int at = 0, first = GetMenuItemCount(menu) - 6; at < 6; ++at)
    EXPECT_EQ(item(icon_menu.get(), at), item(menu, first + at));
  EXPECT_EQ(item(icon_menu.get(), 7), L"E&xit0");

  // Nobody moved it: it saves exactly the twips it loaded.
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(e2e::values_in(section)[L"MAIN_Left"], L"1507");
  RegDeleteTreeW(HKEY_CURRENT_USER, section.c_str());
}

}  // namespace
}  // namespace qvutt
