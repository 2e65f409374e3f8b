#include "windows/system_menu.h"

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
constexpr wchar_t kExitText[] = L"E&xit";

struct OpacityChoice {
  unsigned command;
  int percent;
  const wchar_t* text;
};
constexpr OpacityChoice kOpacityChoices[] = {{kOpacity100Command, 100, L"&100%"},
                                             {kOpacity80Command, 80, L"&80%"},
                                             {kOpacity60Command, 60, L"&60%"},
                                             {kOpacity40Command, 40, L"&40%"}};

UINT checked_if(bool condition) {
  return MF_BYCOMMAND | (condition ? MF_CHECKED : MF_UNCHECKED);
}

void append_program_items(HMENU menu) {
  // The submenu belongs to the menu once appended, and goes with it.
  const HMENU opacity = CreatePopupMenu();
  for (const OpacityChoice& choice : kOpacityChoices) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    item.fType = MFT_RADIOCHECK;  // a bullet, not a tick: one choice of several
    item.wID = choice.command;
    item.dwTypeData = const_cast<wchar_t*>(choice.text);
    InsertMenuItemW(opacity, GetMenuItemCount(opacity), TRUE, &item);
  }
  AppendMenuW(menu, MF_STRING, kAboutCommand, kAboutCommandText);
  AppendMenuW(menu, MF_STRING, kStartWithWindowsCommand, kStartWithWindowsText);
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(opacity), kOpacityText);
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
  for (const OpacityChoice& choice : kOpacityChoices) {
    CheckMenuItem(menu, choice.command, checked_if(choice.percent == marks.opacity));
  }
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
  for (const OpacityChoice& choice : kOpacityChoices) {
    if (choice.command == command) return choice.percent;
  }
  return std::nullopt;
}

}  // namespace qvutt
