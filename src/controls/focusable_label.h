// A label the keyboard can reach: it takes the focus by Tab, shows it with a
// focus rectangle once the user has pressed a key in its window (a user of
// the mouse sees the window as ever), and Enter or Space on it does what a
// double-click does: its parent gets the same STN_DBLCLK notification. A
// screen reader's request for its object (WM_GETOBJECT, OBJID_CLIENT) goes to
// the parent as kLabelObjectRequest, for the window to answer with its own.
#pragma once

#include <windows.h>

namespace qvutt {

// wparam as WM_GETOBJECT's, lparam the label; the answer as WM_GETOBJECT's,
// 0 for the system's own object.
inline constexpr UINT kLabelObjectRequest = WM_APP + 2;

// Makes the parent's control id, a static with SS_NOTIFY, such a label.
void make_focusable_label(HWND parent, int id);

// Shows the focus cues of window's top-level window from now on, its
// focusable labels' included: the user has pressed a key.
void show_keyboard_cues(HWND window);

}  // namespace qvutt
