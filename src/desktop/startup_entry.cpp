#include "desktop/startup_entry.h"

#include <windows.h>

#include <cwchar>
#include <string_view>

#include "settings/section_name.h"
#include "settings/startup_command.h"
#include "win32/handles.h"

namespace qvutt {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The record's first byte: 2 enabled, 3 disabled; the rest a time stamp.
constexpr BYTE kEnabled = 2;
constexpr BYTE kDisabled = 3;
constexpr DWORD kRecordBytes = 12;

// The running program file and the value name it goes by. A path too long
// for the buffer comes back cut: it is left empty, so that no entry names a
// file that is not there, and none is taken for this program's.
struct ProgramFile {
  ProgramFile() {
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
      path[0] = L'\0';
      return;
    }
    const std::wstring_view name = section_from_executable_path({path, length});
    std::wmemcpy(value_name, name.data(), name.size());
  }
  wchar_t path[MAX_PATH] = {};
  wchar_t value_name[MAX_PATH + 1] = {};
};

RegistryKey open_key(const wchar_t* subkey, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey, 0, access, &key) != ERROR_SUCCESS) return {};
  return RegistryKey(key);
}

RegistryKey create_key(const wchar_t* subkey) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return RegistryKey(key);
}

// The Run value's command names this file. A value of another type, or too
// long for a path, names nothing.
bool run_value_names(const ProgramFile& program) {
  const RegistryKey run = open_key(kRunKey, KEY_QUERY_VALUE);
  if (!run) return false;
  wchar_t command[2 * MAX_PATH + 2] = {};  // zeroed, one longer than is read
  DWORD type = 0;
  DWORD bytes = sizeof command - sizeof(wchar_t);
  if (RegQueryValueExW(run.get(), program.value_name, nullptr, &type,
                       reinterpret_cast<BYTE*>(command), &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  return command_names_program(command, program.path);
}

// The first byte of the record for the name; 0 where there is none.
BYTE recorded_choice(const ProgramFile& program) {
  const RegistryKey approved = open_key(kApprovedKey, KEY_QUERY_VALUE);
  if (!approved) return 0;
  BYTE record[64] = {};
  DWORD type = 0;
  DWORD bytes = sizeof record;
  if (RegQueryValueExW(approved.get(), program.value_name, nullptr, &type, record, &bytes) !=
          ERROR_SUCCESS ||
      type != REG_BINARY || bytes == 0) {
    return 0;
  }
  return record[0];
}

void delete_value(const wchar_t* subkey, const wchar_t* name) {
  const RegistryKey key = open_key(subkey, KEY_SET_VALUE);
  if (key) RegDeleteValueW(key.get(), name);
}

}  // namespace

bool starts_with_windows() {
  const ProgramFile program;
  return run_value_names(program) && recorded_choice(program) != kDisabled;
}

void start_with_windows() {
  const ProgramFile program;
  if (program.path[0] == L'\0') return;
  const RegistryKey run = create_key(kRunKey);
  if (!run) return;
  // As Windows' own entries are: the full path in double quotes.
  wchar_t command[MAX_PATH + 3] = {L'"'};
  const std::size_t length = std::wcslen(program.path);
  std::wmemcpy(command + 1, program.path, length);
  command[length + 1] = L'"';
  if (RegSetValueExW(
          run.get(), program.value_name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
          static_cast<DWORD>((std::wcslen(command) + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
    return;
  }
  if (recorded_choice(program) != kDisabled) return;
  const RegistryKey approved = create_key(kApprovedKey);
  const BYTE enabled[kRecordBytes] = {kEnabled};
  if (approved) {
    RegSetValueExW(approved.get(), program.value_name, 0, REG_BINARY, enabled, kRecordBytes);
  }
}

void stop_starting_with_windows() {
  const ProgramFile program;
  if (program.path[0] == L'\0') return;
  delete_value(kRunKey, program.value_name);
  delete_value(kApprovedKey, program.value_name);
}

}  // namespace qvutt
