// A user who watches videos and gives slide shows full screen: the uptime
// steps aside for them and comes back when they end, unless asked to stay.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

using namespace main_window;

// As a game or a browser's F11 does, in place: no caption, no border, the
// whole of the virtual desktop's one monitor, and topmost.
void make_full_screen(HWND window) {
  SetWindowLongW(window, GWL_STYLE, WS_POPUP | WS_VISIBLE);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, GetSystemMetrics(SM_CXSCREEN),
               GetSystemMetrics(SM_CYSCREEN), SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool shown_on_top(HWND window) {
  return IsWindowVisible(window) && is_topmost(window);
}

TEST(FullScreen, StepsAsideWithAboutForFullScreenWorkAndComesBackOnTopWithoutTheFocus) {
  Program program;
  program.start();
  const HWND main = program.main_window();
  const DWORD started = GetTickCount();
  const OtherProgramWindow player;
  ASSERT_TRUE(eventually([&] { return shown_on_top(main); }));

  // Made full screen in place: aside by the keeper's next second, and the
  // player, topmost, stays so. Minimized: back on top, without the focus,
  // having counted all along.
  make_full_screen(player.window);
  EXPECT_TRUE(eventually([&] { return !IsWindowVisible(main); }, 1500));
  EXPECT_FALSE(
      eventually([&] { return IsWindowVisible(main) || !is_topmost(player.window); }, 1500));
  ShowWindow(player.window, SW_MINIMIZE);
  EXPECT_TRUE(eventually([&] { return shown_on_top(main) && GetForegroundWindow() != main; }));
  if (not_emulated("the seconds shown against the clock")) {
    const std::wstring shown = text_of(main, kUptimeLabel);
    EXPECT_NEAR(std::stoi(shown.substr(3, 2)) * 60 + std::stoi(shown.substr(6)),
                (GetTickCount() - started) / 1000.0, 1.5);
  }

  // A maximized document's caption keeps it from full screen.
  const OtherProgramWindow document;
  ShowWindow(document.window, SW_MAXIMIZE);
  EXPECT_FALSE(eventually([&] { return !shown_on_top(main); }, 1500));

  // The player back in front sends both aside with About open; minimized
  // again, it brings both back, About still modal and showing the address.
  double_click(main, kLogoPicture);
  const HWND about = program.about_window();
  double_click(about, about_window::kCreatorLabel);
  ShowWindow(player.window, SW_RESTORE);
  EXPECT_TRUE(eventually([&] { return !IsWindowVisible(main) && !IsWindowVisible(about); }));
  ShowWindow(player.window, SW_MINIMIZE);
  EXPECT_TRUE(eventually([&] { return IsWindowVisible(about) && shown_on_top(main); }));
  EXPECT_FALSE(IsWindowEnabled(main));
  EXPECT_EQ(text_of(about, about_window::kCreatorLabel), L"zerbold93@example.com");
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_EQ(program.about_window(false), nullptr);

  // Chosen by its notification icon while aside, it comes back in front and
  // stays there while the full-screen window lasts.
  ShowWindow(player.window, SW_RESTORE);
  EXPECT_TRUE(eventually([&] { return !IsWindowVisible(main); }));
  icon_event(main, NIN_SELECT);
  EXPECT_TRUE(eventually([&] { return GetForegroundWindow() == main; }));
  EXPECT_FALSE(eventually([&] { return !shown_on_top(main); }, 1500));
  ShowWindow(player.window, SW_MINIMIZE);

  // Asked to stay above, it does so at once. Started anew during full-screen
  // work, without it, it shows only when that ends, and without the focus.
  choose_in_system_menu(main, {'F'});
  EXPECT_EQ(program.stored()[L"MAIN_AboveFullScreen"], L"1");
  make_full_screen(document.window);
  EXPECT_FALSE(eventually([&] { return !shown_on_top(main); }, 1500));
  program.kill();
  program.store(L"MAIN_AboveFullScreen", L"0");
  program.start(false);
  EXPECT_FALSE(eventually([&] { return IsWindowVisible(program.main_window()); }, 1500));
  SendMessageW(document.window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(eventually([&] {
    return shown_on_top(program.main_window()) && GetForegroundWindow() != program.main_window();
  }));
}

}  // namespace
}  // namespace qvutt::e2e
