// When the main window steps aside: while a full-screen window (a video, a
// game, a slide show) is in view on its monitor. Rectangles and flags in, a
// decision out; the desktop layer reads them off the real windows.
#pragma once

#include "appearance/geometry.h"

namespace qvutt {

// A top-level window as the rule sees it, in physical pixels.
struct TopLevelWindow {
  PixelRect frame;
  PixelRect client;
  bool shown;               // visible, and not cloaked
  bool ours;                // this program's own
  bool tool_window;         // a palette or a floating toolbar, never full screen
  bool desktop_or_taskbar;  // the shell's desktop and taskbars, always there
};

// Whether the window never counts: ours, a tool window, the desktop, a
// taskbar, one not shown, or one elsewhere than on the monitor.
bool passed_over(const TopLevelWindow& window, const PixelRect& monitor);

// Whether its client area covers the whole monitor: a maximized window with
// a caption does not, its client area starting below the caption.
bool covers(const TopLevelWindow& window, const PixelRect& monitor);

// Walks the top-level windows from the top of the z-order down, as
// next(window) fills them in (false at the bottom): a full-screen window is
// in view when the first that is not passed over covers the monitor. Another
// window above it, a topmost one included, means it is not.
template <typename NextWindow>
bool full_screen_in_view(NextWindow next, const PixelRect& monitor) {
  for (TopLevelWindow window{}; next(window);) {
    if (!passed_over(window, monitor)) return covers(window, monitor);
  }
  return false;
}

}  // namespace qvutt
