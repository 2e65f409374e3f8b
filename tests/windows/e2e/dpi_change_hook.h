// What a test asks of the hook it loads into the program to change a
// window's DPI: the program's own thread then sends WM_DPICHANGED to its own
// window, with the rectangle in its own memory, as Windows does. Nothing is
// written into the program from outside.
#pragma once

namespace qvutt::e2e {

// The message sent to the window, with the hook in place: the DPI in wParam,
// the suggested rectangle's left and top in lParam. The hook, called on the
// program's thread before the window's procedure, asks the window its size
// at that DPI (WM_GETDPISCALEDSIZE), as Windows does before it suggests one.
inline constexpr wchar_t kDpiChangeRequest[] = L"QVUTT-TEST-dpi-change";

}  // namespace qvutt::e2e
