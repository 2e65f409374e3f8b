#include "windows/window_placement.h"

namespace qvutt {

WindowPlacement place_window(HWND window, const WindowRect& rect, const TwipScale& scale) {
  const int left = scale.pixels(rect.left);
  const int top = scale.pixels(rect.top);
  RECT frame{left, top, left + scale.pixels(rect.width), top + scale.pixels(rect.height)};
  if (MonitorFromRect(&frame, MONITOR_DEFAULTTONULL) == nullptr) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const PixelRect moved = moved_inside({frame.left, frame.top, frame.right, frame.bottom},
                                         {area.left, area.top, area.right, area.bottom});
    frame = {moved.left, moved.top, moved.right, moved.bottom};
  }
  SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  return {{rect.left, left}, {rect.top, top}};
}

TwipPosition current_position(HWND window, const WindowPlacement& placed, const TwipScale& scale) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return {placed.left.current_twips(frame.left, scale), placed.top.current_twips(frame.top, scale)};
}

}  // namespace qvutt
