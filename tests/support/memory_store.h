// A settings store in memory that remembers every access, in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace qvutt {

class MemoryStore : public SettingsStore {
 public:
  std::optional<SettingText> get(std::string_view key, std::string_view default_text) override {
    accesses.push_back("get " + std::string(key));
    const auto value = values.find(std::string(key));
    return SettingText(value != values.end() ? std::string_view(value->second) : default_text);
  }

  void save(std::string_view key, std::string_view text) override {
    accesses.push_back("save " + std::string(key) + "=" + std::string(text));
    values[std::string(key)] = std::string(text);
  }

  std::map<std::string, std::string> values;
  std::vector<std::string> accesses;
};

}  // namespace qvutt
