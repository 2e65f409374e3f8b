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
  kFirstPaintTimer = 3,  // once: due only when no window of the thread waits to paint
};
// In the system menu, whose own commands keep the low four bits of their ids;
// none is a control's id, since a submenu's choice may come as WM_COMMAND.
inline constexpr unsigned kAboutCommand = 0x0010;
inline constexpr unsigned kStartWithWindowsCommand = 0x0020;
inline constexpr unsigned kOpacity100Command = 0x0030;
inline constexpr unsigned kOpacity80Command = 0x0040;
inline constexpr unsigned kOpacity60Command = 0x0050;
inline constexpr unsigned kOpacity40Command = 0x0060;
inline constexpr unsigned kClickThroughCommand = 0x0070;
inline constexpr unsigned kAboveFullScreenCommand = 0x0080;
inline constexpr unsigned kExitCommand = 0x0090;  // the notification icon's menu only
inline constexpr unsigned kSize100Command = 0x0100;
inline constexpr unsigned kSize150Command = 0x0110;
inline constexpr unsigned kSize200Command = 0x0120;
inline constexpr unsigned kSize300Command = 0x0130;
// The notification icon, and the message its events come with (WM_APP + 3;
// + 1 is the foreground watch's, + 2 the labels' object requests).
inline constexpr unsigned kNotificationIconId = 1;
inline constexpr unsigned kNotificationIconMessage = 0x8003;
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
