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

// Moves a window to a rectangle in twips and sizes it so that its client area
// is the stored size less design_frame, whatever frame the system draws: the
// position at the screen's scale, the size at the window's own. A window that
// would stand wholly off every monitor goes to the nearest one instead, so it
// can be seen.
WindowPlacement place_window(HWND window, const WindowRect& rect, const TwipSize& design_frame,
                             const TwipScale& size_scale);

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
