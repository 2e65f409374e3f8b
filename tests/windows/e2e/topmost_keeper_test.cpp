// The topmost keeper, against a window of another program.
#include <gtest/gtest.h>

#include "e2e/other_program_window.h"
#include "e2e/program.h"
#include "e2e/test_names.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

using namespace main_window;

void keeper_tick(const Program& program) {
  SendMessageW(program.main_window(), WM_TIMER, kAlwaysOnTopTimer, 0);
}

TEST(TopmostKeeper, LeavesTheZOrderAloneWhileTheMainWindowHasTheForeground) {
  Program program(test_name());
  program.start();
  const HWND main = program.main_window();
  SetForegroundWindow(main);
  ASSERT_TRUE(eventually([&] { return GetForegroundWindow() == main; }));
  const HWND above = GetWindow(main, GW_HWNDPREV);
  keeper_tick(program);
  EXPECT_FALSE(is_topmost(main));
  EXPECT_EQ(GetWindow(main, GW_HWNDPREV), above);
}

TEST(TopmostKeeper, DemotesTheForegroundWindowWithoutTakingItsFocus) {
  Program program(test_name());
  program.start();
  const HWND main = program.main_window();
  const OtherProgramWindow other;
  ASSERT_EQ(GetForegroundWindow(), other.window());
  ASSERT_TRUE(is_topmost(other.window()));

  // The program's own timer does it within a second.
  EXPECT_TRUE(eventually([&] { return is_topmost(main); }, 2500));
  EXPECT_FALSE(is_topmost(other.window()));
  EXPECT_EQ(GetForegroundWindow(), other.window());
  EXPECT_EQ(GetFocus(), other.text_field());

  other.type_key('Q');
  EXPECT_EQ(other.typed_text(), L"q");
}

TEST(TopmostKeeper, TakesTheTopAgainFromAWindowThatTookIt) {
  Program program(test_name());
  program.start();
  const HWND main = program.main_window();
  const OtherProgramWindow other;
  keeper_tick(program);
  ASSERT_TRUE(is_topmost(main));

  SetWindowPos(other.window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ASSERT_EQ(GetWindow(main, GW_HWNDPREV), other.window());
  keeper_tick(program);
  EXPECT_FALSE(is_topmost(other.window()));
  EXPECT_EQ(GetWindow(main, GW_HWNDPREV), nullptr);
}

class KeeperOff : public testing::TestWithParam<const wchar_t*> {};

TEST_P(KeeperOff, NeverTouchesAnyWindow) {
  Program program(test_name());
  program.store(L"AlwaysOnTop_TICKBOX", GetParam());
  program.start();
  const OtherProgramWindow other;
  pump_messages_for(2500);
  EXPECT_FALSE(is_topmost(program.main_window()));
  EXPECT_TRUE(is_topmost(other.window()));
  EXPECT_EQ(GetForegroundWindow(), other.window());
}

INSTANTIATE_TEST_SUITE_P(StoredChoice, KeeperOff, testing::Values(L"0", L"2"));

}  // namespace
}  // namespace qvutt::e2e
