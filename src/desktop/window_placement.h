// Where a window stands and how large its client area is: restored from the
// twips the store holds, rescued onto a monitor when it would stand wholly off
// every one, carried along when its DPI changes, and read back in twips when
// it closes.
#pragma once

#include <windows.h>

#include "appearance/geometry.h"
#include "settings/window_settings.h"

namespace qvutt {

// The window's outer left and top edges where the store put them, as placed
// on screen, and the client area its stored size means.
struct WindowPlacement {
  PlacedEdge left;
  PlacedEdge top;
  TwipSize client;
};

// Where a rectangle in twips puts the window's left and top edges, at the
// screen's scale, and the client area its size means: the stored size less
// design_frame, whatever frame the system draws. Nothing moves yet.
WindowPlacement placement_of(const WindowRect& rect, const TwipSize& design_frame);

// Where the placed window will stand, and the scale it is sized at there:
// the monitor that its stored place covers most at the size it has now, and
// that monitor's scale. Worked out before the window moves, so that it moves
// and takes its size there in one go. At that size a window that would
// stand wholly off every monitor, or mostly on another monitor (a place
// straddling two of different scales, where each scale's size falls mostly
// on the other), is moved in just enough to stand whole inside the chosen
// one's work area, where it can be seen and its scale stays.
struct MonitorFit {
  TwipScale scale;
  PixelRect frame;
};
MonitorFit fit_on_monitor(HWND window, const WindowPlacement& placed, const TwipScale& size_scale);

// Moves and sizes the window to the fitted frame. Onto a monitor of another
// scale the system changes the window's DPI from inside this move
// (WM_GETDPISCALEDSIZE, WM_DPICHANGED), normally to the fitted one; the
// client area is then the placed one at scale_after, read once the move is
// done, whatever the change left there.
void move_to_fit(HWND window, const WindowPlacement& placed, const MonitorFit& fit,
                 const TwipScale& scale_after);

// Sizes the window for its placed client area at size_scale from its top
// left corner, moved in just enough to stand whole in its monitor's work area.
void resize_on_monitor(HWND window, const WindowPlacement& placed, const TwipScale& size_scale);

// Takes the left and top of the rectangle the system suggests for the new
// DPI, and the client area the stored size means there. The system moving it
// is no move of the user's: an unmoved window stays unmoved.
WindowPlacement take_suggested_rect(HWND window, const WindowPlacement& placed,
                                    const RECT& suggested, const TwipScale& size_scale);

// The outer size that gives the placed window its client area at dots_per_inch.
SIZE outer_size_at(HWND window, const WindowPlacement& placed, int dots_per_inch);

struct TwipPosition {
  float left;
  float top;
};

// The window's left and top edges now, in twips.
TwipPosition current_position(HWND window, const WindowPlacement& placed);

}  // namespace qvutt
