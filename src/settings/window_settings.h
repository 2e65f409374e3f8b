// The settings half of each window's load and close sequences: which keys, in
// which order, and what a value that does not convert falls back to.
#pragma once

#include <cstdint>

#include "settings/setting_keys.h"
#include "settings/settings_store.h"

namespace qvutt {

// Outer frame, in twips.
struct WindowRect {
  float left;
  float top;
  float width;
  float height;
};

struct WindowSettings {
  WindowRect rect;
  CheckBoxValue always_on_top;
};

// Reads left, top, width, height, then the always-on-top choice, one store
// access each. A value that does not convert takes its key's default alone.
WindowSettings load_window_settings(SettingsStore& store, const WindowKeys& keys);

// How large the main window's contents are drawn, in percent of their
// design: one of the sizes its menu offers, stored as that number's digits
// alone. Anything else, missing or unreadable, is the design's own size.
inline constexpr int kDesignSize = 100;
inline constexpr int kSizeChoices[] = {kDesignSize, 150, 200, 300};
int load_size(SettingsStore& store);
void save_size(SettingsStore& store, int percent);

void save_position(SettingsStore& store, const WindowKeys& keys, float left, float top);
void save_always_on_top(SettingsStore& store, CheckBoxValue value);

}  // namespace qvutt
