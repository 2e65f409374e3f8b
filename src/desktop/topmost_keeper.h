// Keeps the main window above every other window, other always-on-top windows
// included, by taking it back to the top once a second.
#pragma once

#include <windows.h>

namespace qvutt {

// One tick: unless the main window has the foreground, the window that has it
// leaves the always-on-top band (unless it is the desktop shell's, such as
// the taskbar) and the main window goes to its top.
void keep_on_top(HWND main_window);

// Whether a window of that class is a taskbar of the shell's, the main
// monitor's or another's.
bool is_taskbar_class(const wchar_t* name);

}  // namespace qvutt
