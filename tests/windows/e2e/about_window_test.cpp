// The About window, opened by a double-click on the running program's logo or
// from its system menu.
#include <gtest/gtest.h>

#include "e2e/looks.h"
#include "e2e/program.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

using namespace about_window;

void press_key(HWND control, WORD key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
  pump_messages_for(150);
}

TEST(AboutWindow, ShowsTheProductAndChangesTheChoiceForTheNextStart) {
  Program program;
  program.start();
  const HWND main = program.main_window();
  HWND about = program.open_about();
  EXPECT_EQ(placement_of(about), (Placement{67, 67, 367, 190}));  // 1000, 1000, 5500, 2850 twips
  EXPECT_EQ(text_of(about), L"QV-UPTIME-TIMER - ABOUT");
  const std::pair<int, const wchar_t*> texts[] = {{kTitle1Label, L"QUELVARO"},
                                                  {kTitle3Label, L"QV-UTT"},
                                                  {kTitle2Label, L"QV-UPTIME-TIMER"},
                                                  {kCreatorLabel, L"Created By Zerbold93"},
                                                  {kVersionLabel, L"Version 1.0"},
                                                  {kFreewareLabel, L"Freeware"},
                                                  {kOkButton, L"OK"},
                                                  {kAlwaysOnTopCheckBox, L"Always On Top"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(text_of(about, id), text);
  EXPECT_EQ(check_state(about, kAlwaysOnTopCheckBox), BST_CHECKED);
  EXPECT_EQ(GetWindow(about, GW_OWNER), main);
  EXPECT_FALSE(IsWindowEnabled(main));
  EXPECT_TRUE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  check_dpi_round_trip(program, about, "about-window");

  // While it is open the uptime goes on, and the keeper leaves it above the
  // main window, in the foreground, with the focus.
  ASSERT_TRUE(eventually([&] { return GetForegroundWindow() == about; }));
  program.uptime_ticks(60);
  pump_messages_for(1500);
  EXPECT_TRUE(program.shows_sent_ticks()) << text_of(main, main_window::kUptimeLabel);
  EXPECT_EQ(GetNextWindow(about, GW_HWNDPREV), nullptr);
  EXPECT_EQ(GetForegroundWindow(), about);
  EXPECT_EQ(focus_of(about), GetDlgItem(about, kOkButton));

  double_click(about, kCreatorLabel);
  EXPECT_TRUE(
      eventually([&] { return text_of(about, kCreatorLabel) == L"zerbold93@example.com"; }));

  // Enter and Escape do nothing; Tab and Space reach the check box, which the
  // main window's box follows; Alt+F4 closes, saving.
  const HWND ok = GetDlgItem(about, kOkButton);
  const HWND box = GetDlgItem(about, kAlwaysOnTopCheckBox);
  press_key(ok, VK_RETURN);
  press_key(ok, VK_ESCAPE);
  press_key(ok, VK_TAB);
  EXPECT_EQ(focus_of(about), box);
  press_key(box, VK_SPACE);
  EXPECT_EQ(check_state(about, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  EXPECT_EQ(check_state(main, main_window::kAlwaysOnTopCheckBox), BST_UNCHECKED);
  press_key(box, VK_TAB);
  EXPECT_EQ(focus_of(about), ok);
  SetWindowPos(about, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageW(about, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // with Alt held
  ASSERT_TRUE(program.about_window_gone());
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"0");
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"4500");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"3000");

  // From the keyboard, Alt+Space and Q open it again, where it was closed,
  // with its first texts. Taken to another DPI by the system, it is still
  // where the user left it.
  SetForegroundWindow(main);
  type_keys({VK_MENU, VK_SPACE});
  type_keys({'Q'});
  ASSERT_TRUE(eventually([&] { return (about = program.about_window()) != nullptr; }));
  EXPECT_EQ(placement_of(about), (Placement{300, 200, 367, 190}));
  EXPECT_EQ(text_of(about, kCreatorLabel), L"Created By Zerbold93");
  EXPECT_EQ(check_state(about, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  program.change_dpi(about, 144, {312, 208, 550, 285});
  click(about, kOkButton);
  ASSERT_TRUE(program.about_window_gone());
  EXPECT_EQ(program.stored_count(), 3u);
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"4500");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"3000");
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"0");
  {  // This run's keeper goes on regardless.
    const OtherProgramWindow other;
    EXPECT_TRUE(eventually([&] { return is_topmost(main); }, 2500));
  }

  // The system menu's command opens it too; closing the main window closes
  // it first, with its own saving.
  PostMessageW(main, WM_SYSCOMMAND, main_window::kAboutCommand, 0);
  ASSERT_TRUE(eventually([&] { return (about = program.about_window()) != nullptr; }));
  SetWindowPos(about, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  program.close();
  EXPECT_EQ(program.exit_code(), 0u);
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"2250");
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1000");

  program.start();
  const OtherProgramWindow other;
  pump_messages_for(1500);
  EXPECT_FALSE(is_topmost(program.main_window()));
  EXPECT_TRUE(is_topmost(other.window));
}

}  // namespace
}  // namespace qvutt::e2e
