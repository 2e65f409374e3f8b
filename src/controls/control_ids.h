// Identifiers of the windows' controls, timers and commands, shared with the
// tests that drive the program from outside.
#pragma once

namespace qvutt {

inline constexpr wchar_t kMainWindowClass[] = L"QV_UTT_MAIN";
inline constexpr wchar_t kAboutWindowClass[] = L"QV_UTT_ABOUT";

namespace main_window {
enum ControlId : int {
  kLogoPicture = 101,  // QV_PIC
  kDaysHeadLabel,      // Label2
  kDaysTotalLabel,
  kHoursHeadLabel,
  kMinsHeadLabel,
  kSecsHeadLabel,
  kUptimeLabel,
  kAlwaysOnTopCheckBox,
};
enum TimerId : unsigned {
  kUptimeTimer = 1,
  kAlwaysOnTopTimer = 2,
};
// In the system menu, whose own commands keep the low four bits of their ids.
inline constexpr unsigned kAboutCommand = 0x0010;
inline constexpr unsigned kStartWithWindowsCommand = 0x0020;
}  // namespace main_window

namespace about_window {
enum ControlId : int {
  kTitle1Label = 201,
  kTitle3Label,
  kTitle2Label,
  kCreatorLabel,
  kVersionLabel,
  kFreewareLabel,
  kAlwaysOnTopCheckBox,
  kOkButton,
};
}  // namespace about_window

}  // namespace qvutt
