// A label the keyboard can reach: it takes the focus by Tab, shows it with a
// focus rectangle once the user has pressed a key in its window (a user of
// the mouse sees the window as ever), and Enter or Space on it does what a
// double-click does: its parent gets the same STN_DBLCLK notification.
#pragma once

#include <windows.h>

namespace qvutt {

// Makes the parent's control id, a static with SS_NOTIFY, such a label.
void make_focusable_label(HWND parent, int id);

// Shows the focus cues of window's top-level window from now on, its
// focusable labels' included: the user has pressed a key.
void show_keyboard_cues(HWND window);

}  // namespace qvutt
