#include "desktop/notification_icon.h"

#include <shellapi.h>

#include <atomic>
#include <cwchar>
#include <iterator>

#include "desktop/system_library.h"
#include "desktop/user_registry.h"

namespace qvutt {

namespace {

using NotifyIcon = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);

// A shell that hangs at the end costs the close no more than this.
constexpr DWORD kMostWaitAtTheEnd = 1000;

// What the worker reads. Static, not the object's: a worker held by a hung
// shell may outlast the object, to the program's end.
struct Icon {
  HWND window;
  UINT id;
  UINT callback_message;
  HICON image;
};
Icon icon;
HANDLE wake;
std::atomic<bool> add_wanted;
std::atomic<bool> ending;

// On the worker's own stack: a kilobyte the program file need not carry.
void describe(NOTIFYICONDATAW& data) {
  data.cbSize = sizeof data;
  data.hWnd = icon.window;
  data.uID = icon.id;
  // Under version 4 the standard tip shows only when asked for.
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data.uCallbackMessage = icon.callback_message;
  data.hIcon = icon.image;
  // Named after the program file, as its settings are: two copies, two names.
  std::wcsncpy(data.szTip, ProgramFile().name, std::size(data.szTip) - 1);
  data.uVersion = NOTIFYICON_VERSION_4;
}

DWORD WINAPI run_worker(void*) {
  // Loaded here, off the start-up path, and only from System32.
  const auto notify = reinterpret_cast<NotifyIcon>(reinterpret_cast<void (*)()>(
      GetProcAddress(load_system_library(L"shell32.dll"), "Shell_NotifyIconW")));
  if (notify == nullptr) return 0;
  NOTIFYICONDATAW data{};
  describe(data);
  bool added = false;
  for (;;) {
    WaitForSingleObject(wake, INFINITE);
    if (ending) break;
    // A failed add (no taskbar yet, at a start from the Run key) is tried
    // again when the shell says it has started.
    if (add_wanted.exchange(false) && notify(NIM_ADD, &data)) {
      added = true;
      notify(NIM_SETVERSION, &data);
    }
  }
  if (added) notify(NIM_DELETE, &data);
  return 0;
}

}  // namespace

NotificationIcon::NotificationIcon(HWND window, UINT id, UINT callback_message, HICON image) {
  icon = {window, id, callback_message, image};
  add_wanted = true;
  ending = false;
  wake_.reset(CreateEventW(nullptr, FALSE, TRUE, nullptr));
  wake = wake_.get();
  worker_.reset(CreateThread(nullptr, 0, run_worker, nullptr, 0, nullptr));
}

NotificationIcon::~NotificationIcon() {
  ending = true;
  SetEvent(wake_.get());
  WaitForSingleObject(worker_.get(), kMostWaitAtTheEnd);
}

void NotificationIcon::add_again() {
  add_wanted = true;
  SetEvent(wake_.get());
}

}  // namespace qvutt
