// The topmost keeper, against a window of another program.
#include <gtest/gtest.h>

#include "e2e/program.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

TEST(TopmostKeeper, KeepsTheMainWindowAboveEveryOtherWithoutTakingTheKeyboard) {
  Program program;
  program.start();
  const HWND main = program.main_window();
  const auto keeper_tick = [&] { SendMessageW(main, WM_TIMER, main_window::kAlwaysOnTopTimer, 0); };

  // While the main window has the foreground, a tick leaves the z-order alone.
  SetForegroundWindow(main);
  ASSERT_TRUE(eventually([&] { return GetForegroundWindow() == main; }));
  const HWND above = GetWindow(main, GW_HWNDPREV);
  keeper_tick();
  EXPECT_FALSE(is_topmost(main));
  EXPECT_EQ(GetWindow(main, GW_HWNDPREV), above);

  // Another program's always-on-top window in the foreground is demoted
  // within a second, and keeps the keyboard.
  const OtherProgramWindow other;
  ASSERT_TRUE(is_topmost(other.window));
  EXPECT_TRUE(eventually([&] { return is_topmost(main); }, 2500));
  EXPECT_FALSE(is_topmost(other.window));
  EXPECT_EQ(GetForegroundWindow(), other.window);
  type_keys({'Q'});
  EXPECT_EQ(text_of(other.text_field), L"q");

  // Made topmost again, it is demoted again at the next tick.
  SetWindowPos(other.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ASSERT_EQ(GetWindow(main, GW_HWNDPREV), other.window);
  keeper_tick();
  EXPECT_FALSE(is_topmost(other.window));
  EXPECT_EQ(GetWindow(main, GW_HWNDPREV), nullptr);
}

TEST(TopmostKeeper, AStoredGrayedChoiceLeavesItOffAndIsWrittenBackUnchanged) {
  Program program;
  program.store(L"AlwaysOnTop_TICKBOX", L"2");
  program.start();
  const OtherProgramWindow other;
  pump_messages_for(1500);
  EXPECT_FALSE(is_topmost(program.main_window()));
  EXPECT_TRUE(is_topmost(other.window));
  EXPECT_EQ(GetForegroundWindow(), other.window);

  // The About window's close box saves its place and the untouched choice.
  const HWND about = program.open_about();
  EXPECT_EQ(check_state(about, about_window::kAlwaysOnTopCheckBox), BST_INDETERMINATE);
  SetWindowPos(about, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(program.about_window_gone());
  EXPECT_EQ(program.stored_count(), 3u);
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"2");
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"2250");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"1350");
}

}  // namespace
}  // namespace qvutt::e2e
