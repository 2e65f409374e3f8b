#include "desktop/topmost_keeper.h"

#include <cwchar>

namespace qvutt {

namespace {

// The desktop shell's own windows: the taskbars are topmost by design, and
// demoting one sends it behind maximised windows until the shell notices.
bool belongs_to_shell(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (is_taskbar_class(name)) return true;
  DWORD shell = 0;
  DWORD owner = 0;
  GetWindowThreadProcessId(GetShellWindow(), &shell);
  GetWindowThreadProcessId(window, &owner);
  return shell != 0 && owner == shell;
}

}  // namespace

bool is_taskbar_class(const wchar_t* name) {
  return std::wcscmp(name, L"Shell_TrayWnd") == 0 ||
         std::wcscmp(name, L"Shell_SecondaryTrayWnd") == 0;
}

void keep_on_top(HWND main_window) {
  if (GetForegroundWindow() == main_window) return;
  // Only the z-order band changes: activating either window would take the
  // keyboard away from whatever the user is typing in, every second.
  constexpr UINT kZOrderOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
  // The foreground window is most often another program's: the change is
  // handed to its thread, not waited for, so a program that hangs cannot
  // stop this one's count. It takes effect once that program pumps again.
  const HWND foreground = GetForegroundWindow();
  if (!belongs_to_shell(foreground)) {
    SetWindowPos(foreground, HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly | SWP_ASYNCWINDOWPOS);
  }
  SetWindowPos(main_window, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
}

}  // namespace qvutt
