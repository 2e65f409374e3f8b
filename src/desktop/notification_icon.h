// The program's icon in the notification area: the way back to a tool window
// that has no taskbar button and no place in Alt+Tab, for the mouse and for
// the keyboard (Win+B). Shell_NotifyIconW waits for the shell (under Wine it
// sends the shell's window WM_COPYDATA with no time limit), so every call of
// it runs on the program's one worker thread, made here: a hung shell holds
// that thread, never the window's, and the count and the keeper go on.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace qvutt {

class NotificationIcon {
 public:
  // Adds the icon for window, its tip the program file's name, its events
  // posted to window as callback_message under version 4. Known by window
  // and id, never by a GUID, which would tie it to the program file's path.
  // A shell that refuses it (busy at sign-in, or not there yet) is asked
  // again, less and less often, until it takes it. Where there is no
  // notification area nothing shows, and nothing else changes. One icon at a
  // time.
  NotificationIcon(HWND window, UINT id, UINT callback_message, HICON image);
  // Removes the icon, waiting for the shell a moment at most.
  ~NotificationIcon();
  NotificationIcon(const NotificationIcon&) = delete;
  NotificationIcon& operator=(const NotificationIcon&) = delete;

  // Sends it again with this image: the shell has started anew and may know
  // it no more, or has changed its scale and keeps it at the old size.
  void send_again(HICON image);
  // Hands the keyboard back to the notification area: the icon's menu closed
  // with nothing chosen.
  void give_back_focus();

 private:
  KernelHandle wake_;
  KernelHandle worker_;
};

}  // namespace qvutt
