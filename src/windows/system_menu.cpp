#include "windows/system_menu.h"

#include <cstddef>

#include "controls/control_ids.h"

namespace qvutt {

namespace {

using namespace main_window;

// Q, not A: Wine puts an "&About Wine" item in every system menu.
constexpr wchar_t kAboutCommandText[] = L"About &QV-UTT...";
constexpr wchar_t kStartWithWindowsText[] = L"Start with &Windows";
constexpr wchar_t kOpacityText[] = L"&Opacity";
constexpr wchar_t kClickThroughText[] = L"Click &Through\tCtrl+Alt+Shift+U";
constexpr wchar_t kAboveFullScreenText[] = L"Stay Above &Full Screen";
// Z, not S: the system's own Size item has S.
constexpr wchar_t kSizeText[] = L"Si&ze";
constexpr wchar_t kExitText[] = L"E&xit";

// An item of a submenu of percentages, one of which is in force; its text
// in place, not behind a pointer: a table half the size.
struct PercentChoice {
  unsigned short command;
  short percent;
  wchar_t text[6];
};
constexpr PercentChoice kOpacityChoices[] = {{kOpacity100Command, 100, L"&100%"},
                                             {kOpacity80Command, 80, L"&80%"},
                                             {kOpacity60Command, 60, L"&60%"},
                                             {kOpacity40Command, 40, L"&40%"}};
constexpr PercentChoice kSizeChoices[] = {{kSize100Command, 100, L"&100%"},
                                          {kSize150Command, 150, L"1&50%"},
                                          {kSize200Command, 200, L"&200%"},
                                          {kSize300Command, 300, L"&300%"}};

UINT checked_if(bool condition) {
  return MF_BYCOMMAND | (condition ? MF_CHECKED : MF_UNCHECKED);
}

template <std::size_t count>
void append_choices(HMENU menu, const wchar_t* text, const PercentChoice (&choices)[count]) {
  // The submenu belongs to the menu once appended, and goes with it.
  const HMENU submenu = CreatePopupMenu();
  for (const PercentChoice& choice : choices) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    item.fType = MFT_RADIOCHECK;  // a bullet, not a tick: one choice of several
    item.wID = choice.command;
    item.dwTypeData = const_cast<wchar_t*>(choice.text);
    InsertMenuItemW(submenu, GetMenuItemCount(submenu), TRUE, &item);
  }
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text);
}

template <std::size_t count>
void mark_choices(HMENU menu, const PercentChoice (&choices)[count], int percent) {
  for (const PercentChoice& choice : choices) {
    CheckMenuItem(menu, choice.command, checked_if(choice.percent == percent));
  }
}

template <std::size_t count>
std::optional<int> percent_of(unsigned command, const PercentChoice (&choices)[count]) {
  for (const PercentChoice& choice : choices) {
    if (choice.command == command) return choice.percent;
  }
  return std::nullopt;
}

void append_program_items(HMENU menu) {
  AppendMenuW(menu, MF_STRING, kAboutCommand, kAboutCommandText);
  AppendMenuW(menu, MF_STRING, kStartWithWindowsCommand, kStartWithWindowsText);
  append_choices(menu, kOpacityText, kOpacityChoices);
  append_choices(menu, kSizeText, kSizeChoices);
  AppendMenuW(menu, MF_STRING, kClickThroughCommand, kClickThroughText);
  AppendMenuW(menu, MF_STRING, kAboveFullScreenCommand, kAboveFullScreenText);
}

}  // namespace

void add_program_items(HWND window) {
  const HMENU menu = GetSystemMenu(window, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  append_program_items(menu);
}

void mark_program_items(HMENU menu, const SystemMenuMarks& marks) {
  // By command, the submenu's items are found as well as the menu's own.
  CheckMenuItem(menu, kStartWithWindowsCommand, checked_if(marks.starts_with_windows));
  CheckMenuItem(menu, kClickThroughCommand, checked_if(marks.click_through));
  CheckMenuItem(menu, kAboveFullScreenCommand, checked_if(marks.above_full_screen));
  mark_choices(menu, kOpacityChoices, marks.opacity);
  mark_choices(menu, kSizeChoices, marks.size);
}

HMENU make_icon_menu(const SystemMenuMarks& marks) {
  const HMENU menu = CreatePopupMenu();
  append_program_items(menu);
  mark_program_items(menu, marks);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kExitCommand, kExitText);
  return menu;
}

std::optional<int> opacity_of_command(unsigned command) {
  return percent_of(command, kOpacityChoices);
}

std::optional<int> size_of_command(unsigned command) {
  return percent_of(command, kSizeChoices);
}

}  // namespace qvutt
