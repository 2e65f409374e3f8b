#include "windows/dpi.h"

namespace qvutt {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at run time: older systems have no such call, and the program
// must still start there.
GetDpiForWindowFunction get_dpi_for_window() {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  // Through a generic function pointer, as the platform's own headers do.
  return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

TwipScale screen_scale() {
  const HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return TwipScale(dots_per_inch > 0 ? dots_per_inch : USER_DEFAULT_SCREEN_DPI);
}

TwipScale window_scale(HWND window) {
  const GetDpiForWindowFunction dpi_for_window = get_dpi_for_window();
  const UINT dots_per_inch = dpi_for_window != nullptr ? dpi_for_window(window) : 0;
  return dots_per_inch > 0 ? TwipScale(static_cast<int>(dots_per_inch)) : screen_scale();
}

}  // namespace qvutt
