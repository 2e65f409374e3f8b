// A user who has the program start at sign-in from its system menu, and
// whose moved window keeps its place though the program never closes.
#include <gtest/gtest.h>

#include <string>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// A value's text, "(binary N)" for a record whose first byte is N, "(none)".
std::wstring value_of(const wchar_t* key, const wchar_t* name) {
  BYTE data[512] = {};
  DWORD type = 0;
  DWORD bytes = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, data, &bytes) !=
      ERROR_SUCCESS) {
    return L"(none)";
  }
  if (type == REG_BINARY) return L"(binary " + std::to_wstring(data[0]) + L")";
  return reinterpret_cast<const wchar_t*>(data);
}

void set_text(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// What Task Manager writes when the user disables an entry: 3, then the time.
void disable_as_task_manager_does(const wchar_t* name) {
  BYTE record[12] = {3, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, name, REG_BINARY, record, sizeof record);
}

// Both programs' entries gone, before and after: another program's is set
// meanwhile, and must stay as it is.
struct StartupEntries {
  StartupEntries() { clear(); }
  ~StartupEntries() { clear(); }
  static void clear() {
    for (const wchar_t* key : {kRunKey, kApprovedKey}) {
      for (const wchar_t* name : {L"QV-UTT-V1", L"OtherTool"}) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name);
      }
    }
  }
};

TEST(AtHomeOnTheDesktop, StartsWithWindowsWhenAskedAndKeepsAMoveThroughACrash) {
  const StartupEntries entries;
  set_text(kRunKey, L"OtherTool", L"\"C:\\Tools\\other.exe\" /tray");
  disable_as_task_manager_does(L"OtherTool");
  Program program;
  program.start();
  const HWND main = program.main_window();
  const std::wstring quoted_path = L"\"" + program.executable() + L"\"";

  // Alt+Space, W: it starts at sign-in, as Windows' own entries do.
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(value_of(kRunKey, L"QV-UTT-V1"), quoted_path);
  EXPECT_EQ(value_of(kApprovedKey, L"QV-UTT-V1"), L"(none)");

  // Disabled in Task Manager, it shows unchecked: choosing it undoes that.
  disable_as_task_manager_does(L"QV-UTT-V1");
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(value_of(kRunKey, L"QV-UTT-V1"), quoted_path);
  EXPECT_EQ(value_of(kApprovedKey, L"QV-UTT-V1"), L"(binary 2)");

  // Checked, choosing it removes both.
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(value_of(kRunKey, L"QV-UTT-V1"), L"(none)");
  EXPECT_EQ(value_of(kApprovedKey, L"QV-UTT-V1"), L"(none)");

  // An entry of its name for another copy is no entry of its own: replaced.
  set_text(kRunKey, L"QV-UTT-V1", L"\"C:\\Old\\QV-UTT-V1.exe\"");
  choose_in_system_menu(main, {'W'});
  EXPECT_EQ(value_of(kRunKey, L"QV-UTT-V1"), quoted_path);
  EXPECT_EQ(value_of(kRunKey, L"OtherTool"), L"\"C:\\Tools\\other.exe\" /tray");
  EXPECT_EQ(value_of(kApprovedKey, L"OtherTool"), L"(binary 3)");

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
