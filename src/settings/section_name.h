#pragma once

#include <string_view>

namespace qvutt {

// The settings section of a program file: its base name without directory or
// extension, so a renamed copy keeps settings of its own.
std::wstring_view section_from_executable_path(std::wstring_view path);

}  // namespace qvutt
