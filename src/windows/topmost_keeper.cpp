#include "windows/topmost_keeper.h"

namespace qvutt {

void keep_on_top(HWND main_window) {
  if (GetForegroundWindow() == main_window) return;
  // Only the z-order band changes: activating either window would take the
  // keyboard away from whatever the user is typing in, every second.
  constexpr UINT kZOrderOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
  SetWindowPos(GetForegroundWindow(), HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
  SetWindowPos(main_window, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
}

}  // namespace qvutt
