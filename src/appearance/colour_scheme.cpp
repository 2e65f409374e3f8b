#include "appearance/colour_scheme.h"

namespace qvutt {

namespace {

constexpr Colour kVeryDarkBlue = 0x00420001;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlack = 0x00000000;

}  // namespace

ColourScheme colour_scheme(bool high_contrast, const SystemColours& system) {
  if (high_contrast) {
    return {system.window, system.window_text, system.window, system.button_text,
            system.button_face};
  }
  return {kVeryDarkBlue, kGreen, kBlack, system.button_text, system.button_face};
}

}  // namespace qvutt
