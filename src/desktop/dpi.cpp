#include "desktop/dpi.h"

namespace qvutt {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Looked up at run time: older systems have no such calls, and the program
// must still start there.
template <typename Function>
Function user32_function(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  // Through a generic function pointer, as the platform's own headers do.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

TwipScale screen_scale() {
  const HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return TwipScale(dots_per_inch > 0 ? dots_per_inch : USER_DEFAULT_SCREEN_DPI);
}

TwipScale window_scale(HWND window) {
  const auto dpi_for_window = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
  const UINT dots_per_inch = dpi_for_window != nullptr ? dpi_for_window(window) : 0;
  return dots_per_inch > 0 ? TwipScale(static_cast<int>(dots_per_inch)) : screen_scale();
}

SIZE window_size_for_client(HWND window, SIZE client, int dots_per_inch) {
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto extended_style = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  RECT frame{0, 0, client.cx, client.cy};
  const auto adjust_for_dpi =
      user32_function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  if (adjust_for_dpi != nullptr) {
    adjust_for_dpi(&frame, style, FALSE, extended_style, static_cast<UINT>(dots_per_inch));
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, extended_style);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace qvutt
