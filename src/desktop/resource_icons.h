// The program's icons (its own and the logo) at the pixel sizes its windows
// ask for. Each size is loaded once and kept for the run: loading an icon
// anew on every DPI change and About window, and destroying the last one,
// costs memory that Wine never gives back (measured: about 170 bytes a load).
#pragma once

#include <windows.h>

namespace qvutt {

// The icon resource id at size x size pixels; the program keeps it, so the
// caller never destroys it.
HICON resource_icon(int id, int size);

}  // namespace qvutt
