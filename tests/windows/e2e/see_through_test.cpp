// A user who keeps the uptime on top but out of the way: seen through, and
// clicked through, with a key that always gives the clicks back.
#include <gtest/gtest.h>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

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
