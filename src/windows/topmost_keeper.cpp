#include "windows/topmost_keeper.h"

namespace qvutt {

void keep_on_top(HWND main_window) {
  if (GetForegroundWindow() == main_window) return;
  // Only the z-order band changes: activating either window would take the
  // keyboard away from whatever the user is typing in, every second.
  constexpr UINT kZOrderOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
  // The foreground window is most often another program's: the change is
  // handed to its thread, not waited for, so a program that hangs cannot
  // stop this one's count. It takes effect once that program pumps again.
  SetWindowPos(GetForegroundWindow(), HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly | SWP_ASYNCWINDOWPOS);
  SetWindowPos(main_window, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
}

}  // namespace qvutt
