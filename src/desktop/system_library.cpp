#include "desktop/system_library.h"

#include <cwchar>

namespace qvutt {

HMODULE load_system_library(const wchar_t* file_name) {
  const HMODULE module = LoadLibraryExW(file_name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Windows 7 without update KB2533623 knows no search flags and refuses
  // them; a full path searches no other folder there either, and the altered
  // search path looks for the library's own imports in System32 before the
  // program's folder.
  if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
  const std::size_t name = std::wcslen(file_name);
  if (folder == 0 || folder + 1 + name >= MAX_PATH) return nullptr;
  path[folder] = L'\\';
  std::wmemcpy(path + folder + 1, file_name, name + 1);
  return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void search_system_folder_only() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  // Looked up: Windows 7 without the update has no such call, and the
  // program must still start there.
  const auto set_default_folders =
      reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(
          GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set_default_folders != nullptr) set_default_folders(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace qvutt
