#include "windows/geometry.h"

#include <gtest/gtest.h>

namespace qvutt {
namespace {

TEST(TwipScale, FifteenTwipsAPixelAt96DpiAndTenAt144) {
  const TwipScale normal(96);
  EXPECT_EQ(normal.pixels(3570), 238);
  EXPECT_EQ(normal.pixels(1000), 67);
  EXPECT_EQ(normal.pixels(-1200), -80);
  EXPECT_EQ(normal.twips(67), 1005.0f);
  EXPECT_EQ(normal.points(18), 24);

  const TwipScale large(144);
  EXPECT_EQ(large.pixels(3570), 357);
  EXPECT_EQ(large.pixels(1000), 100);
  EXPECT_EQ(large.twips(100), 1000.0f);
  EXPECT_EQ(large.points(9.75), 20);
}

TEST(PlacedEdge, AnUnmovedEdgeReadsBackAsLoaded) {
  const TwipScale scale(96);
  const PlacedEdge left{1000.0f, scale.pixels(1000)};
  EXPECT_EQ(left.current_twips(67, scale), 1000.0f);
  EXPECT_EQ(left.current_twips(68, scale), 1020.0f);
  EXPECT_EQ(left.current_twips(-5, scale), -75.0f);
}

TEST(MovedInside, MovesTheLeastDistanceIntoTheArea) {
  const PixelRect area{0, 0, 1024, 740};
  const PixelRect far_left = moved_inside({-2000, 100, -1762, 176}, area);
  EXPECT_EQ(far_left.left, 0);
  EXPECT_EQ(far_left.top, 100);
  EXPECT_EQ(far_left.right, 238);
  EXPECT_EQ(far_left.bottom, 176);

  const PixelRect below_right = moved_inside({3000, 5000, 3238, 5076}, area);
  EXPECT_EQ(below_right.left, 1024 - 238);
  EXPECT_EQ(below_right.top, 740 - 76);

  const PixelRect second_monitor = moved_inside({1500, 20, 1738, 96}, {1280, 0, 2560, 1024});
  EXPECT_EQ(second_monitor.left, 1500);
  EXPECT_EQ(second_monitor.top, 20);
}

TEST(MovedInside, KeepsTheTopLeftCornerInsideWhenLargerThanTheArea) {
  const PixelRect moved = moved_inside({-5000, -5000, -3000, -4000}, {0, 0, 800, 600});
  EXPECT_EQ(moved.left, 0);
  EXPECT_EQ(moved.top, 0);
  EXPECT_EQ(moved.right, 2000);
  EXPECT_EQ(moved.bottom, 1000);
}

}  // namespace
}  // namespace qvutt
