// Where a window stands: restored from the twips the store holds, rescued
// onto a monitor when it would stand wholly off every one, carried along when
// its DPI changes, and read back in twips when it closes.
#pragma once

#include <windows.h>

#include "settings/window_settings.h"
#include "windows/geometry.h"

namespace qvutt {

// The window's outer frame where the store put it, as placed on screen.
struct WindowPlacement {
  PlacedEdge left;
  PlacedEdge top;
};

// Moves and sizes a window to a rectangle in twips: the position at the
// screen's scale, the size at the window's own. A window that would stand
// wholly off every monitor goes to the nearest one instead, so it can be seen.
WindowPlacement place_window(HWND window, const WindowRect& rect, const TwipScale& size_scale);

// Gives the window the rectangle the system suggests for its new DPI. The
// system moving it is no move of the user's: an unmoved window stays unmoved.
WindowPlacement take_suggested_rect(HWND window, const WindowPlacement& placed,
                                    const RECT& suggested);

struct TwipPosition {
  float left;
  float top;
};

// The window's left and top edges now, in twips.
TwipPosition current_position(HWND window, const WindowPlacement& placed);

}  // namespace qvutt
