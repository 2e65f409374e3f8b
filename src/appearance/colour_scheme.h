// The colours both windows are drawn in. As designed: green digits on black
// over a very dark blue, column heads in the system's button colours. While
// Windows' high-contrast mode is on, the system's own colours instead, so the
// windows read in the scheme the user chose. Knows nothing of windows.
#pragma once

#include <cstdint>

namespace qvutt {

using Colour = std::uint32_t;  // 0x00BBGGRR

// The system colours the schemes draw on.
struct SystemColours {
  Colour window;
  Colour window_text;
  Colour button_face;
  Colour button_text;
};

struct ColourScheme {
  Colour background;    // the window behind its controls
  Colour display_text;  // the green-on-black labels
  Colour display_background;
  Colour head_text;  // the column heads
  Colour head_background;

  friend bool operator==(const ColourScheme& a, const ColourScheme& b) {
    return a.background == b.background && a.display_text == b.display_text &&
           a.display_background == b.display_background && a.head_text == b.head_text &&
           a.head_background == b.head_background;
  }
};

ColourScheme colour_scheme(bool high_contrast, const SystemColours& system);

}  // namespace qvutt
