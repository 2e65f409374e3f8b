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

// A layered window of the test's own, topmost, shown without the focus,
// across the top of the screen: a dimmer, an overlay, an invisible strip.
HWND overlay(DWORD ex_style, BYTE alpha, int height) {
  const HWND made =
      CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED | ex_style, L"STATIC", L"", WS_POPUP, 0, 0,
                      GetSystemMetrics(SM_CXSCREEN), height, nullptr, nullptr, nullptr, nullptr);
  SetLayeredWindowAttributes(made, 0, alpha, LWA_ALPHA);
  ShowWindow(made, SW_SHOWNOACTIVATE);
  return made;
}

// As browsers, editors and terminals do, the window draws its own caption:
// its client area is all of it.
LRESULT CALLBACK caption_in_client(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return message == WM_NCCALCSIZE ? 0 : DefWindowProcW(window, message, wparam, lparam);
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

  // A maximized document's caption keeps it from full screen, drawn in its
  // client area too; a click-through dimmer over the screen is none either.
  const OtherProgramWindow document;
  SetWindowLongPtrW(document.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(caption_in_client));
  ShowWindow(document.window, SW_MAXIMIZE);
  const HWND dimmer = overlay(WS_EX_TRANSPARENT, 128, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_FALSE(eventually([&] { return !shown_on_top(main); }, 1500));
  DestroyWindow(dimmer);

  // Nor is the player, full screen again, while its program marks it not
  // full screen for the shell.
  SetPropW(player.window, L"NonRudeHWND", reinterpret_cast<HANDLE>(1));
  ShowWindow(player.window, SW_RESTORE);
  EXPECT_FALSE(eventually([&] { return !shown_on_top(main); }, 1500));
  RemovePropW(player.window, L"NonRudeHWND");
  ShowWindow(player.window, SW_MINIMIZE);

  // The player back in front sends both aside with About open; minimized
  // again, it brings both back, About still modal and showing the address.
  double_click(main, kLogoPicture);
  const HWND about = program.about_window();
  double_click(about, about_window::kCreatorLabel);
  ShowWindow(player.window, SW_RESTORE);
  EXPECT_TRUE(eventually([&] { return !IsWindowVisible(main) && !IsWindowVisible(about); }));
  const HWND unseen = overlay(0, 0, 100);  // wholly transparent, above the player
  EXPECT_FALSE(eventually([&] { return IsWindowVisible(main); }, 1500));
  DestroyWindow(unseen);
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
