// Libraries the process loads while it runs, taken from the system's own
// folder only: a file of the same name beside a downloaded copy must never
// run inside it, whoever loads it.
#pragma once

#include <windows.h>

namespace qvutt {

// The module, loaded for the rest of the run, or null where System32 lacks it.
HMODULE load_system_library(const wchar_t* file_name);

// Makes System32 the process's only folder for every later load by name with
// the default search: the system's own components' loads too, and the
// libraries they import, which the program's own calls cannot reach. Where
// the system cannot say so (Windows 7 without KB2533623), nothing changes.
void search_system_folder_only();

}  // namespace qvutt
