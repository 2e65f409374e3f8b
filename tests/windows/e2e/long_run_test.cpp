// Many ticks and many About windows in one run leave every text right and the
// settings as they were.
#include <gtest/gtest.h>

#include "e2e/program.h"
#include "e2e/test_names.h"
#include "windows/control_ids.h"

namespace qvutt::e2e {
namespace {

TEST(LongRun, ManyTicksAndAboutWindowsKeepTextsAndSettings) {
  Program program(test_name());
  program.store(L"AlwaysOnTop_TICKBOX", L"2");
  program.start();
  const HWND main = program.main_window();
  for (int cycle = 0; cycle < 25; ++cycle) {
    program.uptime_ticks(3500);  // past one midnight in all
    ASSERT_TRUE(program.shows_sent_ticks()) << "cycle " << cycle;

    const HWND about = program.open_about();
    ASSERT_NE(about, nullptr) << "cycle " << cycle;
    EXPECT_EQ(text_of(about, about_window::kCreatorLabel), L"Created By Zerbold93");
    EXPECT_EQ(text_of(about, about_window::kVersionLabel), L"Version 1.0");
    EXPECT_EQ(check_state(about, about_window::kAlwaysOnTopCheckBox), BST_INDETERMINATE);
    double_click(about, about_window::kCreatorLabel);
    ASSERT_TRUE(program.press_about_ok(about)) << "cycle " << cycle;
  }
  EXPECT_EQ(text_of(main, main_window::kDaysTotalLabel), L"1");
  program.close();
  EXPECT_EQ(program.exit_code(), 0u);
  EXPECT_EQ(program.stored(L"AlwaysOnTop_TICKBOX"), L"2");
  EXPECT_EQ(program.stored(L"ABOUT_Left"), L"1000");
  EXPECT_EQ(program.stored(L"ABOUT_Top"), L"1000");
  EXPECT_EQ(program.stored(L"MAIN_Left"), L"1000");
  EXPECT_EQ(program.stored(L"MAIN_Top"), L"1000");
  EXPECT_EQ(program.stored_keys().size(), 5u);
}

}  // namespace
}  // namespace qvutt::e2e
