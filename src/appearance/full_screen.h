// When the main window steps aside: while a full-screen window (a video, a
// game, a slide show) is in view on its monitor. Rectangles and flags in, a
// decision out; the desktop layer reads them off the real windows.
#pragma once

#include <cstdint>

#include "appearance/geometry.h"

namespace qvutt {

// A top-level window as the rule sees it, in physical pixels.
struct TopLevelWindow {
  PixelRect frame{};
  PixelRect client{};
  bool shown = false;               // visible, and not cloaked
  bool ours = false;                // this program's own
  bool tool_window = false;         // a palette or a floating toolbar, never full screen
  bool desktop_or_taskbar = false;  // the shell's desktop and taskbars, always there
  bool caption = false;             // the whole caption: a title bar and its border
  bool sizing_border = false;
  bool maximized = false;
  bool layered = false;
  bool click_through = false;    // layered, it lets every click through
  bool never_activated = false;  // never takes the foreground, nor the keyboard
  // Its constant alpha, 0 to 255; 255 where it has none that could be read,
  // as for one drawn pixel by pixel.
  std::uint8_t alpha = 255;
  bool not_full_screen = false;  // so marked by its program, for the shell
};

// Whether what is read of a window first, its styles and frame, passes it
// over: not shown, a tool window, layered and unseen, or off the monitor.
// What else it is need not be read then.
bool passed_over_early(const TopLevelWindow& window, const PixelRect& monitor);

// Whether a full-screen window is in view on the monitor, from the top-level
// windows taken one at a time from the top of the z-order down: it is when
// the first that is not passed over covers the monitor. Another window above
// it, a topmost one included, means it is not.
//
// Passed over, covering or covered: ours, tool windows, the desktop, a
// taskbar, a window not shown, a layered one nobody sees or clicks
// (click-through, never activated or wholly transparent: a dimmer, an
// overlay), an empty one, or one elsewhere than on the monitor.
//
// Covering: with what it shows. A maximized window with a caption does not,
// whatever it draws in its client area (a browser's tabs, say): it is a
// window, not full-screen work. One marked not full screen does not either,
// yet it still hides what lies beneath.
class FullScreenWalk {
 public:
  explicit FullScreenWalk(const PixelRect& monitor) : monitor_(monitor) {}

  // The next window down; false once the answer is known, which no window
  // further down changes.
  bool goes_on_past(const TopLevelWindow& window);
  bool in_view() const { return in_view_; }

 private:
  PixelRect monitor_;
  bool in_view_ = false;
};

}  // namespace qvutt
