// What a test asks of the hook it loads into the program to change a
// window's DPI: the program's own thread then sends WM_DPICHANGED to its own
// window, with the rectangle in its own memory, as Windows does. Nothing is
// written into the program from outside.
#pragma once

#include <windows.h>

namespace qvutt::e2e {

// Sent to the window, with the hook in place: the hook, called on the
// program's thread before the window's procedure, reads the request from
// the shared memory of that name and sets `delivered` once it has sent it.
inline constexpr wchar_t kDpiChangeRequest[] = L"QVUTT-TEST-dpi-change";

struct DpiChange {
  int dots_per_inch;
  RECT suggested;
  LONG delivered;
};

}  // namespace qvutt::e2e
