// What a value among the programs Windows starts at sign-in holds: a command
// line, whose program is this one or another; and what Task Manager's record
// beside it says of it.
#pragma once

#include <cstddef>
#include <string_view>

namespace qvutt {

// Whether command starts program_path: the path in double quotes, or bare,
// alone or followed by arguments. Windows' file names ignore case; this
// compares ASCII letters without it and any other character exactly.
bool command_names_program(std::wstring_view command, std::wstring_view program_path);

// Task Manager's record for an entry (StartupApproved): its first byte holds
// the user's choice in its low bit, set while disabled (Windows writes 02 or
// 06 for on, 03 or 07 for off); the rest is the time it was disabled. An
// empty record disables nothing.
bool record_disables(const unsigned char* record, std::size_t size);

// The first byte of a record that enables the entry again: only the choice
// changes, the other bits stay as Windows wrote them.
unsigned char enabling_choice(unsigned char first_byte);

}  // namespace qvutt
