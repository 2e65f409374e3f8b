#include "desktop/user_registry.h"

#include <cwchar>
#include <string_view>

#include "settings/section_name.h"

namespace qvutt {

RegistryKey open_user_key(const wchar_t* subkey, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey, 0, access, &key) != ERROR_SUCCESS) return {};
  return RegistryKey(key);
}

RegistryKey create_user_key(const wchar_t* subkey) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return RegistryKey(key);
}

ProgramFile::ProgramFile() {
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  whole = length > 0 && length < MAX_PATH;
  const std::wstring_view base = section_from_executable_path({path, length});
  std::wmemcpy(name, base.data(), base.size());
}

}  // namespace qvutt
