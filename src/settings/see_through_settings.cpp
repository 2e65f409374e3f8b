#include "settings/see_through_settings.h"

#include "settings/conversions.h"

namespace qvutt {

namespace {

constexpr std::string_view kOpacityKey = "MAIN_Opacity";
constexpr std::string_view kClickThroughKey = "MAIN_ClickThrough";
constexpr std::string_view kAboveFullScreenKey = "MAIN_AboveFullScreen";

bool load_flag(SettingsStore& store, std::string_view key) {
  const auto text = store.get(key, "0");
  return text && text->view() == "1";
}

void save_flag(SettingsStore& store, std::string_view key, bool on) {
  store.save(key, on ? "1" : "0");
}

}  // namespace

int load_opacity(SettingsStore& store) {
  const auto text = store.get(kOpacityKey, "100");
  if (!text || text->view().empty()) return kOpaque;
  int percent = 0;
  for (const char digit : text->view()) {
    if (digit < '0' || digit > '9') return kOpaque;
    percent = percent * 10 + (digit - '0');
    if (percent > kOpaque) return kOpaque;  // long enough to overflow, too
  }
  return percent < kLeastOpacity ? kOpaque : percent;
}

void save_opacity(SettingsStore& store, int percent) {
  store.save(kOpacityKey, text_from_int16(static_cast<std::int16_t>(percent)).view());
}

bool load_click_through(SettingsStore& store) {
  return load_flag(store, kClickThroughKey);
}

void save_click_through(SettingsStore& store, bool on) {
  save_flag(store, kClickThroughKey, on);
}

bool load_above_full_screen(SettingsStore& store) {
  return load_flag(store, kAboveFullScreenKey);
}

void save_above_full_screen(SettingsStore& store, bool on) {
  save_flag(store, kAboveFullScreenKey, on);
}

std::uint8_t alpha_of(int percent) {
  return static_cast<std::uint8_t>((percent * 255 + 50) / 100);
}

}  // namespace qvutt
