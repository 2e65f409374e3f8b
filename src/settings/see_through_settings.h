// How the main window keeps out of the way, as stored: its opacity, its
// click-through, and whether it stays above full-screen windows. Texts in the
// program's own settings section, written the moment the user chooses, and
// read back strictly, so that a hand-edited value cannot strand the user.
#pragma once

#include <cstdint>

#include "settings/settings_store.h"

namespace qvutt {

inline constexpr int kOpaque = 100;
inline constexpr int kLeastOpacity = 40;

// Percent: a text of decimal digits alone whose value lies from 40 to 100;
// anything else (a sign, spaces, a fraction, other text, another type) is
// opaque, and nothing else is lost.
int load_opacity(SettingsStore& store);
void save_opacity(SettingsStore& store, int percent);

// On only for exactly "1".
bool load_click_through(SettingsStore& store);
void save_click_through(SettingsStore& store, bool on);
bool load_above_full_screen(SettingsStore& store);
void save_above_full_screen(SettingsStore& store, bool on);

// The layered window's alpha for a percentage: percent x 255 / 100, rounded half up.
std::uint8_t alpha_of(int percent);

}  // namespace qvutt
