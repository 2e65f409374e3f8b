#include "appearance/geometry.h"

#include <algorithm>

namespace qvutt {

namespace {

// The start of a span of the given length moved into [low, high).
int moved_start(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

TwipSize client_twips(const TwipSize& outer, const TwipSize& design_frame) {
  return {std::max(0.0f, outer.width - design_frame.width),
          std::max(0.0f, outer.height - design_frame.height)};
}

PixelRect moved_inside(const PixelRect& rect, const PixelRect& area) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int left = moved_start(rect.left, width, area.left, area.right);
  const int top = moved_start(rect.top, height, area.top, area.bottom);
  return {left, top, left + width, top + height};
}

}  // namespace qvutt
