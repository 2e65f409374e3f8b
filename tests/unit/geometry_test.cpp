#include "windows/geometry.h"

#include <gtest/gtest.h>

#include <array>

namespace qvutt {
namespace {

TEST(TwipScale, FifteenTwipsAPixelAt96DpiAndTenAt144) {
  const TwipScale normal(96);
  const TwipScale large(144);
  EXPECT_EQ(normal.pixels(3570), 238);
  EXPECT_EQ(normal.pixels(1000), 67);
  EXPECT_EQ(normal.pixels(-1200), -80);
  EXPECT_EQ(normal.twips(67), 1005.0f);
  EXPECT_EQ(normal.points(18), 24);
  EXPECT_EQ(large.pixels(3570), 357);
  EXPECT_EQ(large.twips(100), 1000.0f);
  EXPECT_EQ(large.points(9.75), 20);
  EXPECT_EQ(large.points(normal.points_of(11)), 17);  // the stock font's 8.25 points
}

TEST(PlacedEdge, ReadsBackAsLoadedUntilTheUserMovesIt) {
  const TwipScale scale(96);
  const PlacedEdge left{1000.0f, scale.pixels(1000)};
  EXPECT_EQ(left.current_twips(67, scale), 1000.0f);
  EXPECT_EQ(left.current_twips(68, scale), 1020.0f);
  EXPECT_EQ(left.current_twips(-5, scale), -75.0f);
  // The system moving it for a new DPI, there and back, is no move of the user's.
  const PlacedEdge at_144 = left.carried(67, 79);
  EXPECT_EQ(at_144.current_twips(79, scale), 1000.0f);
  EXPECT_EQ(at_144.carried(79, 67).current_twips(67, scale), 1000.0f);
  // Once the user has moved it, it saves where it stands after any change.
  EXPECT_EQ(left.carried(90, 120).current_twips(120, scale), 1800.0f);
}

TEST(MovedInside, MovesTheLeastDistanceIntoTheAreaKeepingTheTopLeftInside) {
  const PixelRect area{0, 0, 1024, 740};
  const auto moved = [&](const PixelRect& rect) {
    const PixelRect inside = moved_inside(rect, area);
    return std::array<int, 4>{inside.left, inside.top, inside.right, inside.bottom};
  };
  EXPECT_EQ(moved({-2000, 100, -1762, 176}), (std::array<int, 4>{0, 100, 238, 176}));
  EXPECT_EQ(moved({3000, 5000, 3238, 5076}), (std::array<int, 4>{786, 664, 1024, 740}));
  EXPECT_EQ(moved({-5000, -5000, -3000, -4000}), (std::array<int, 4>{0, 0, 2000, 1000}));
  const PixelRect second_monitor = moved_inside({1500, 20, 1738, 96}, {1280, 0, 2560, 1024});
  EXPECT_EQ(second_monitor.left, 1500);
  EXPECT_EQ(second_monitor.top, 20);
}

}  // namespace
}  // namespace qvutt
