#include "desktop/full_screen_watch.h"

#include <dwmapi.h>

#include <cwchar>

#include "appearance/full_screen.h"
#include "desktop/system_library.h"
#include "desktop/topmost_keeper.h"

namespace qvutt {

namespace {

PixelRect pixel_rect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// By class: File Explorer's own windows belong to the shell's process too,
// and may well be full screen.
bool desktop_or_taskbar(HWND window, HWND shell) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return window == shell || std::wcscmp(name, L"Progman") == 0 ||
         std::wcscmp(name, L"WorkerW") == 0 || is_taskbar_class(name);
}

// Only a constant alpha: a window drawn pixel by pixel (UpdateLayeredWindow)
// has none to read, and counts as opaque.
BYTE constant_alpha(HWND layered) {
  BYTE alpha = 0;
  DWORD given = 0;
  return GetLayeredWindowAttributes(layered, nullptr, &alpha, &given) && (given & LWA_ALPHA) != 0
             ? alpha
             : BYTE{255};
}

struct Watcher {
  HWND window;
  UINT message;
};
Watcher watcher{};

void CALLBACK on_foreground_event(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  PostMessageW(watcher.window, watcher.message, 0, 0);
}

}  // namespace

FullScreenWatch::FullScreenWatch(HWND main_window, UINT message)
    : main_window_(main_window),
      message_(message),
      // Loaded, not imported: the program imports only what every Windows
      // has, and Wine may lack it.
      get_attribute_(reinterpret_cast<GetWindowAttribute>(reinterpret_cast<void (*)()>(
          GetProcAddress(load_system_library(L"dwmapi.dll"), "DwmGetWindowAttribute")))) {}

void FullScreenWatch::listen() {
  watcher = {main_window_, message_};
  // Its events wait in this thread's queue until the next message is taken.
  hook_.reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                              on_foreground_event, 0, 0,
                              WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
}

bool FullScreenWatch::in_view() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(main_window_, MONITOR_DEFAULTTONEAREST), &monitor);
  const PixelRect area = pixel_rect(monitor.rcMonitor);
  Walk walk{this, GetShellWindow(), area, FullScreenWalk(area)};
  // Every top-level window at once, in the z-order from the top (as
  // EnumWindows lists them), where a walk from window to window could meet
  // one destroyed or moved meanwhile.
  EnumWindows(on_window, reinterpret_cast<LPARAM>(&walk));
  return walk.rule.in_view();
}

BOOL CALLBACK FullScreenWatch::on_window(HWND window, LPARAM walk_so_far) {
  Walk& walk = *reinterpret_cast<Walk*>(walk_so_far);
  return walk.rule.goes_on_past(walk.watch->read(window, walk));
}

TopLevelWindow FullScreenWatch::read(HWND window, const Walk& walk) const {
  // Most top-level windows are hidden, and many of the others are overlays,
  // palettes or elsewhere: nothing more is read of those than tells so. A
  // top-level window is visible when its style says so.
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if ((style & WS_VISIBLE) == 0) return {};
  const LONG ex_style = GetWindowLongW(window, GWL_EXSTYLE);
  TopLevelWindow seen;
  seen.shown = true;
  seen.tool_window = (ex_style & WS_EX_TOOLWINDOW) != 0;
  seen.caption = (style & WS_CAPTION) == WS_CAPTION;
  seen.sizing_border = (style & WS_THICKFRAME) != 0;
  seen.maximized = (style & WS_MAXIMIZE) != 0;
  seen.layered = (ex_style & WS_EX_LAYERED) != 0;
  seen.click_through = (ex_style & WS_EX_TRANSPARENT) != 0;
  seen.never_activated = (ex_style & WS_EX_NOACTIVATE) != 0;
  if (seen.layered) seen.alpha = constant_alpha(window);
  RECT frame{};
  GetWindowRect(window, &frame);
  seen.frame = pixel_rect(frame);
  if (passed_over_early(seen, walk.monitor)) return seen;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  seen.ours = process == GetCurrentProcessId();
  // Kept out of sight without being hidden: an app on another virtual
  // desktop, a browser's spare window.
  DWORD cloaked = 0;
  if (get_attribute_ != nullptr) get_attribute_(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked);
  seen.shown = cloaked == 0;
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  seen.client = pixel_rect(client);
  seen.desktop_or_taskbar = desktop_or_taskbar(window, walk.shell);
  // Set by a program to tell the shell the window is not full screen.
  seen.not_full_screen = GetPropW(window, L"NonRudeHWND") != nullptr;
  return seen;
}

}  // namespace qvutt
