// The dots per inch that twips are scaled at. Positions use the screen's, one
// coordinate space across every monitor, as stored settings always have; sizes
// and fonts use the window's own, so the same twips are the same physical size
// on whichever monitor the window stands.
#pragma once

#include <windows.h>

#include "appearance/geometry.h"

namespace qvutt {

// The system's dots per inch.
TwipScale screen_scale();

// The primary monitor's dots per inch now, where the system tells it
// (Windows 8.1 and later): the taskbar's, which follows a change of its scale
// without a sign-out, as the screen's does not. The screen's elsewhere.
TwipScale primary_monitor_scale();

// The dots per inch of the monitor, where the system tells it (Windows 8.1
// and later); the screen's elsewhere.
TwipScale monitor_scale(HMONITOR monitor);

// The dots per inch of the monitor the window is on: the window's own where
// the system tells it (Windows 10 1607 and later), else its monitor's.
TwipScale window_scale(HWND window);

// The outer size that gives a window of this one's styles the client area
// client at dots_per_inch, with the frame the system draws there (where it
// can tell for any DPI: Windows 10 1607 and later; at the system's elsewhere).
SIZE window_size_for_client(HWND window, SIZE client, int dots_per_inch);
// The same for a window not yet made, of these styles.
SIZE frame_size_for_client(DWORD style, DWORD extended_style, SIZE client, int dots_per_inch);

}  // namespace qvutt
