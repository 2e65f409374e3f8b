#include "appearance/full_screen.h"

namespace qvutt {

namespace {

bool overlaps(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

bool passed_over(const TopLevelWindow& window, const PixelRect& monitor) {
  return !window.shown || window.ours || window.tool_window || window.desktop_or_taskbar ||
         !overlaps(window.frame, monitor);
}

bool covers(const TopLevelWindow& window, const PixelRect& monitor) {
  const PixelRect& client = window.client;
  return client.left <= monitor.left && client.top <= monitor.top &&
         client.right >= monitor.right && client.bottom >= monitor.bottom;
}

}  // namespace qvutt
