// The About window, opened by double-clicks on the running program's logo.
#include <gtest/gtest.h>

#include <cmath>

#include "e2e/other_program_window.h"
#include "e2e/program.h"
#include "e2e/test_names.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

using namespace about_window;

int pixels(double twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

void press_key(HWND control, WORD key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
  pump_messages_for(150);
}

// Whether window stands above other in the z-order.
bool stands_above(HWND window, HWND other) {
  for (HWND below = GetWindow(window, GW_HWNDNEXT); below != nullptr;
       below = GetWindow(below, GW_HWNDNEXT)) {
    if (below == other) return true;
  }
  return false;
}

TEST(AboutWindow, FreshUserOpensAtTheDefaultsWithEveryText) {
  Program program(test_name());
  program.start();
  const HWND about = program.open_about();
  ASSERT_NE(about, nullptr);

  const RECT frame = frame_of(about);
  EXPECT_EQ(frame.left, pixels(1000));
  EXPECT_EQ(frame.top, pixels(1000));
  EXPECT_EQ(frame.right - frame.left, pixels(5500));
  EXPECT_EQ(frame.bottom - frame.top, pixels(2850));
  EXPECT_EQ(text_of(about), L"QV-UPTIME-TIMER - ABOUT");
  EXPECT_EQ(text_of(about, kTitle1Label), L"QUELVARO");
  EXPECT_EQ(text_of(about, kTitle3Label), L"QV-UTT");
  EXPECT_EQ(text_of(about, kTitle2Label), L"QV-UPTIME-TIMER");
  EXPECT_EQ(text_of(about, kCreatorLabel), L"Created By Zerbold93");
  EXPECT_EQ(text_of(about, kVersionLabel), L"Version 1.0");
  EXPECT_EQ(text_of(about, kFreewareLabel), L"Freeware");
  EXPECT_EQ(text_of(about, kAlwaysOnTopCheckBox), L"Always On Top");
  EXPECT_EQ(text_of(about, kOkButton), L"OK");
  EXPECT_EQ(check_state(about, kAlwaysOnTopCheckBox), BST_CHECKED);

  EXPECT_EQ(focus_of(about), GetDlgItem(about, kOkButton));
  EXPECT_EQ(GetWindow(about, GW_OWNER), program.main_window());
  EXPECT_FALSE(IsWindowEnabled(program.main_window()));
  EXPECT_TRUE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST(AboutWindow, UncheckedChoiceIsStoredAndTakesEffectAtTheNextStart) {
  Program program(test_name());
  program.start();
  HWND about = program.open_about();
  click(about, kAlwaysOnTopCheckBox);
  EXPECT_EQ(check_state(program.main_window(), main_window::kAlwaysOnTopCheckBox), BST_UNCHECKED);
  ASSERT_TRUE(program.press_about_ok(about));
  EXPECT_TRUE(IsWindowEnabled(program.main_window()));
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"0");
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"1000");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"1000");

  {
    const OtherProgramWindow other;  // this run's keeper goes on regardless
    EXPECT_TRUE(eventually([&] { return is_topmost(program.main_window()); }, 2500));
  }
  program.close();

  program.start();
  const OtherProgramWindow other;
  pump_messages_for(2500);
  EXPECT_FALSE(is_topmost(program.main_window()));
  EXPECT_TRUE(is_topmost(other.window()));
}

TEST(AboutWindow, TheCloseBoxSavesWhatOkSavesAndGrayedStaysGrayed) {
  Program program(test_name());
  program.store(L"AlwaysOnTop_TICKBOX", L"2");
  program.start();

  HWND about = program.open_about();
  EXPECT_EQ(check_state(about, kAlwaysOnTopCheckBox), BST_INDETERMINATE);
  SetWindowPos(about, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(program.press_about_ok(about));
  const auto after_ok = program.stored_keys();
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"2");
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"2250");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"1350");

  program.store(L"ABOUT_Left", L"1000");
  program.store(L"ABOUT_Top", L"1000");
  program.store(L"AlwaysOnTop_TICKBOX", L"2");
  about = program.open_about();
  SetWindowPos(about, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(program.about_window_gone());
  EXPECT_EQ(program.stored_keys(), after_ok);
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"2");
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"2250");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"1350");
}

TEST(AboutWindow, CreatorLineRevealsTheAddressUntilTheWindowCloses) {
  Program program(test_name());
  program.start();
  HWND about = program.open_about();
  double_click(about, kCreatorLabel);
  EXPECT_TRUE(
      eventually([&] { return text_of(about, kCreatorLabel) == L"zerbold93@example.com"; }));
  ASSERT_TRUE(program.press_about_ok(about));

  about = program.open_about();
  EXPECT_EQ(text_of(about, kCreatorLabel), L"Created By Zerbold93");
}

TEST(AboutWindow, OpensWhereItWasLastClosed) {
  Program program(test_name());
  program.start();
  HWND about = program.open_about();
  SetWindowPos(about, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(program.press_about_ok(about));

  about = program.open_about();
  const RECT frame = frame_of(about);
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.top, 200);
}

TEST(AboutWindow, StaysAboveTheMainWindowWithTheFocusWhileTheKeeperRuns) {
  Program program(test_name());
  program.start();
  const HWND about = program.open_about();
  ASSERT_TRUE(eventually([&] { return GetForegroundWindow() == about; }));
  pump_messages_for(2500);  // two or more ticks of the keeper
  EXPECT_TRUE(stands_above(about, program.main_window()));
  EXPECT_EQ(GetForegroundWindow(), about);
  EXPECT_EQ(focus_of(about), GetDlgItem(about, kOkButton));
}

TEST(AboutWindow, TheUptimeGoesOnWhileItIsOpen) {
  Program program(test_name());
  program.start();
  program.open_about();
  program.uptime_ticks(60);
  EXPECT_TRUE(program.shows_sent_ticks())
      << text_of(program.main_window(), main_window::kUptimeLabel);
}

TEST(AboutWindow, EnterAndEscapeDoNothingTabAndSpaceWorkAltF4Closes) {
  Program program(test_name());
  program.start();
  const HWND about = program.open_about();
  const HWND ok = GetDlgItem(about, kOkButton);
  const HWND box = GetDlgItem(about, kAlwaysOnTopCheckBox);
  press_key(ok, VK_RETURN);
  press_key(ok, VK_ESCAPE);
  EXPECT_EQ(program.about_window(), about);

  press_key(ok, VK_TAB);
  EXPECT_EQ(focus_of(about), box);
  press_key(box, VK_SPACE);
  EXPECT_EQ(check_state(about, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  press_key(box, VK_TAB);
  EXPECT_EQ(focus_of(about), ok);

  PostMessageW(about, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // with Alt held
  ASSERT_TRUE(program.about_window_gone());
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"0");
}

TEST(AboutWindow, ClosingTheMainWindowClosesItAndSavesBoth) {
  Program program(test_name());
  program.start();
  program.open_about();
  program.close();
  EXPECT_FALSE(program.running());
  EXPECT_EQ(program.exit_code(), 0u);
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"1000");
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"1");
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1000");
}

}  // namespace
}  // namespace qvutt::e2e
