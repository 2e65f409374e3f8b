// Libraries the program loads while it runs, taken from the system's own
// folder only: a file of the same name beside a downloaded copy must never
// run inside it.
#pragma once

#include <windows.h>

namespace qvutt {

// The module, loaded for the rest of the run, or null where System32 lacks it.
HMODULE load_system_library(const wchar_t* file_name);

}  // namespace qvutt
