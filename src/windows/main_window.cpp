#include "windows/main_window.h"

#include <shellapi.h>

#include "clock/tick_schedule.h"
#include "controls/control_ids.h"
#include "controls/focusable_label.h"
#include "desktop/dpi.h"
#include "desktop/registry_store.h"
#include "desktop/resource_icons.h"
#include "desktop/startup_entry.h"
#include "desktop/topmost_keeper.h"
#include "resource_ids.h"
#include "settings/see_through_settings.h"
#include "win32/startup_marks.h"

namespace qvutt {

namespace {

using namespace main_window;

constexpr wchar_t kCaption[] = L"QV-UPTIME-TIMER - QV-UTT";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
constexpr UINT kForegroundChanged = WM_APP + 1;
constexpr UINT kTickMilliseconds = 1000;
constexpr double kDisplayPoints = 18;
constexpr int kSmallIconTwips = 240;  // the notification area's, 16 pixels at 96 dpi

// The stored size is the outer frame's, measured on a 16-pixel tool caption
// and 3-pixel borders at 96 dpi: 90 twips wide and 330 high around the client area.
constexpr TwipSize kDesignFrame{90, 330};

// Short: the README says how to free the key.
constexpr wchar_t kHotKeyTakenText[] =
    L"Click Through stays off: another program holds Ctrl+Alt+Shift+U, the key that turns it "
    L"off again.";

constexpr DWORD kDisplayStyle = SS_CENTER | WS_BORDER;
// Each head overlaps its display by 15 twips. The displays come first in the
// table, above the heads in the z-order, and the heads clip to them: the
// displays' borders show whole, whichever control repaints last.
constexpr DWORD kHeadStyle = SS_LEFT | WS_CLIPSIBLINGS;

// Client-area layout in twips, top of the z-order first.
constexpr ControlLayout kControls[] = {
    {kDaysTotalLabel, L"STATIC", L"0", kDisplayStyle, 0, 600, 240, 975, 495},
    {kUptimeLabel, L"STATIC", L"00:00:00", kDisplayStyle, 0, 1680, 240, 1695, 495},
    // Its text is never drawn: it is the name a screen reader gives it.
    {kLogoPicture, L"STATIC", L"About QV-UTT", SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 120, 240, 420, 420},
    {kDaysHeadLabel, L"STATIC", L"Days", kHeadStyle, 0, 960, 0, 375, 255},
    {kHoursHeadLabel, L"STATIC", L"Hours", kHeadStyle, 0, 1800, 0, 495, 255},
    {kMinsHeadLabel, L"STATIC", L"Mins", kHeadStyle, 0, 2400, 0, 375, 255},
    {kSecsHeadLabel, L"STATIC", L"Secs", kHeadStyle, 0, 2880, 0, 375, 255},
    // Below the strip the window shows: the keyboard must never land there.
    always_on_top_check_box(kAlwaysOnTopCheckBox, 360, 1920, 0),
};

// The notification area's own scale: its taskbar's, on the primary monitor.
HICON notification_image() {
  return resource_icon(IDI_APP, primary_monitor_scale().pixels(kSmallIconTwips));
}

bool is_display(int id) {
  return id == kDaysTotalLabel || id == kUptimeLabel;
}

// The logo is drawn for 100%, 125%, 150% and 200%, 24 pixels square at 96 dpi.
constexpr int kLogoTwips = 360;
constexpr int kLogoSizes[] = {24, 30, 36, 48};

}  // namespace

MainWindow::MainWindow() : face_(kControls, kDisplayPoints, is_display, kDesignFrame) {}

bool MainWindow::create(HINSTANCE instance) {
  instance_ = instance;
  if (!register_window_class(instance, kMainWindowClass, window_procedure)) return false;
  mark_startup("class registered");
  // Made where its settings put it: on a monitor of the screen's scale it
  // then stands where it will show, and nothing moves it.
  RegistryStore store;
  face_.resize(load_size(store));
  const RECT frame = face_.place(store, kMainWindowKeys, kStyle, kExtendedStyle);
  mark_startup("settings");
  if (CreateWindowExW(kExtendedStyle, kMainWindowClass, kCaption, kStyle, frame.left, frame.top,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                      instance, this) == nullptr) {
    return false;
  }
  mark_startup("window created");
  prepare_first_show(store);
  add_program_items(hwnd_);
  mark_startup("system menu");
  // Started during full-screen work, it shows when that ends.
  if (!aside_) ShowWindow(hwnd_, SW_SHOW);
  mark_startup("shown");
  // A timer is due only once no window of the thread waits to paint: the
  // icon comes after the first paint, off the start-up path.
  SetTimer(hwnd_, kFirstPaintTimer, 0, nullptr);
  return true;
}

LRESULT MainWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == taskbar_created_ && message != 0) {  // 0 where it could not be registered
    on_taskbar_created();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wparam == kUptimeTimer) on_uptime_tick();
      if (wparam == kAlwaysOnTopTimer) on_always_on_top_tick();
      if (wparam == kFirstPaintTimer) on_first_paint_done();
      return 0;
    case kNotificationIconMessage:
      // Version 4: the event in the low word, the anchor in wparam.
      if (LOWORD(lparam) == NIN_SELECT || LOWORD(lparam) == NIN_KEYSELECT) on_icon_chosen();
      if (LOWORD(lparam) == WM_CONTEXTMENU) {
        on_icon_menu(static_cast<short>(LOWORD(wparam)), static_cast<short>(HIWORD(wparam)));
      }
      return 0;
    case WM_SYSCOMMAND:
      if (run_menu_command(static_cast<unsigned>(wparam & 0xFFF0))) return 0;
      return default_handling(message, wparam, lparam);
    case WM_HOTKEY:
      if (wparam == SeeThrough::kHotKeyId) on_click_through_key();
      return 0;
    case kForegroundChanged:
      on_foreground_change();
      return 0;
    case WM_INITMENUPOPUP:
      if (HIWORD(lparam)) on_system_menu_opening();
      return default_handling(message, wparam, lparam);
    case WM_COMMAND:
      // Under Wine a choice in the system menu's submenu comes this way.
      if (lparam == 0 && run_menu_command(LOWORD(wparam))) return 0;
      if (LOWORD(wparam) == kLogoPicture && HIWORD(wparam) == STN_DBLCLK) on_logo_double_click();
      if (LOWORD(wparam) == kAlwaysOnTopCheckBox && HIWORD(wparam) == BN_CLICKED) {
        on_check_box_click();
      }
      return 0;
    case WM_DRAWITEM:
      on_draw_logo(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_SETFOCUS:
      on_activation_focus();
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) != OBJID_CLIENT)
        return default_handling(message, wparam, lparam);
      return on_accessible_object_request(wparam);
    case kLabelObjectRequest:
      return on_logo_object_request(reinterpret_cast<HWND>(lparam), wparam);
    case WM_DESTROY:
      icon_.reset();
      accessible_.disconnect();
      logo_object_.disconnect();
      PostQuitMessage(0);
      return 0;
    default:
      return default_handling(message, wparam, lparam);
  }
}

void MainWindow::on_load() {
  const WindowSettings& settings = face_.load(hwnd_);
  load_logo(face_.contents_scale());
  mark_startup("logo");
  make_focusable_label(hwnd_, kLogoPicture);
  set_check_box_value(hwnd_, kAlwaysOnTopCheckBox, settings.always_on_top);
  SetTimer(hwnd_, kAlwaysOnTopTimer, kTickMilliseconds, nullptr);
  SetTimer(hwnd_, kUptimeTimer, kTickMilliseconds, nullptr);
  started_.restart();
  uptime_.reset();
  keeper_on_ = check_box_value(hwnd_, kAlwaysOnTopCheckBox) == kChecked;
  if (!keeper_on_) KillTimer(hwnd_, kAlwaysOnTopTimer);
  mark_startup("timers");
}

void MainWindow::prepare_first_show(SettingsStore& store) {
  above_full_screen_ = load_above_full_screen(store);
  // Without the keeper the window is not topmost, and no full screen is its affair.
  if (keeper_on_) {
    full_screen_.emplace(hwnd_, kForegroundChanged);
    mark_startup("dwmapi");
    aside_ = !above_full_screen_ && full_screen_->in_view();
  }
  mark_startup("full-screen check");
  see_through_.emplace(hwnd_);
  see_through_->set_opacity(load_opacity(store));
  // With the key held elsewhere the window simply takes its own clicks; the
  // stored choice stays for a later start.
  if (load_click_through(store)) see_through_->set_click_through(true);
  mark_startup("opacity, click-through");
}

void MainWindow::on_uptime_tick() {
  // One reading for both: the seconds counted and the next one due agree.
  const std::int64_t elapsed = started_.elapsed_microseconds();
  rearm_on_next_second(kUptimeTimer, elapsed);
  const UptimeTexts before{ClockText(control_text(hwnd_, kUptimeLabel).view()),
                           DayCountText(control_text(hwnd_, kDaysTotalLabel).view())};
  UptimeTexts shown = before;
  // Every second due since the last tick: a thread held up loses none.
  uptime_.tick_at(elapsed, shown);
  // Only a display whose text changed is repainted, and told to a screen reader.
  if (shown.time != before.time.view()) show(kUptimeLabel, UptimeAccessible::kTime, shown.time);
  if (shown.days != before.days.view())
    show(kDaysTotalLabel, UptimeAccessible::kDayCount, shown.days);
}

void MainWindow::on_always_on_top_tick() {
  // A tick posted from outside must not set going a keeper the load left off.
  if (!keeper_on_) return;
  rearm_on_next_second(kAlwaysOnTopTimer, started_.elapsed_microseconds());
  // Full screen comes first: while aside, the keeper neither demotes the
  // window in front (a game may have made itself topmost) nor promotes this one.
  if (!follow_full_screen()) keep_on_top(hwnd_);
}

void MainWindow::on_logo_double_click() {
  open_about_window();
}

void MainWindow::on_about_command() {
  open_about_window();
}

void MainWindow::on_system_menu_opening() {
  mark_program_items(GetSystemMenu(hwnd_, FALSE), program_marks());
}

void MainWindow::on_start_with_windows_command() {
  if (starts_with_windows()) {
    stop_starting_with_windows();
  } else {
    start_with_windows();
  }
}

void MainWindow::on_opacity_command(int percent) {
  see_through_->set_opacity(percent);
  RegistryStore store;
  save_opacity(store, percent);
}

void MainWindow::on_size_command(int percent) {
  face_.resize(percent);
  load_logo(face_.contents_scale());
  RegistryStore store;
  save_size(store, percent);
  // Moved in to stay whole on its monitor, it stands elsewhere now.
  face_.save_position(store, kMainWindowKeys);
}

void MainWindow::on_click_through_command() {
  const bool on = !see_through_->click_through();
  if (!see_through_->set_click_through(on)) {
    MessageBoxW(hwnd_, kHotKeyTakenText, kCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  RegistryStore store;
  save_click_through(store, on);
}

void MainWindow::on_click_through_key() {
  see_through_->set_click_through(false);
  RegistryStore store;
  save_click_through(store, false);
}

void MainWindow::on_above_full_screen_command() {
  above_full_screen_ = !above_full_screen_;
  RegistryStore store;
  save_above_full_screen(store, above_full_screen_);
  if (keeper_on_) follow_full_screen();
}

void MainWindow::on_foreground_change() {
  // Most full-screen work starts or ends with a change of the foreground:
  // seen at once, not at the keeper's next second.
  if (keeper_on_) follow_full_screen();
}

void MainWindow::on_first_paint_done() {
  KillTimer(hwnd_, kFirstPaintTimer);
  mark_startup("first paint", true);
  face_.show_icons();
  // Heard only once there is an icon to send again.
  taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
  // Run as administrator, it would never hear it from the user's own Explorer.
  ChangeWindowMessageFilterEx(hwnd_, taskbar_created_, MSGFLT_ALLOW, nullptr);
  if (full_screen_) full_screen_->listen();
  icon_.emplace(hwnd_, kNotificationIconId, kNotificationIconMessage, notification_image());
}

void MainWindow::on_taskbar_created() {
  // Explorer says so when it starts anew, and when the primary monitor's
  // scale changes, keeping its icons then: either way, at the size of now.
  if (icon_) icon_->send_again(notification_image());
}

void MainWindow::on_icon_chosen() {
  come_to_front();
}

void MainWindow::on_icon_menu(int x, int y) {
  // Windows' pattern for a notification icon's menu: its owner in the
  // foreground first, so that a click elsewhere closes it, and WM_NULL after,
  // so that the next right-click opens it again. The owner may be hidden
  // (aside for full screen), which is how such menus are usually owned; while
  // About is open the main window takes no input, so About owns it.
  const HWND owner = about_ && about_->hwnd() != nullptr ? about_->hwnd() : hwnd_;
  const MenuHandle menu(make_icon_menu(program_marks()));
  SetForegroundWindow(owner);
  const unsigned command = TrackPopupMenu(
      menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  // Closed with Escape or a click elsewhere: the keyboard goes back where it
  // came from, never to a window that may be hidden.
  if (command == 0 && icon_) icon_->give_back_focus();
  // About is a window to see: it comes into view, over full screen too.
  if (command == kAboutCommand) come_to_front();
  if (command == kExitCommand) {
    on_close();
  } else {
    run_menu_command(command);
  }
}

void MainWindow::on_move_finished() {
  // Kept at once: a crash or a forced end would otherwise lose the move.
  save_position();
}

void MainWindow::on_check_box_click() {
  toggle_check_box(hwnd_, kAlwaysOnTopCheckBox);
}

void MainWindow::on_activation_focus() {
  // The logo, the way to the About window: the focus shows where a keyboard
  // user can see it, never on the check box below the visible strip.
  SetFocus(GetDlgItem(hwnd_, kLogoPicture));
}

LRESULT MainWindow::on_accessible_object_request(WPARAM wparam) {
  const LRESULT answer = accessible_.answer(hwnd_, wparam);
  return answer != 0 ? answer : default_handling(WM_GETOBJECT, wparam, OBJID_CLIENT);
}

LRESULT MainWindow::on_logo_object_request(HWND logo, WPARAM wparam) {
  return logo_object_.answer(logo, wparam);
}

void MainWindow::on_system_colours_changed() {
  face_.follow_system_colours();
}

void MainWindow::on_close() {
  // Closing the About window first lets it save as on any other close.
  if (about_) about_->close();
  save_position();
  DestroyWindow(hwnd_);
}

void MainWindow::on_session_end() {
  save_position();
}

LRESULT MainWindow::on_label_colours(HDC dc, HWND label) {
  const int id = GetDlgCtrlID(label);
  if (is_display(id)) return face_.paint_display(dc);
  if (id == kAlwaysOnTopCheckBox) {
    return default_handling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(label));
  }
  return face_.paint_head(dc);
}

void MainWindow::on_draw_logo(const DRAWITEMSTRUCT& item) {
  // Drawn pixel for pixel, centred on the art's own black: a stretched
  // image would blur or step.
  const RECT& area = item.rcItem;
  FillRect(item.hDC, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DrawIconEx(item.hDC, (area.left + area.right - logo_size_) / 2,
             (area.top + area.bottom - logo_size_) / 2, logo_, logo_size_, logo_size_, 0, nullptr,
             DI_NORMAL);
}

void MainWindow::on_erase_background(HDC dc) {
  face_.erase_background(dc);
}

SIZE MainWindow::on_dpi_scaled_size(int dots_per_inch) const {
  return face_.size_at(dots_per_inch);
}

void MainWindow::on_dpi_changed(int dots_per_inch, const RECT& suggested) {
  face_.change_dpi(dots_per_inch, suggested);
  load_logo(face_.contents_scale());
}

SystemMenuMarks MainWindow::program_marks() const {
  // Asked each time: Task Manager or Settings may have changed it meanwhile.
  return {starts_with_windows(), see_through_->click_through(), above_full_screen_,
          see_through_->opacity(), face_.size_percent()};
}

void MainWindow::come_to_front() {
  // Chosen while aside, it comes back over the full-screen window until that
  // spell ends: the user asked to see it. While About is open the main window
  // takes no input, so About, in front of it, is the one made active.
  if (aside_) {
    called_back_ = true;
    set_aside(false);
  }
  // Activated, the main window puts the focus on the logo.
  SetForegroundWindow(about_ && about_->hwnd() != nullptr ? about_->hwnd() : hwnd_);
}

bool MainWindow::run_menu_command(unsigned command) {
  switch (command) {
    case kAboutCommand:
      on_about_command();
      return true;
    case kStartWithWindowsCommand:
      on_start_with_windows_command();
      return true;
    case kClickThroughCommand:
      on_click_through_command();
      return true;
    case kAboveFullScreenCommand:
      on_above_full_screen_command();
      return true;
    default:
      if (const auto percent = opacity_of_command(command)) {
        on_opacity_command(*percent);
        return true;
      }
      if (const auto percent = size_of_command(command)) {
        on_size_command(*percent);
        return true;
      }
      return false;
  }
}

void MainWindow::load_logo(const TwipScale& scale) {
  // The largest drawing that fits the scale; the smallest below 100%.
  logo_size_ = kLogoSizes[0];
  for (const int size : kLogoSizes) {
    if (size <= scale.pixels(kLogoTwips)) logo_size_ = size;
  }
  logo_ = resource_icon(IDI_LOGO, logo_size_);
}

void MainWindow::open_about_window() {
  if (!about_) about_.emplace(instance_);
  about_->show_modal(hwnd_);
}

// Aside while a full-screen window is in view on this monitor, unless the
// user keeps the window above; back when it ends. True while aside.
bool MainWindow::follow_full_screen() {
  const bool full_screen = !above_full_screen_ && full_screen_->in_view();
  if (!full_screen) called_back_ = false;
  if (full_screen != aside_ && !called_back_) set_aside(full_screen);
  return aside_;
}

void MainWindow::set_aside(bool aside) {
  // Hidden, it is neither drawn over the full-screen window nor clicked nor
  // activated, whatever that window does with the z-order; the timers go on.
  // Back, it is where it was, on top, and without the focus: the user is busy
  // elsewhere.
  aside_ = aside;
  ShowWindow(hwnd_, aside ? SW_HIDE : SW_SHOWNOACTIVATE);
  if (about_) about_->show_with_owner(!aside);
  if (!aside) keep_on_top(hwnd_);
}

template <std::size_t capacity>
void MainWindow::show(int display, UptimeAccessible::Part part, const FixedText<capacity>& text) {
  set_control_text(hwnd_, display, text.view());
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, part);
}

void MainWindow::rearm_on_next_second(UINT_PTR timer, std::int64_t elapsed_microseconds) {
  // Due again at the next whole second since the start, whatever this tick's
  // delay: left to repeat on its own, the timer would lose every overshoot.
  // Both timers keep the one schedule, so both fall due in one wake-up.
  SetTimer(hwnd_, timer, milliseconds_to_next_tick(elapsed_microseconds), nullptr);
}

void MainWindow::save_position() {
  RegistryStore store;
  face_.save_position(store, kMainWindowKeys);
}

}  // namespace qvutt
