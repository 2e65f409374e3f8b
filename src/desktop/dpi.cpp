#include "desktop/dpi.h"

#include "desktop/system_library.h"

namespace qvutt {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Looked up at run time: older systems have no such calls, and the program
// must still start there.
template <typename Function>
Function function_in(HMODULE module, const char* name) {
  const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  // Through a generic function pointer, as the platform's own headers do.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

template <typename Function>
Function user32_function(const char* name) {
  return function_in<Function>(GetModuleHandleW(L"user32.dll"), name);
}

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI, the scale the user chose

}  // namespace

TwipScale screen_scale() {
  const HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return TwipScale(dots_per_inch > 0 ? dots_per_inch : USER_DEFAULT_SCREEN_DPI);
}

TwipScale primary_monitor_scale() {
  return monitor_scale(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

TwipScale monitor_scale(HMONITOR monitor) {
  const auto dpi_for_monitor =
      function_in<GetDpiForMonitorFunction>(load_system_library(L"shcore.dll"), "GetDpiForMonitor");
  UINT dots_per_inch = 0;
  UINT vertical = 0;
  if (dpi_for_monitor == nullptr ||
      dpi_for_monitor(monitor, kEffectiveDpi, &dots_per_inch, &vertical) != S_OK ||
      dots_per_inch == 0) {
    return screen_scale();
  }
  return TwipScale(static_cast<int>(dots_per_inch));
}

TwipScale window_scale(HWND window) {
  const auto dpi_for_window = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
  const UINT dots_per_inch = dpi_for_window != nullptr ? dpi_for_window(window) : 0;
  return dots_per_inch > 0 ? TwipScale(static_cast<int>(dots_per_inch))
                           : monitor_scale(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

SIZE window_size_for_client(HWND window, SIZE client, int dots_per_inch) {
  return frame_size_for_client(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                               static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), client,
                               dots_per_inch);
}

SIZE frame_size_for_client(DWORD style, DWORD extended_style, SIZE client, int dots_per_inch) {
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
