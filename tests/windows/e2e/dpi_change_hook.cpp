// The hook that a test's Program::change_dpi loads into the program.
#include <windows.h>
// after windows.h, which it needs
#include <windowsx.h>

#include "e2e/dpi_change_hook.h"

namespace {

LRESULT CALLBACK deliver_dpi_change(int code, WPARAM wparam, LPARAM lparam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  static const UINT request = RegisterWindowMessageW(qvutt::e2e::kDpiChangeRequest);
  if (code == HC_ACTION && sent.message == request) {
    const auto dots_per_inch = static_cast<WORD>(sent.wParam);
    SIZE size{};
    SendMessageW(sent.hwnd, WM_GETDPISCALEDSIZE, dots_per_inch, reinterpret_cast<LPARAM>(&size));
    const POINT at{GET_X_LPARAM(sent.lParam), GET_Y_LPARAM(sent.lParam)};
    RECT suggested{at.x, at.y, at.x + size.cx, at.y + size.cy};
    SendMessageW(sent.hwnd, WM_DPICHANGED, MAKEWPARAM(dots_per_inch, dots_per_inch),
                 reinterpret_cast<LPARAM>(&suggested));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

// By a plain C name: a 32-bit CALLBACK's exported name is decorated, and
// differently by each compiler.
extern "C" __declspec(dllexport) HOOKPROC dpi_change_hook() {
  return deliver_dpi_change;
}
