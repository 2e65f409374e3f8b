// The main window made in this process, for what another process cannot see
// under Wine: a first place across two monitors of other scales, with the
// DPI change Windows sends from inside the move (Wine has one scale for all
// monitors, so the test's stand-ins tell the monitors), a change of the system's colours
// (a program running apart gets WM_SYSCOLORCHANGE after another's
// SetSysColors, but goes on reading the old colours), the window's icons
// (WM_GETICON from another process answers 0), and the marks of its system
// menu (which another process cannot read).
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <tuple>
#include <utility>
#include <vector>

#include "controls/control_ids.h"
#include "desktop/system_library.h"
#include "e2e/program.h"
#include "windows/main_window.h"
#include "windows/system_menu.h"

namespace qvutt {
namespace {

// Points every slot of this program's import table that holds the function
// at a stand-in: the program's code linked in here then calls that.
void replace_import(const void* function, const void* stand_in) {
  auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const IMAGE_DATA_DIRECTORY& table =
      reinterpret_cast<IMAGE_NT_HEADERS*>(base +
                                          reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew)
          ->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
  auto* const slots = reinterpret_cast<const void**>(base + table.VirtualAddress);
  for (DWORD i = 0, access = 0; i < table.Size / sizeof *slots; ++i) {
    if (slots[i] != function) continue;
    VirtualProtect(&slots[i], sizeof *slots, PAGE_READWRITE, &access);
    slots[i] = stand_in;
    VirtualProtect(&slots[i], sizeof *slots, access, &access);
  }
}

// Monitors as Windows would tell them: one of 144 dpi between two of 96, on
// the screen the test's display has. A place across its right seam at 200%
// stands mostly on it at 96 dpi's size and mostly on its neighbour at 144's.
struct Monitor {
  RECT area;
  UINT dots_per_inch;
} monitors[] = {{{0, 0, 500, 1024}, 96}, {{500, 0, 900, 1024}, 144}, {{900, 0, 1900, 1024}, 96}};

HMONITOR WINAPI monitor_from_rect(const RECT* rect, DWORD otherwise) {
  Monitor* most = otherwise == MONITOR_DEFAULTTONULL ? nullptr : &monitors[0];
  LONG most_area = 0;
  for (Monitor& monitor : monitors) {
    RECT common{};
    IntersectRect(&common, rect, &monitor.area);
    const LONG area = (common.right - common.left) * (common.bottom - common.top);
    if (area > most_area) std::tie(most, most_area) = std::pair{&monitor, area};
  }
  return reinterpret_cast<HMONITOR>(most);
}
HMONITOR WINAPI monitor_from_window(HWND window, DWORD otherwise) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return monitor_from_rect(&frame, otherwise);
}
BOOL WINAPI monitor_info(HMONITOR monitor, MONITORINFO* info) {
  info->rcMonitor = info->rcWork = reinterpret_cast<Monitor*>(monitor)->area;
  return TRUE;
}
HRESULT WINAPI dpi_for_monitor(HMONITOR monitor, int, UINT* across, UINT* down) {
  *across = *down = reinterpret_cast<Monitor*>(monitor)->dots_per_inch;
  return S_OK;
}
UINT window_dpi = 96;
UINT WINAPI dpi_for_window(HWND) {
  return window_dpi;
}
FARPROC(WINAPI* real_proc_address)(HMODULE, const char*);
FARPROC WINAPI proc_address(HMODULE module, const char* name) {
  const auto stand_in = [](auto function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
  };
  if (HIWORD(name) == 0) return real_proc_address(module, name);
  if (std::strcmp(name, "GetDpiForMonitor") == 0) return stand_in(dpi_for_monitor);
  if (std::strcmp(name, "GetDpiForWindow") == 0) return stand_in(dpi_for_window);
  return real_proc_address(module, name);
}

// Windows' own part, on the window's thread: the main window is made at the
// scale of the monitor its frame mostly covers, and after each move the
// scale of the monitor it stands mostly on becomes its own, asked for and
// told from inside that move. Counted, and no more than four, for an order
// that would go on for ever.
// (The thread's IME window is top-level too.)
int dpi_changes = 0;
LRESULT CALLBACK follow_monitor_scale(int code, WPARAM wparam, LPARAM lparam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  wchar_t name[32] = {};
  GetClassNameW(sent.hwnd, name, 32);
  if (code != HC_ACTION || std::wcscmp(name, kMainWindowClass) != 0) {
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  if (sent.message == WM_NCCREATE) {
    const auto& made = *reinterpret_cast<const CREATESTRUCTW*>(sent.lParam);
    const RECT frame{made.x, made.y, made.x + made.cx, made.y + made.cy};
    window_dpi = reinterpret_cast<Monitor*>(monitor_from_rect(&frame, 0))->dots_per_inch;
  }
  RECT frame{};
  if (sent.message == WM_WINDOWPOSCHANGED && GetWindowRect(sent.hwnd, &frame)) {
    const UINT dots_per_inch =
        reinterpret_cast<Monitor*>(monitor_from_window(sent.hwnd, 0))->dots_per_inch;
    if (dots_per_inch != std::exchange(window_dpi, dots_per_inch) && ++dpi_changes <= 4) {
      SIZE scaled_size{};
      SendMessageW(sent.hwnd, WM_GETDPISCALEDSIZE, dots_per_inch,
                   reinterpret_cast<LPARAM>(&scaled_size));
      RECT suggested{frame.left, frame.top, frame.left + scaled_size.cx,
                     frame.top + scaled_size.cy};
      SendMessageW(sent.hwnd, WM_DPICHANGED, MAKEWPARAM(dots_per_inch, dots_per_inch),
                   reinterpret_cast<LPARAM>(&suggested));
    }
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
  RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"MAIN_Left", REG_SZ, L"9000", 10);
  RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"MAIN_Size", REG_SZ, L"200", 8);
  const auto code = [](auto function) { return reinterpret_cast<void*>(function); };
  // Asked of kernel32 at run time: a plain `= GetProcAddress` lets clang call
  // the import itself in its place, which is the stand-in once replaced.
  real_proc_address = reinterpret_cast<decltype(real_proc_address)>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetProcAddress")));
  const std::pair<void*, void*> stand_ins[] = {{code(MonitorFromRect), code(monitor_from_rect)},
                                               {code(MonitorFromWindow), code(monitor_from_window)},
                                               {code(GetMonitorInfoW), code(monitor_info)},
                                               {code(GetProcAddress), code(proc_address)}};
  for (const auto& [function, stand_in] : stand_ins) replace_import(function, stand_in);
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, follow_monitor_scale, nullptr, GetCurrentThreadId());
  MainWindow main;
  ASSERT_TRUE(main.create(GetModuleHandleW(nullptr)));
  UnhookWindowsHookEx(hook);
  for (const auto& [function, stand_in] : stand_ins) replace_import(stand_in, function);
  const HWND window = main.hwnd();

  // Its place at the size of either monitor's scale would take it onto the
  // other's. Made at 96 dpi's size mostly on the monitor of 150%, it is laid
  // out at that scale, with its contents at 200%, and moved in to stand whole
  // there: 3480 x 810 twips of client area twice over, its scale unchanged.
  EXPECT_EQ(e2e::placement_of(window), (e2e::Placement{500, 67, 696, 162}));
  EXPECT_TRUE(dpi_changes == 0 && window_dpi == 144) << dpi_changes << " changes";
  const std::vector<e2e::Placement> at_150 = controls_of(window);

  // Each DPI has icons of its own size, from the first paint on.
  e2e::pump_messages_for(300);
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

  // Moved in, it saves where it now stands.
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(e2e::values_in(section)[L"MAIN_Left"], L"7500");
  RegDeleteTreeW(HKEY_CURRENT_USER, section.c_str());
}

}  // namespace
}  // namespace qvutt
