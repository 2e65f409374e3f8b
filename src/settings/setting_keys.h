// Every key the program stores, with the default a fresh user starts from.
// Positions and sizes are in twips; the check box holds 0, 1 or 2 (grayed).
#pragma once

#include <cstdint>
#include <string_view>

namespace qvutt {

inline constexpr std::wstring_view kApplicationName = L"QV_UTT";

struct SettingKey {
  std::string_view name;
  std::int16_t default_value;
};

// A window's outer rectangle, read at load; only left and top are ever written.
struct WindowKeys {
  SettingKey left;
  SettingKey top;
  SettingKey width;
  SettingKey height;
};

inline constexpr WindowKeys kMainWindowKeys{
    {"MAIN_Left", 1000}, {"MAIN_Top", 1000}, {"MAIN_Width", 3570}, {"MAIN_Height", 1140}};

inline constexpr WindowKeys kAboutWindowKeys{
    {"ABOUT_Left", 1000}, {"ABOUT_Top", 1000}, {"ABOUT_Width", 5500}, {"ABOUT_Height", 2850}};

// Named after the check box that shows it, in both windows.
inline constexpr SettingKey kAlwaysOnTopKey{"AlwaysOnTop_TICKBOX", 1};

enum CheckBoxValue : std::int16_t { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

}  // namespace qvutt
