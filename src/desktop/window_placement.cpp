#include "desktop/window_placement.h"

#include "desktop/dpi.h"

namespace qvutt {

namespace {

RECT frame_of(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return frame;
}

SIZE client_pixels(const WindowPlacement& placed, const TwipScale& scale) {
  return {scale.pixels(placed.client.width), scale.pixels(placed.client.height)};
}

// Makes up whatever the client area misses of client: the frame drawn can
// differ from the one the system predicts (Wine goes on drawing the old
// DPI's frame after a DPI change).
void make_up_client(HWND window, const SIZE& client) {
  RECT drawn{};
  GetClientRect(window, &drawn);
  const SIZE missing{client.cx - drawn.right, client.cy - drawn.bottom};
  if (missing.cx == 0 && missing.cy == 0) return;
  const RECT frame = frame_of(window);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + missing.cx,
               frame.bottom - frame.top + missing.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Puts the window's outer frame at left, top, sized for its client area.
void place_frame(HWND window, int left, int top, const SIZE& outer, const SIZE& client) {
  SetWindowPos(window, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  make_up_client(window, client);
}

// The frame moved the least distance that puts it inside the work area of
// the monitor: the taskbar's edge of the screen left clear.
PixelRect inside_work_area(HMONITOR on, const PixelRect& frame) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(on, &monitor);
  const RECT& area = monitor.rcWork;
  return moved_inside(frame, {area.left, area.top, area.right, area.bottom});
}

HMONITOR monitor_of(const PixelRect& frame, DWORD otherwise) {
  const RECT screen_frame{frame.left, frame.top, frame.right, frame.bottom};
  return MonitorFromRect(&screen_frame, otherwise);
}

}  // namespace

WindowPlacement placement_of(const WindowRect& rect, const TwipSize& design_frame) {
  const TwipScale position_scale = screen_scale();
  return {{rect.left, position_scale.pixels(rect.left)},
          {rect.top, position_scale.pixels(rect.top)},
          client_twips({rect.width, rect.height}, design_frame)};
}

RECT creation_frame(const WindowPlacement& placed, DWORD style, DWORD extended_style) {
  const TwipScale scale = screen_scale();
  const SIZE outer = frame_size_for_client(style, extended_style, client_pixels(placed, scale),
                                           scale.dots_per_inch());
  return {placed.left.pixels, placed.top.pixels, placed.left.pixels + outer.cx,
          placed.top.pixels + outer.cy};
}

PixelRect fit_on_monitor(HWND window, const WindowPlacement& placed, const TwipScale& size_scale) {
  const SIZE outer = outer_size_at(window, placed, size_scale.dots_per_inch());
  const PixelRect frame{placed.left.pixels, placed.top.pixels, placed.left.pixels + outer.cx,
                        placed.top.pixels + outer.cy};
  const HMONITOR on = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  if (monitor_of(frame, MONITOR_DEFAULTTONULL) == on) return frame;
  // A rescued window stands elsewhere than placed, so it saves where it stands.
  return inside_work_area(on, frame);
}

void move_to_fit(HWND window, const WindowPlacement& placed, const PixelRect& frame,
                 const TwipScale& scale_after) {
  const RECT now = frame_of(window);
  if (now.left != frame.left || now.top != frame.top || now.right != frame.right ||
      now.bottom != frame.bottom) {
    SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  make_up_client(window, client_pixels(placed, scale_after));
}

void resize_on_monitor(HWND window, const WindowPlacement& placed, const TwipScale& size_scale) {
  const RECT frame = frame_of(window);
  const SIZE outer = outer_size_at(window, placed, size_scale.dots_per_inch());
  const PixelRect fitted =
      inside_work_area(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                       {frame.left, frame.top, frame.left + outer.cx, frame.top + outer.cy});
  place_frame(window, fitted.left, fitted.top, outer, client_pixels(placed, size_scale));
}

WindowPlacement take_suggested_rect(HWND window, const WindowPlacement& placed,
                                    const RECT& suggested, const TwipScale& size_scale) {
  const RECT before = frame_of(window);
  place_frame(window, suggested.left, suggested.top,
              outer_size_at(window, placed, size_scale.dots_per_inch()),
              client_pixels(placed, size_scale));
  const RECT after = frame_of(window);
  return {placed.left.carried(before.left, after.left), placed.top.carried(before.top, after.top),
          placed.client};
}

SIZE outer_size_at(HWND window, const WindowPlacement& placed, int dots_per_inch) {
  return window_size_for_client(window, client_pixels(placed, TwipScale(dots_per_inch)),
                                dots_per_inch);
}

TwipPosition current_position(HWND window, const WindowPlacement& placed) {
  const TwipScale position_scale = screen_scale();
  const RECT frame = frame_of(window);
  return {placed.left.current_twips(frame.left, position_scale),
          placed.top.current_twips(frame.top, position_scale)};
}

}  // namespace qvutt
