#include "appearance/full_screen.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace qvutt {
namespace {

// Two monitors side by side, in physical pixels: the main window's at 150%,
// and another at 100% to its right.
constexpr PixelRect kMain{0, 0, 2880, 1620};
constexpr PixelRect kOther{2880, 0, 4800, 1080};

// Another program's window, shown; with a caption, it has 8-pixel sizing
// borders too, and 48 pixels of caption above its client area.
TopLevelWindow window(const PixelRect& client, bool caption = false) {
  const int b = caption ? 8 : 0;
  TopLevelWindow shown{{client.left - b, client.top - 7 * b, client.right + b, client.bottom + b}};
  shown.client = client, shown.shown = true, shown.caption = shown.sizing_border = caption;
  return shown;
}

bool in_view(const std::vector<TopLevelWindow>& top_down, const PixelRect& monitor = kMain) {
  FullScreenWalk walk(monitor);
  for (const TopLevelWindow& window : top_down) {
    if (!walk.goes_on_past(window)) break;
  }
  return walk.in_view();
}

TEST(FullScreen, TheFirstWindowSeenOnTheMonitorThatCountsCoversItWithWhatItShows) {
  // Maximized with a caption, its client area over the whole monitor: not
  // full screen; without the caption style (a browser's F11), or not
  // maximized (a game's window with its caption off the screen), it is.
  const TopLevelWindow video = window(kMain), captioned = window({-8, -8, 2888, 1628}, true);
  TopLevelWindow maximized = captioned, f11 = window({-8, -8, 2888, 1628}), game = window(kOther);
  maximized.maximized = f11.maximized = true;
  EXPECT_TRUE(in_view({f11}) && in_view({captioned}) && !in_view({maximized}) && !in_view({}));
  // The other monitor's full-screen window neither counts here nor hides this
  // one's, nor does one maximized there whose invisible border reaches here.
  EXPECT_TRUE(in_view({game, video}) && in_view({game}, kOther) && !in_view({game}) &&
              !in_view({video}, kOther) && in_view({window({2880, 45, 4800, 1080}, true), video}));

  // Each kind, over the monitor alone: does it count? As a strip above a
  // video: does it hide it? Both, for any other window, however small, a
  // layered faint one, one never activated or click-through without being
  // layered, and a popup with a thin border or a menu bar. Neither, for ours,
  // tool windows, the shell's, those not shown, layered ones that take no
  // clicks, are never activated or wholly transparent, and empty ones.
  // Marked not full screen: it hides, never counts.
  using Kind = std::tuple<void (*)(TopLevelWindow&), bool, bool>;
  for (const auto& [change, counts, hides] : std::initializer_list<Kind>{
           {[](TopLevelWindow&) {}, true, true},
           {[](TopLevelWindow& w) { w.frame.left = w.frame.right = 9; }, false, false},
           {[](TopLevelWindow& w) { w.ours = true; }, false, false},
           {[](TopLevelWindow& w) { w.tool_window = true; }, false, false},
           {[](TopLevelWindow& w) { w.desktop_or_taskbar = true; }, false, false},
           {[](TopLevelWindow& w) { w.shown = false; }, false, false},
           {[](TopLevelWindow& w) { w.layered = w.click_through = true; }, false, false},
           {[](TopLevelWindow& w) { w.layered = w.never_activated = true; }, false, false},
           {[](TopLevelWindow& w) { w.layered = true, w.alpha = 0; }, false, false},
           {[](TopLevelWindow& w) { w.layered = true, w.alpha = 1; }, true, true},
           {[](TopLevelWindow& w) { w.never_activated = w.click_through = true; }, true, true},
           {[](TopLevelWindow& w) { w.client.left += 1, w.client.top += 30; }, true, true},
           {[](TopLevelWindow& w) { w.not_full_screen = true; }, false, true}}) {
    TopLevelWindow covering = video, strip = window({0, 1500, 2880, 1620});
    change(covering), change(strip);
    EXPECT_TRUE(in_view({covering}) == counts && in_view({strip, video}) == !hides);
  }
}

}  // namespace
}  // namespace qvutt
