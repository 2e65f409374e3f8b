// What a window looks like, against reference pictures kept in the
// repository (references/, PPM). With QVUTT_REFRESH_PICTURES=1 in the
// environment the captures replace the references instead, on purpose: look
// at the new pictures before committing them.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/program.h"

namespace qvutt::e2e {

// Whether the window's client area, once painted, matches the reference
// within a small tolerance on each colour channel. The inside of the control
// ignored (a display that changes every second) is not compared; its border
// is. A capture that differs is saved in the working folder, for a look.
testing::AssertionResult looks_like(HWND window, const std::string& reference,
                                    HWND ignored = nullptr);

// How many rows inside the control's border, in its window's client area,
// show anything but the colour of its top left pixel there: the height of a
// label's text, drawn on its background.
int rows_drawn(HWND window, HWND control);

// Checks the window looks like reference-96dpi, then takes it to 144 dots per
// inch, as the system does when it crosses to a monitor of another scale: it
// stands where the suggested rectangle begins, its client area is
// client_twips at that scale, and it looks like reference-144dpi.
void check_dpi_change(const Program& program, HWND window, const std::string& reference,
                      const std::array<LONG, 2>& client_twips, HWND ignored = nullptr);

}  // namespace qvutt::e2e
