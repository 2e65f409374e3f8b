// Settings in the registry, per user: HKEY_CURRENT_USER\Software\QV_UTT\<section>,
// each value a REG_SZ text.
#pragma once

#include <windows.h>

#include "settings/settings_store.h"

namespace qvutt {

class RegistryStore final : public SettingsStore {
 public:
  // The section of the running program file.
  RegistryStore();

  std::optional<SettingText> get(std::string_view key, std::string_view default_text) override;
  void save(std::string_view key, std::string_view text) override;

 private:
  wchar_t subkey_[MAX_PATH + 32] = {};
};

}  // namespace qvutt
