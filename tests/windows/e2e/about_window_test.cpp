// The About window, opened by a double-click on the running program's logo or
// from its system menu.
#include <gtest/gtest.h>

#include "controls/control_ids.h"
#include "e2e/looks.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

using namespace about_window;

TEST(AboutWindow, ShowsTheProductAndSavesTheChoiceForTheNextStart) {
  Program program;
  program.start();
  const HWND main = program.main_window();
  double_click(main, main_window::kLogoPicture);
  HWND about = program.about_window();
  // 1000, 1000 twips; 5500 x 2850 less the 90 x 375 of the designed frame.
  EXPECT_EQ(placement_of(about), (Placement{67, 67, 361, 165}));
  std::wstring texts = text_of(about);
  for (const int id : {kTitle1Label, kTitle3Label, kTitle2Label, kCreatorLabel, kVersionLabel,
                       kFreewareLabel, kOkButton, kAlwaysOnTopCheckBox})
    texts += L"|" + text_of(about, id);
  EXPECT_EQ(texts,
            L"QV-UPTIME-TIMER - ABOUT|QUELVARO|QV-UTT|QV-UPTIME-TIMER|Created By Zerbold93|"
            L"Version 1.0|Freeware|OK|Always On Top");
  EXPECT_TRUE(GetWindow(about, GW_OWNER) == main && !IsWindowEnabled(main));
  EXPECT_TRUE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  check_dpi_change(program, about, "about-window", {5410, 2475});

  // While it is open the uptime goes on, and the keeper leaves it on top, in
  // the foreground, with the focus.
  EXPECT_TRUE(program.uptime_ticks(60)) << text_of(main, main_window::kUptimeLabel);
  pump_messages_for(1500);
  EXPECT_EQ(top_window_at({placement_of(about)[0] + 10, placement_of(about)[1] + 10}), about);
  EXPECT_TRUE(in_foreground(about));
  EXPECT_TRUE(SendDlgItemMessageW(about, kOkButton, BM_GETSTATE, 0, 0) & BST_FOCUS);

  double_click(about, kCreatorLabel);
  EXPECT_TRUE(
      eventually([&] { return text_of(about, kCreatorLabel) == L"zerbold93@example.com"; }));

  // Dragged by its caption from where the system put it for 144 dpi, it
  // keeps its new place at once.
  drag_by_caption(about, 30, 20);
  EXPECT_EQ(program.stored()[L"ABOUT_Left"], std::to_wstring((67 + 12 + 30) * 15));

  // A click on the check box, which the main window's box follows; Alt+F4
  // closes, saving.
  SendDlgItemMessageW(about, kAlwaysOnTopCheckBox, BM_CLICK, 0, 0);
  EXPECT_EQ(IsDlgButtonChecked(about, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(main, main_window::kAlwaysOnTopCheckBox), BST_UNCHECKED);
  SetWindowPos(about, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageW(about, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // with Alt held
  ASSERT_EQ(program.about_window(false), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(program.stored(), (Settings{{L"ABOUT_Left", L"4500"},
                                        {L"ABOUT_Top", L"3000"},
                                        {L"AlwaysOnTop_TICKBOX", L"0"}}));

  // From the keyboard, Alt+Space and Q open it again, where it was closed,
  // with its first texts; OK saves that place and the choice made anew.
  choose_in_system_menu(main, {'Q'});
  ASSERT_NE(about = program.about_window(), nullptr);
  EXPECT_EQ(placement_of(about), (Placement{300, 200, 361, 165}));
  EXPECT_EQ(text_of(about, kCreatorLabel), L"Created By Zerbold93");
  EXPECT_EQ(IsDlgButtonChecked(about, kAlwaysOnTopCheckBox), BST_UNCHECKED);
  program.forget_settings();
  SendDlgItemMessageW(about, kAlwaysOnTopCheckBox, BM_CLICK, 0, 0);
  SendDlgItemMessageW(about, kOkButton, BM_CLICK, 0, 0);
  ASSERT_EQ(program.about_window(false), nullptr);
  EXPECT_EQ(program.stored(), (Settings{{L"ABOUT_Left", L"4500"},
                                        {L"ABOUT_Top", L"3000"},
                                        {L"AlwaysOnTop_TICKBOX", L"1"}}));

  // The system menu's command opens it too; closing the main window closes
  // it first, with its own saving.
  PostMessageW(main, WM_SYSCOMMAND, main_window::kAboutCommand, 0);
  ASSERT_NE(about = program.about_window(), nullptr);
  SetWindowPos(about, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  program.close();
  EXPECT_EQ(program.exit_code(), 0u);
  EXPECT_EQ(program.stored()[L"ABOUT_Left"], L"2250");
  EXPECT_EQ(program.stored()[L"MAIN_Left"], L"1000");
}

}  // namespace
}  // namespace qvutt::e2e
