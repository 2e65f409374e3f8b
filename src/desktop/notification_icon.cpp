#include "desktop/notification_icon.h"

#include <shellapi.h>

#include <algorithm>
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
// A refused icon is asked for again after a second, then twice as long each
// time, up to once a minute: Explorer busy at sign-in may take a while.
constexpr DWORD kFirstRetry = 1000;
constexpr DWORD kLongestRetry = 60000;

// What the worker reads. Static, not the object's: a worker held by a hung
// shell may outlast the object, to the program's end.
struct Icon {
  HWND window;
  UINT id;
  UINT callback_message;
};
Icon icon;
std::atomic<HICON> image;
std::atomic<bool> send_wanted;
std::atomic<bool> focus_wanted;
std::atomic<bool> ending;

// On the worker's own stack: a kilobyte the program file need not carry.
void describe(NOTIFYICONDATAW& data) {
  data.cbSize = sizeof data;
  data.hWnd = icon.window;
  data.uID = icon.id;
  // Under version 4 the standard tip shows only when asked for.
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data.uCallbackMessage = icon.callback_message;
  // Named after the program file, as its settings are: two copies, two names.
  std::wcsncpy(data.szTip, ProgramFile().name, std::size(data.szTip) - 1);
  data.uVersion = NOTIFYICON_VERSION_4;
}

// Whether the shell shows the icon, as it is now, under version 4. A failed
// add may still have reached the shell (it answered too late, or the icon
// was there already, as after a change of scale): the modify finds it.
bool send(NotifyIcon notify, NOTIFYICONDATAW& data) {
  data.hIcon = image;
  return (notify(NIM_ADD, &data) || notify(NIM_MODIFY, &data)) && notify(NIM_SETVERSION, &data);
}

DWORD WINAPI run_worker(void* own_wake) {
  // Its own handle to the event, closed by itself: the object may have gone
  // while the shell held this thread.
  const KernelHandle wake(own_wake);
  // Loaded here, off the start-up path, and only from System32.
  const auto notify = reinterpret_cast<NotifyIcon>(reinterpret_cast<void (*)()>(
      GetProcAddress(load_system_library(L"shell32.dll"), "Shell_NotifyIconW")));
  if (notify == nullptr) return 0;
  NOTIFYICONDATAW data{};
  describe(data);
  bool tried = false;  // since then the shell may hold the icon
  bool shown = false;
  DWORD retry = kFirstRetry;
  DWORD wait = INFINITE;
  for (;;) {
    WaitForSingleObject(wake.get(), wait);
    if (ending) break;
    if (send_wanted.exchange(false)) {
      shown = false;
      retry = kFirstRetry;
    }
    if (!shown) {
      tried = true;
      shown = send(notify, data);
      // Retries wake this thread alone, and stop once the icon is there.
      wait = shown ? INFINITE : retry;
      retry = std::min(retry * 2, kLongestRetry);
    }
    if (focus_wanted.exchange(false) && shown) notify(NIM_SETFOCUS, &data);
  }
  // The window and id name it; the image may be gone by now.
  data.uFlags = 0;
  if (tried) notify(NIM_DELETE, &data);
  return 0;
}

}  // namespace

NotificationIcon::NotificationIcon(HWND window, UINT id, UINT callback_message, HICON image_now) {
  icon = {window, id, callback_message};
  image = image_now;
  send_wanted = true;
  ending = false;
  wake_.reset(CreateEventW(nullptr, FALSE, TRUE, nullptr));
  HANDLE workers_wake = nullptr;
  const HANDLE process = GetCurrentProcess();
  if (!DuplicateHandle(process, wake_.get(), process, &workers_wake, 0, FALSE,
                       DUPLICATE_SAME_ACCESS)) {
    return;
  }
  worker_.reset(CreateThread(nullptr, 0, run_worker, workers_wake, 0, nullptr));
  if (!worker_) CloseHandle(workers_wake);
}

NotificationIcon::~NotificationIcon() {
  ending = true;
  SetEvent(wake_.get());
  WaitForSingleObject(worker_.get(), kMostWaitAtTheEnd);
}

void NotificationIcon::send_again(HICON image_now) {
  image = image_now;
  send_wanted = true;
  SetEvent(wake_.get());
}

void NotificationIcon::give_back_focus() {
  focus_wanted = true;
  SetEvent(wake_.get());
}

}  // namespace qvutt
