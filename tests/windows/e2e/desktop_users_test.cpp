// Users at home on their desktop. One has the program start at sign-in from
// its system menu, and its moved window keeps its place though the program
// never closes. Another keeps the uptime on top but out of the way: seen
// through, and clicked through, with a key that always gives the clicks back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "controls/control_ids.h"
#include "e2e/looks.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

// A program's entries for a start at sign-in: the Run value's text, then
// Task Manager's record; "(none)" for one that is missing.
std::wstring entries_of(const wchar_t* name) {
  const auto entry = [&](const wchar_t* key) {
    Settings values = values_in(key);
    return values.count(name) != 0 ? values[name] : L"(none)";
  };
  return entry(kRunKey) + L" | " + entry(kApprovedKey);
}

// Neither program has an entry at the start: the session guard puts the
// sign-in entries back as they were after every run. Another program's is
// set meanwhile, and must stay as it is.
TEST(AtHomeOnTheDesktop, StartsWithWindowsWhenAskedAndKeepsAMoveThroughACrash) {
  const wchar_t other_tool[] = L"\"C:\\Tools\\other.exe\" /tray";
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kTestOtherTool, REG_SZ, other_tool,
                  sizeof other_tool);
  disable_as_task_manager_does(kTestOtherTool);
  Program program;
  program.start();
  const HWND main = program.main_window();
  const std::wstring quoted_path = L"\"" + program.executable() + L"\"";

  // Alt+Space, W: it starts at sign-in, as Windows' own entries do.
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), quoted_path + L" | (none)");

  // Disabled in Task Manager, it shows unchecked: choosing it undoes that.
  disable_as_task_manager_does(kTestProgram);
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), quoted_path + L" | (binary 6)");

  // Checked, choosing it removes both.
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), L"(none) | (none)");

  // An entry of its name for another copy is no entry of its own: replaced.
  const wchar_t old_copy[] = L"\"C:\\Old\\QV-UTT-V1.exe\"";
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kTestProgram, REG_SZ, old_copy, sizeof old_copy);
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), quoted_path + L" | (none)");
  EXPECT_EQ(entries_of(kTestOtherTool), std::wstring(other_tool) + L" | (binary 7)");

  // Dragged by its caption, then ended by force: the move is kept.
  drag_by_caption(main, 80, 40);
  const Placement moved = placement_of(main);
  ASSERT_EQ(moved[0], 67 + 80);
  program.kill();
  EXPECT_EQ(program.stored(), (Settings{{L"MAIN_Left", std::to_wstring(moved[0] * 15)},
                                        {L"MAIN_Top", std::to_wstring(moved[1] * 15)}}));
}

// Read across the room: the contents at twice their size, the digits drawn
// anew twice as tall, kept for the next start; at three times, near the
// screen's edge, moved in just enough to stay whole.
TEST(AtHomeOnTheDesktop, AChosenSizeGrowsTheContentsIsKeptAndStaysWholeOnTheScreen) {
  Program program;
  program.start();
  HWND main = program.main_window();
  const Placement design = placement_of(main);
  const HWND days = GetDlgItem(main, main_window::kDaysTotalLabel);
  const int digits = rows_drawn(main, days);
  choose_in_system_menu(main, {'Z', '2'});
  const Placement grown = placement_of(main);
  EXPECT_TRUE(grown[0] == design[0] && grown[1] == design[1] &&
              std::abs(grown[2] - 2 * design[2]) <= 1 && std::abs(grown[3] - 2 * design[3]) <= 1);
  EXPECT_TRUE(digits > 9 && std::abs(rows_drawn(main, days) - 2 * digits) <= 1) << digits;
  EXPECT_EQ(program.stored()[L"MAIN_Size"], L"200");

  program.close();
  program.start();
  main = program.main_window();
  EXPECT_EQ(placement_of(main), grown);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(main, nullptr, work.right - 400, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  choose_in_system_menu(main, {'Z', '3'});
  RECT frame{};
  GetWindowRect(main, &frame);
  EXPECT_TRUE(frame.right == work.right && frame.top == 100) << frame.right << ", " << frame.top;
  EXPECT_LE(std::abs(placement_of(main)[2] - 3 * design[2]), 1);
}

// The alpha another program reads; -1 where the window is not layered at all.
int alpha_of(HWND window) {
  BYTE alpha = 0;
  if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return -1;
  return GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) ? alpha : -2;
}

TEST(SeeThrough, OpacityIsKeptThroughACrashAndClicksPassBeneathUntilTheKeyGivesThemBack) {
  Program program;
  program.store(L"MAIN_Opacity", L"90");  // by hand: a whole number from 40 to 100 stands
  program.start();
  EXPECT_EQ(alpha_of(program.main_window()), 230);
  choose_in_system_menu(program.main_window(), {'O', '6'});
  EXPECT_EQ(alpha_of(program.main_window()), 153);
  EXPECT_EQ(program.stored()[L"MAIN_Opacity"], L"60");
  double_click(program.main_window(), main_window::kLogoPicture);
  EXPECT_EQ(alpha_of(program.about_window()), -1);

  // Clicked through as stored, with the key free; the key gives the clicks back.
  program.kill();
  program.store(L"MAIN_ClickThrough", L"1");
  program.start();
  EXPECT_EQ(alpha_of(program.main_window()), 153);
  EXPECT_TRUE(GetWindowLongW(program.main_window(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  type('U', {VK_CONTROL, VK_MENU, VK_SHIFT});
  EXPECT_TRUE(eventually([&] { return program.stored()[L"MAIN_ClickThrough"] == L"0"; }));
  choose_in_system_menu(program.main_window(), {'O', '1'});  // 100%: no longer layered
  EXPECT_EQ(alpha_of(program.main_window()), -1);

  // Clicks on the caption pass to the window beneath until the key gives them back.
  const HWND main = program.main_window();
  const OtherProgramWindow beneath;  // its own thread pumps, so clicks reach it
  const Placement at = placement_of(main);
  SetWindowPos(beneath.window, HWND_NOTOPMOST, at[0], at[1], 300, 120, SWP_NOACTIVATE);
  const POINT caption{at[0] + 60, at[1] + 8};
  const auto caption_click_reaches_beneath = [&] {
    bring_to_front(main);
    EXPECT_TRUE(eventually([&] { return top_window_at(caption) == main; }));
    mouse(caption.x, caption.y, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
    return eventually([&] { return GetForegroundWindow() == beneath.window; }, 1000);
  };
  EXPECT_FALSE(caption_click_reaches_beneath());
  choose_in_system_menu(main, {'T'});
  EXPECT_EQ(program.stored()[L"MAIN_ClickThrough"], L"1");
  EXPECT_TRUE(caption_click_reaches_beneath());
  EXPECT_TRUE(IsWindowVisible(main) && program.uptime_ticks(1));
  EXPECT_TRUE(eventually([&] { return is_topmost(main); }));  // once the keeper's second comes

  // The key, pressed while another window has the focus, gives the clicks back.
  bring_to_front(beneath.window);
  type('U', {VK_CONTROL, VK_MENU, VK_SHIFT});
  EXPECT_TRUE(eventually([&] { return program.stored()[L"MAIN_ClickThrough"] == L"0"; }));
  EXPECT_FALSE(caption_click_reaches_beneath());

  // Another program holds the key, free again: neither the stored choice nor
  // the menu lets a click through, and the menu's message says why.
  ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'U'));
  program.store(L"MAIN_ClickThrough", L"1");
  program.kill();
  program.start();
  choose_in_system_menu(program.main_window(), {'T'});
  HWND message = nullptr;
  EXPECT_TRUE(eventually([&] { return (message = FindWindowW(L"#32770", nullptr)) != nullptr; }));
  EXPECT_EQ(GetWindow(message, GW_OWNER), program.main_window());
  EXPECT_NE(text_of(message, 0xFFFF).find(L"another program holds Ctrl+Alt+Shift+U"),
            std::wstring::npos);
  PostMessageW(message, WM_CLOSE, 0, 0);
  EXPECT_EQ(alpha_of(program.main_window()), -1);
  EXPECT_EQ(program.stored()[L"MAIN_ClickThrough"], L"1");
  UnregisterHotKey(nullptr, 7);
}

}  // namespace
}  // namespace qvutt::e2e
