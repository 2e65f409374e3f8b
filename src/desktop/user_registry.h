// The current user's part of the registry as the program reaches it: keys
// under HKEY_CURRENT_USER, each with one owner, and the running program file,
// whose base name its settings section and its entry at sign-in go by.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace qvutt {

// The key opened with access; empty where it is not there or not allowed.
RegistryKey open_user_key(const wchar_t* subkey, REGSAM access);

// The key, made where it is missing, for writing values; empty where it
// cannot be.
RegistryKey create_user_key(const wchar_t* subkey);

struct ProgramFile {
  ProgramFile();

  wchar_t path[MAX_PATH] = {};
  // Its base name, without folder or extension: a renamed copy has its own.
  wchar_t name[MAX_PATH] = {};
  // False where the path was longer than MAX_PATH and came back cut.
  bool whole = false;
};

}  // namespace qvutt
