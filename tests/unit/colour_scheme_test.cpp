#include "appearance/colour_scheme.h"

#include <gtest/gtest.h>

namespace qvutt {
namespace {

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
