// The hook that a test's Program::change_dpi loads into the program.
#include "e2e/dpi_change_hook.h"

namespace {

using namespace qvutt::e2e;

LRESULT CALLBACK deliver_dpi_change(int code, WPARAM wparam, LPARAM lparam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  static const UINT request_message = RegisterWindowMessageW(kDpiChangeRequest);
  if (code == HC_ACTION && sent.message == request_message) {
    const HANDLE shared = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kDpiChangeRequest);
    if (auto* request = static_cast<DpiChange*>(
            shared ? MapViewOfFile(shared, FILE_MAP_WRITE, 0, 0, sizeof(DpiChange)) : nullptr)) {
      RECT suggested = request->suggested;
      SendMessageW(sent.hwnd, WM_DPICHANGED,
                   MAKEWPARAM(request->dots_per_inch, request->dots_per_inch),
                   reinterpret_cast<LPARAM>(&suggested));
      request->delivered = 1;
      UnmapViewOfFile(request);
    }
    if (shared) CloseHandle(shared);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

// By a plain C name: a 32-bit CALLBACK's exported name is decorated, and
// differently by each compiler.
extern "C" __declspec(dllexport) HOOKPROC dpi_change_hook() {
  return deliver_dpi_change;
}
