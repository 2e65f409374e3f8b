// Where settings live: per user, as texts under (application, section, key).
// The windows see only this interface, so their load and close sequences can
// be exercised against a store in memory.
#pragma once

#include <optional>
#include <string_view>

#include "text/fixed_text.h"

namespace qvutt {

// Longer stored texts are no number the program wrote, and fail to convert.
using SettingText = FixedText<256>;

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The text stored under key; default_text when the key holds no value;
  // nothing when it holds a value that is not text at all, or is too long.
  virtual std::optional<SettingText> get(std::string_view key, std::string_view default_text) = 0;
  virtual void save(std::string_view key, std::string_view text) = 0;
};

}  // namespace qvutt
