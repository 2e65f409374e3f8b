// Twips, the unit every window position and size is stored in, and the
// pixels the screen uses: 1440 twips to the inch, so 15 a pixel at 96 dpi.
#pragma once

#include <cmath>

namespace qvutt {

class TwipScale {
 public:
  explicit TwipScale(int dots_per_inch) : dots_per_inch_(dots_per_inch) {}

  int pixels(double twips) const {
    return static_cast<int>(std::lround(twips * dots_per_inch_ / kTwipsPerInch));
  }
  float twips(int pixels) const {
    return static_cast<float>(pixels * kTwipsPerInch / dots_per_inch_);
  }
  int dots_per_inch() const { return dots_per_inch_; }
  int points(double points) const {
    return static_cast<int>(std::lround(points * dots_per_inch_ / 72.0));
  }
  double points_of(int pixels) const { return pixels * 72.0 / dots_per_inch_; }

 private:
  static constexpr double kTwipsPerInch = 1440.0;
  int dots_per_inch_;
};

// An edge as loaded in twips and as placed on screen. Read back while it is
// still there, it gives the loaded twips, so a window that was not moved saves
// exactly what it loaded, whatever rounding the screen's scale forced.
struct PlacedEdge {
  float twips;
  int pixels;

  float current_twips(int pixels_now, const TwipScale& scale) const {
    return pixels_now == pixels ? twips : scale.twips(pixels_now);
  }
  // The edge after the system moved it from pixels_before to pixels_after:
  // still where it was loaded, if it had not been moved since.
  PlacedEdge carried(int pixels_before, int pixels_after) const {
    return pixels_before == pixels ? PlacedEdge{twips, pixels_after} : *this;
  }
};

struct TwipSize {
  float width;
  float height;
};

// The client area that a stored outer size means. Stored sizes were measured
// on the frame the windows were designed with (Windows' classic captions and
// borders at 96 dpi); the frame the system really draws, taller on Windows 10
// and 11, must not take its height out of the contents.
TwipSize client_twips(const TwipSize& outer, const TwipSize& design_frame);

struct PixelRect {
  int left;
  int top;
  int right;
  int bottom;
};

// The rectangle moved the least distance that puts it inside area; its top
// left corner stays inside when it is larger than area.
PixelRect moved_inside(const PixelRect& rect, const PixelRect& area);

}  // namespace qvutt
