// What the main window needs to step aside for full-screen work: whether a
// full-screen window is in view on its monitor, and word of every change of
// the foreground, the moment one usually starts or ends.
#pragma once

#include <windows.h>

#include "appearance/full_screen.h"
#include "win32/handles.h"

namespace qvutt {

class FullScreenWatch {
 public:
  FullScreenWatch(HWND main_window, UINT message);

  // From now on, posts message to the main window each time another
  // program's window takes the foreground: once the window has first
  // painted, off the start-up path (till then the keeper's second looks).
  // The system's foreground events come out of context: nothing runs in the
  // other program, and no event means no wake-up here. One watch at a time.
  void listen();

  // Read from the windows' own records, so no other program is asked
  // anything and none can keep this one waiting.
  bool in_view() const;

 private:
  using GetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

  // One check's walk over the top-level windows.
  struct Walk {
    const FullScreenWatch* watch;
    HWND shell;
    PixelRect monitor;
    FullScreenWalk rule;
  };
  static BOOL CALLBACK on_window(HWND window, LPARAM walk_so_far);
  // What the rule needs of a window: its styles, rectangles and marks, as
  // far as they can change the answer.
  TopLevelWindow read(HWND window, const Walk& walk) const;

  HWND main_window_;
  UINT message_;
  // The desktop window manager's, for cloaked windows; null where there is none.
  GetWindowAttribute get_attribute_;
  WinEventHook hook_;
};

}  // namespace qvutt
