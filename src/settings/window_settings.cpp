#include "settings/window_settings.h"

#include "settings/conversions.h"

namespace qvutt {

namespace {

constexpr std::string_view kSizeKey = "MAIN_Size";

std::optional<SettingText> stored_text(SettingsStore& store, const SettingKey& key) {
  return store.get(key.name, text_from_int16(key.default_value).view());
}

float load_float(SettingsStore& store, const SettingKey& key) {
  const auto text = stored_text(store, key);
  const auto value = text ? single_from_text(text->view()) : std::nullopt;
  return value.value_or(static_cast<float>(key.default_value));
}

CheckBoxValue load_check_box(SettingsStore& store, const SettingKey& key) {
  const auto text = stored_text(store, key);
  const auto value = text ? int16_from_text(text->view()) : std::nullopt;
  if (value && *value >= kUnchecked && *value <= kGrayed) {
    return static_cast<CheckBoxValue>(*value);
  }
  return static_cast<CheckBoxValue>(key.default_value);
}

}  // namespace

WindowSettings load_window_settings(SettingsStore& store, const WindowKeys& keys) {
  WindowSettings settings{};
  settings.rect.left = load_float(store, keys.left);
  settings.rect.top = load_float(store, keys.top);
  settings.rect.width = load_float(store, keys.width);
  settings.rect.height = load_float(store, keys.height);
  settings.always_on_top = load_check_box(store, kAlwaysOnTopKey);
  return settings;
}

int load_size(SettingsStore& store) {
  const auto text = store.get(kSizeKey, "100");
  for (const int percent : kSizeChoices) {
    if (text && text->view() == text_from_int16(static_cast<std::int16_t>(percent)).view())
      return percent;
  }
  return kDesignSize;
}

void save_size(SettingsStore& store, int percent) {
  store.save(kSizeKey, text_from_int16(static_cast<std::int16_t>(percent)).view());
}

void save_position(SettingsStore& store, const WindowKeys& keys, float left, float top) {
  store.save(keys.left.name, text_from_single(left).view());
  store.save(keys.top.name, text_from_single(top).view());
}

void save_always_on_top(SettingsStore& store, CheckBoxValue value) {
  store.save(kAlwaysOnTopKey.name, text_from_int16(value).view());
}

}  // namespace qvutt
