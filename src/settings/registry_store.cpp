#include "settings/registry_store.h"

#include <windows.h>

#include <vector>

#include "settings/section_name.h"
#include "settings/setting_keys.h"
#include "windows/win32_handles.h"

namespace qvutt {

namespace {

// Stored numbers are short; anything longer is not one of ours.
constexpr DWORD kLongestValueBytes = 1024;

std::wstring running_program_path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring widened(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// Numbers are ASCII; any other character only has to keep the text from
// converting, which '?' does.
std::string narrowed(const std::wstring& text) {
  std::string result;
  result.reserve(text.size());
  for (const wchar_t c : text) result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return result;
}

}  // namespace

RegistryStore::RegistryStore()
    : subkey_(L"Software\\" + std::wstring(kApplicationName) + L"\\" +
              section_from_executable_path(running_program_path())) {}

std::optional<std::string> RegistryStore::get(std::string_view key,
                                              std::string_view default_text) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
      ERROR_SUCCESS) {
    return std::string(default_text);
  }
  const RegistryKey section(opened);
  const std::wstring name = widened(key);

  DWORD type = 0;
  DWORD bytes = 0;
  const LONG status = RegQueryValueExW(section.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
  if (status == ERROR_FILE_NOT_FOUND) return std::string(default_text);
  if (status != ERROR_SUCCESS || type != REG_SZ || bytes > kLongestValueBytes) return std::nullopt;

  // The stored bytes need not end in a terminator, nor be a whole number of
  // characters: read into a zeroed buffer one character longer.
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 2, L'\0');
  bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(section.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  return narrowed(std::wstring(buffer.data()));
}

void RegistryStore::save(std::string_view key, std::string_view text) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &created, nullptr) != ERROR_SUCCESS) {
    return;  // Nowhere to keep it; the window still closes.
  }
  const RegistryKey section(created);
  const std::wstring value = widened(text);
  RegSetValueExW(section.get(), widened(key).c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace qvutt
