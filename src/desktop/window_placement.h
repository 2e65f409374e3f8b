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

// The frame to make a window of these styles in: at its placed left and
// top, sized for its client area at the screen's scale. Where its monitor
// has that scale, as a single one has, the window is then made where it
// will stand.
RECT creation_frame(const WindowPlacement& placed, DWORD style, DWORD extended_style);

// Where the window, made at its placed frame (creation_frame), will stand at
// size_scale, its own: the monitor it was made on, whose scale the system
// gave it, and there its placed left and top. At that size a window that
// would stand wholly off every monitor, or mostly on another monitor (a
// place straddling two of different scales, where each scale's size falls
// mostly on the other), is moved in just enough to stand whole inside that
// one's work area, where it can be seen and its scale stays.
PixelRect fit_on_monitor(HWND window, const WindowPlacement& placed, const TwipScale& size_scale);

// Moves and sizes the window to the fitted frame, unless it stands there
// already. Should the system change the window's DPI from inside this move
// (WM_GETDPISCALEDSIZE, WM_DPICHANGED), the client area is then the placed
// one at scale_after, read once the move is done, whatever the change left
// there.
void move_to_fit(HWND window, const WindowPlacement& placed, const PixelRect& frame,
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
