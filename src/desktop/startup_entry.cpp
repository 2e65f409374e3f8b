#include "desktop/startup_entry.h"

#include <windows.h>

#include <cwchar>

#include "desktop/user_registry.h"
#include "settings/startup_command.h"

namespace qvutt {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

constexpr DWORD kRecordBytes = 12;

// The Run value's command names this file. A value of another type, or too
// long for a path, names nothing.
bool run_value_names(const ProgramFile& program) {
  const RegistryKey run = open_user_key(kRunKey, KEY_QUERY_VALUE);
  if (!run) return false;
  wchar_t command[2 * MAX_PATH + 2] = {};  // zeroed, one longer than is read
  DWORD type = 0;
  DWORD bytes = sizeof command - sizeof(wchar_t);
  if (RegQueryValueExW(run.get(), program.name, nullptr, &type, reinterpret_cast<BYTE*>(command),
                       &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  // A cut path names no file, so no entry is taken for this program's.
  return program.whole && command_names_program(command, program.path);
}

// Task Manager's record for the name: its first byte, and whether it
// disables the entry. One of another type, or none, disables nothing.
struct Record {
  BYTE first;
  bool disables;
};
Record recorded_choice(const ProgramFile& program) {
  const RegistryKey approved = open_user_key(kApprovedKey, KEY_QUERY_VALUE);
  BYTE record[64] = {};
  DWORD type = 0;
  DWORD bytes = sizeof record;
  if (!approved ||
      RegQueryValueExW(approved.get(), program.name, nullptr, &type, record, &bytes) !=
          ERROR_SUCCESS ||
      type != REG_BINARY) {
    return {0, false};
  }
  return {record[0], record_disables(record, bytes)};
}

void delete_value(const wchar_t* subkey, const wchar_t* name) {
  const RegistryKey key = open_user_key(subkey, KEY_SET_VALUE);
  if (key) RegDeleteValueW(key.get(), name);
}

}  // namespace

bool starts_with_windows() {
  const ProgramFile program;
  return run_value_names(program) && !recorded_choice(program).disables;
}

void start_with_windows() {
  // A cut path would make an entry for a file that is not there.
  const ProgramFile program;
  if (!program.whole) return;
  const RegistryKey run = create_user_key(kRunKey);
  if (!run) return;
  // As Windows' own entries are: the full path in double quotes.
  wchar_t command[MAX_PATH + 3] = {L'"'};
  const std::size_t length = std::wcslen(program.path);
  std::wmemcpy(command + 1, program.path, length);
  command[length + 1] = L'"';
  if (RegSetValueExW(run.get(), program.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                     static_cast<DWORD>((length + 3) * sizeof(wchar_t))) != ERROR_SUCCESS) {
    return;
  }
  const Record recorded = recorded_choice(program);
  if (!recorded.disables) return;
  const RegistryKey approved = create_user_key(kApprovedKey);
  const BYTE enabled[kRecordBytes] = {enabling_choice(recorded.first)};
  if (approved) {
    RegSetValueExW(approved.get(), program.name, 0, REG_BINARY, enabled, kRecordBytes);
  }
}

void stop_starting_with_windows() {
  // A cut path's base name may be another program's entry.
  const ProgramFile program;
  if (!program.whole) return;
  delete_value(kRunKey, program.name);
  delete_value(kApprovedKey, program.name);
}

}  // namespace qvutt
