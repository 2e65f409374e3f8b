// What a value among the programs Windows starts at sign-in holds: a command
// line, whose program is this one or another.
#pragma once

#include <string_view>

namespace qvutt {

// Whether command starts program_path: the path in double quotes, or bare,
// alone or followed by arguments. Windows' file names ignore case; this
// compares ASCII letters without it and any other character exactly.
bool command_names_program(std::wstring_view command, std::wstring_view program_path);

}  // namespace qvutt
