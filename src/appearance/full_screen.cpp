#include "appearance/full_screen.h"

#include <algorithm>

namespace qvutt {

namespace {

// Whether they share a pixel; an empty rectangle shares none.
bool overlaps(const PixelRect& a, const PixelRect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// What of the window shows. A caption or a sizing border comes with borders
// the system leaves invisible, which reach some pixels into the next monitor
// when the window is maximized or snapped there: its client area, then.
// Without either, all of its frame shows, a thin border or a menu bar
// included, so a popup that fills the monitor with them is full screen, as
// the taskbar takes it: nothing else on that monitor is seen.
const PixelRect& shown_area(const TopLevelWindow& window) {
  return window.caption || window.sizing_border ? window.client : window.frame;
}

// Layered windows show what they draw and no more. Never activated, a
// window that is not layered is drawn as any other and seen (an on-screen
// keyboard is used over a video), so that alone is not enough.
bool unseen(const TopLevelWindow& window) {
  return window.layered && (window.click_through || window.never_activated || window.alpha == 0);
}

bool passed_over(const TopLevelWindow& window, const PixelRect& monitor) {
  return passed_over_early(window, monitor) || window.ours || window.desktop_or_taskbar ||
         !overlaps(shown_area(window), monitor);
}

bool covers(const TopLevelWindow& window, const PixelRect& monitor) {
  if (window.not_full_screen || (window.maximized && window.caption)) return false;
  const PixelRect& shown = shown_area(window);
  return shown.left <= monitor.left && shown.top <= monitor.top && shown.right >= monitor.right &&
         shown.bottom >= monitor.bottom;
}

}  // namespace

// The frame holds all that shows of a window, and more.
bool passed_over_early(const TopLevelWindow& window, const PixelRect& monitor) {
  return !window.shown || window.tool_window || unseen(window) || !overlaps(window.frame, monitor);
}

bool FullScreenWalk::goes_on_past(const TopLevelWindow& window) {
  if (passed_over(window, monitor_)) return true;
  in_view_ = covers(window, monitor_);
  return false;
}

}  // namespace qvutt
