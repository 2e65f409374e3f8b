// A user who has the program start at sign-in from its system menu, and
// whose moved window keeps its place though the program never closes.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

// A program's entries for a start at sign-in: the Run value's text, then
// Task Manager's record; "(none)" for one that is missing.
std::wstring entries_of(const wchar_t* name) {
  const auto entry = [&](const wchar_t* key) {
    Settings values = values_in(key);
    return values.count(name) != 0 ? values[name] : L"(none)";
  };
  return entry(kRunKey) + L" | " + entry(kApprovedKey);
}

// Neither program has an entry at the start: the session guard puts the
// sign-in entries back as they were after every run. Another program's is
// set meanwhile, and must stay as it is.
TEST(AtHomeOnTheDesktop, StartsWithWindowsWhenAskedAndKeepsAMoveThroughACrash) {
  const wchar_t other_tool[] = L"\"C:\\Tools\\other.exe\" /tray";
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kTestOtherTool, REG_SZ, other_tool,
                  sizeof other_tool);
  disable_as_task_manager_does(kTestOtherTool);
  Program program;
  program.start();
  const HWND main = program.main_window();
  const std::wstring quoted_path = L"\"" + program.executable() + L"\"";

  // Alt+Space, W: it starts at sign-in, as Windows' own entries do.
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), quoted_path + L" | (none)");

  // Disabled in Task Manager, it shows unchecked: choosing it undoes that.
  disable_as_task_manager_does(kTestProgram);
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), quoted_path + L" | (binary 2)");

  // Checked, choosing it removes both.
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), L"(none) | (none)");

  // An entry of its name for another copy is no entry of its own: replaced.
  const wchar_t old_copy[] = L"\"C:\\Old\\QV-UTT-V1.exe\"";
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kTestProgram, REG_SZ, old_copy, sizeof old_copy);
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(entries_of(kTestProgram), quoted_path + L" | (none)");
  EXPECT_EQ(entries_of(kTestOtherTool), std::wstring(other_tool) + L" | (binary 3)");

  // Dragged by its caption, then ended by force: the move is kept.
  drag_by_caption(main, 80, 40);
  const Placement moved = placement_of(main);
  ASSERT_EQ(moved[0], 67 + 80);
  program.kill();
  EXPECT_EQ(program.stored(), (Settings{{L"MAIN_Left", std::to_wstring(moved[0] * 15)},
                                        {L"MAIN_Top", std::to_wstring(moved[1] * 15)}}));
}

}  // namespace
}  // namespace qvutt::e2e
