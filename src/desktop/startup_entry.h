// The program among those Windows starts when the user signs in: a value in
// the user's Run key named after the program file (as its settings section
// is), and Windows' own record of the user's choice for it, which Task
// Manager and Settings write. Read afresh on every question: either may
// change while the program runs.
#pragma once

namespace qvutt {

// Whether this program file starts at sign-in: the Run value names it, and
// the record does not mark it disabled.
bool starts_with_windows();

// Writes the Run value (the path in double quotes), replacing one that names
// another file, and clears a disabled mark. A failed write changes nothing.
void start_with_windows();

// Deletes the program's own Run value and its record; nothing else.
void stop_starting_with_windows();

}  // namespace qvutt
