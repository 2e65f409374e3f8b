// The main window's own items in its system menu, below the system's: the
// keyboard's way (Alt+Space) to the About window, the start at sign-in,
// opacity, size, click-through and the place above full-screen windows, since
// a tool window's caption has no icon to click. Their marks are set afresh
// each time the menu opens. The notification icon's menu holds the same
// items, with the same marks, then Exit.
#pragma once

#include <windows.h>

#include <optional>

namespace qvutt {

struct SystemMenuMarks {
  bool starts_with_windows;
  bool click_through;
  bool above_full_screen;
  int opacity;  // percent; an Opacity item carries the bullet only if it matches
  int size;     // percent, likewise for the Size items
};

void add_program_items(HWND window);
void mark_program_items(HMENU menu, const SystemMenuMarks& marks);
// Made afresh for each showing: the system menu owns its submenus.
HMENU make_icon_menu(const SystemMenuMarks& marks);

// The percentage an Opacity item stands for; nothing for any other command.
std::optional<int> opacity_of_command(unsigned command);
// The percentage a Size item stands for; nothing for any other command.
std::optional<int> size_of_command(unsigned command);

}  // namespace qvutt
