#include "desktop/registry_store.h"

#include <cwchar>
#include <initializer_list>

#include "desktop/user_registry.h"
#include "settings/setting_keys.h"

namespace qvutt {

namespace {

// Key names and number texts are ASCII: widening is a copy. Too long a text
// is cut, which only a text that was never a number could be.
template <std::size_t Size>
void widen(std::string_view ascii, wchar_t (&wide)[Size]) {
  std::size_t length = 0;
  for (; length < ascii.size() && length + 1 < Size; ++length) wide[length] = ascii[length];
  wide[length] = L'\0';
}

// Any character past ASCII only has to keep the text from converting.
SettingText narrowed(const wchar_t* text) {
  SettingText result;
  for (; *text != L'\0'; ++text) result.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
  return result;
}

}  // namespace

RegistryStore::RegistryStore() {
  const ProgramFile program;
  std::size_t end = 0;
  for (const std::wstring_view part : {std::wstring_view(L"Software\\"), kApplicationName,
                                       std::wstring_view(L"\\"), std::wstring_view(program.name)}) {
    for (const wchar_t c : part) subkey_[end++] = c;
  }
}

std::optional<SettingText> RegistryStore::get(std::string_view key, std::string_view default_text) {
  const RegistryKey section = open_user_key(subkey_, KEY_QUERY_VALUE);
  if (!section) return SettingText(default_text);
  wchar_t name[64];
  widen(key, name);

  // The stored bytes need not end in a terminator, nor be a whole number of
  // characters: the buffer is zeroed and one character longer than is read.
  wchar_t text[SettingText::capacity() + 2] = {};
  DWORD type = 0;
  DWORD bytes = sizeof text - sizeof(wchar_t);
  const LONG status =
      RegQueryValueExW(section.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
  if (status == ERROR_FILE_NOT_FOUND) return SettingText(default_text);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  if (std::wcslen(text) > SettingText::capacity()) return std::nullopt;
  return narrowed(text);
}

void RegistryStore::save(std::string_view key, std::string_view text) {
  const RegistryKey section = create_user_key(subkey_);
  if (!section) return;  // Nowhere to keep it; the window still closes.
  wchar_t name[64];
  widen(key, name);
  wchar_t value[SettingText::capacity() + 1];
  widen(text, value);
  RegSetValueExW(section.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t)));
}

}  // namespace qvutt
