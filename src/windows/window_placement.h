// Where a window stands: restored from the twips the store holds, rescued
// onto a monitor when it would stand wholly off every one, and read back in
// twips when it closes.
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

// Moves and sizes a window to a rectangle in twips. A window that would stand
// wholly off every monitor goes to the nearest one instead, so it can be seen.
WindowPlacement place_window(HWND window, const WindowRect& rect, const TwipScale& scale);

struct TwipPosition {
  float left;
  float top;
};

// The window's left and top edges now, in twips.
TwipPosition current_position(HWND window, const WindowPlacement& placed, const TwipScale& scale);

}  // namespace qvutt
