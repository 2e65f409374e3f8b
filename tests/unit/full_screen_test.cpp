#include "appearance/full_screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvutt {
namespace {

// Two monitors side by side, in physical pixels: the main window's at 150%,
// and another at 100% to its right.
constexpr PixelRect kMain{0, 0, 2880, 1620};
constexpr PixelRect kOther{2880, 0, 4800, 1080};

// Another program's window, shown; with a caption of that many pixels
// above its client area, it has 8-pixel borders too.
TopLevelWindow window(const PixelRect& client, int caption = 0) {
  const int border = caption > 0 ? 8 : 0;
  const PixelRect frame{client.left - border, client.top - caption, client.right + border,
                        client.bottom + border};
  return {frame, client, true, false, false, false};
}

bool in_view(const std::vector<TopLevelWindow>& top_down, const PixelRect& monitor = kMain) {
  auto next = top_down.begin();
  return full_screen_in_view(
      [&](TopLevelWindow& window) { return next != top_down.end() && (window = *next++, true); },
      monitor);
}

TEST(FullScreen, TheFirstWindowInViewOnTheMonitorThatCountsCoversItWithItsClientArea) {
  const TopLevelWindow video = window(kMain);
  EXPECT_TRUE(in_view({video}) && in_view({window({-8, -8, 2888, 1628})}) && !in_view({}));
  // Maximized with a caption, above the taskbar or over the whole monitor: not full screen.
  EXPECT_FALSE(in_view({window({0, 45, 2880, 1560}, 45)}) ||
               in_view({window({-12, 33, 2892, 1632}, 45)}));
  // Covered there by another window, a small one included.
  EXPECT_FALSE(in_view({window({100, 100, 500, 400}), video}));
  // The other monitor's full-screen window neither counts here nor hides this one's.
  const TopLevelWindow game = window(kOther);
  EXPECT_TRUE(in_view({game, video}) && in_view({game}, kOther));
  EXPECT_FALSE(in_view({game}) || in_view({video}, kOther));
  // Ours, tool windows, the shell's and those not shown never count, covering or covered.
  for (const auto flag : {&TopLevelWindow::ours, &TopLevelWindow::tool_window,
                          &TopLevelWindow::desktop_or_taskbar, &TopLevelWindow::shown}) {
    TopLevelWindow covering = video;
    TopLevelWindow strip = window({0, 1500, 2880, 1620});
    covering.*flag = strip.*flag = !(video.*flag);
    EXPECT_FALSE(in_view({covering}));
    EXPECT_TRUE(in_view({strip, video}));
  }
}

}  // namespace
}  // namespace qvutt
