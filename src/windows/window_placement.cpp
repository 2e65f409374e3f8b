#include "windows/window_placement.h"

#include "windows/dpi.h"

namespace qvutt {

namespace {

RECT frame_of(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return frame;
}

}  // namespace

WindowPlacement place_window(HWND window, const WindowRect& rect, const TwipScale& size_scale) {
  const TwipScale position_scale = screen_scale();
  const int left = position_scale.pixels(rect.left);
  const int top = position_scale.pixels(rect.top);
  RECT frame{left, top, left + size_scale.pixels(rect.width), top + size_scale.pixels(rect.height)};
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
  // A rescued window stands elsewhere than placed, so it saves where it stands.
  return {{rect.left, left}, {rect.top, top}};
}

WindowPlacement take_suggested_rect(HWND window, const WindowPlacement& placed,
                                    const RECT& suggested) {
  const RECT before = frame_of(window);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT after = frame_of(window);
  return {placed.left.carried(before.left, after.left), placed.top.carried(before.top, after.top)};
}

TwipPosition current_position(HWND window, const WindowPlacement& placed) {
  const TwipScale position_scale = screen_scale();
  const RECT frame = frame_of(window);
  return {placed.left.current_twips(frame.left, position_scale),
          placed.top.current_twips(frame.top, position_scale)};
}

}  // namespace qvutt
