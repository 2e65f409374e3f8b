// The appearance folder: twips and pixels, the colour scheme.
#include <gtest/gtest.h>

#include <tuple>

#include "appearance/colour_scheme.h"
#include "appearance/geometry.h"

namespace qvutt {
namespace {

TEST(Geometry, AnEdgeReadsBackAsLoadedUntilMovedAndARectMovesTheLeastIntoAnArea) {
  const TwipScale scale(96);
  const PlacedEdge edge{1000.0f, scale.pixels(1000)};  // 66.7 pixels, placed at 67
  EXPECT_EQ(edge.current_twips(67, scale), 1000.0f);
  EXPECT_EQ(edge.current_twips(-5, scale), -75.0f);
  // The system moving it for a new DPI, there and back, is no move of the user's.
  EXPECT_EQ(edge.carried(67, 79).current_twips(79, scale), 1000.0f);
  EXPECT_EQ(edge.carried(67, 79).carried(79, 67).current_twips(67, scale), 1000.0f);
  EXPECT_EQ(edge.carried(90, 120).current_twips(120, scale), 1800.0f);
  EXPECT_EQ(TwipScale(144).points(scale.points_of(11)), 17);  // the stock font's 8.25 points

  // Moved the least distance into an area, the top left inside.
  const PixelRect area{0, 0, 1024, 740};
  for (const auto& [rect, left, top] : {std::tuple{PixelRect{-2000, 100, -1762, 176}, 0, 100},
                                        {PixelRect{3000, 5000, 3238, 5076}, 786, 664},
                                        {PixelRect{-5000, -5000, -3000, -4000}, 0, 0},
                                        {PixelRect{500, 20, 738, 96}, 500, 20}}) {
    const PixelRect moved = moved_inside(rect, area);
    EXPECT_EQ(std::tuple(moved.left, moved.top, moved.right - moved.left, moved.bottom - moved.top),
              std::tuple(left, top, rect.right - rect.left, rect.bottom - rect.top));
  }
}

TEST(ColourScheme, DesignedColoursUnlessHighContrastAsksForTheSystems) {
  // A high-contrast black scheme: white text on black, yellow on dark blue buttons.
  const SystemColours system{0x000000, 0xFFFFFF, 0x800000, 0x00FFFF};
  const ColourScheme designed{0x420001, 0x00FF00, 0x000000, 0x00FFFF, 0x800000};
  const ColourScheme high_contrast{0x000000, 0xFFFFFF, 0x000000, 0x00FFFF, 0x800000};
  EXPECT_EQ(colour_scheme(false, system), designed);
  EXPECT_EQ(colour_scheme(true, system), high_contrast);
}

}  // namespace
}  // namespace qvutt
