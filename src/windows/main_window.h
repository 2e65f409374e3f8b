// QV_UTT_MAIN: the small tool window that shows the uptime. It owns the
// uptime counter and both one-second timers, steps aside (with the About
// window) while a full-screen window is in view on its monitor, keeps an icon
// in the notification area as the way back to it, and ends the program when
// it closes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "accessibility/label_button_accessible.h"
#include "accessibility/uptime_accessible.h"
#include "clock/uptime_counter.h"
#include "controls/controls.h"
#include "desktop/full_screen_watch.h"
#include "desktop/monotonic_clock.h"
#include "desktop/notification_icon.h"
#include "desktop/see_through.h"
#include "windows/about_window.h"
#include "windows/system_menu.h"
#include "windows/window_base.h"
#include "windows/window_face.h"

namespace qvutt {

class MainWindow : public WindowBase<MainWindow> {
 public:
  MainWindow();
  // Creates the window, runs its load sequence and shows it.
  bool create(HINSTANCE instance);

 private:
  friend WindowBase<MainWindow>;
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

  void on_load();
  // What must be settled before the window first shows: whether full-screen
  // work is in view (it then waits, hidden), its opacity and its click-through.
  void prepare_first_show(SettingsStore& store);
  void on_uptime_tick();
  void on_always_on_top_tick();
  void on_logo_double_click();
  void on_about_command();
  void on_system_menu_opening();
  void on_start_with_windows_command();
  void on_opacity_command(int percent);
  void on_size_command(int percent);
  void on_click_through_command();
  void on_click_through_key();
  void on_above_full_screen_command();
  void on_foreground_change();
  void on_first_paint_done();
  void on_taskbar_created();
  void on_icon_chosen();
  void on_icon_menu(int x, int y);
  void on_move_finished();
  void on_check_box_click();
  void on_activation_focus();
  LRESULT on_accessible_object_request(WPARAM wparam);
  LRESULT on_logo_object_request(HWND logo, WPARAM wparam);
  void on_system_colours_changed();
  void on_close();
  void on_session_end();
  LRESULT on_label_colours(HDC dc, HWND label);
  void on_draw_logo(const DRAWITEMSTRUCT& item);
  void on_erase_background(HDC dc);
  SIZE on_dpi_scaled_size(int dots_per_inch) const;
  void on_dpi_changed(int dots_per_inch, const RECT& suggested);

  bool run_menu_command(unsigned command);
  SystemMenuMarks program_marks() const;
  void come_to_front();
  void load_logo(const TwipScale& scale);
  void open_about_window();
  bool follow_full_screen();
  void set_aside(bool aside);
  void rearm_on_next_second(UINT_PTR timer, std::int64_t elapsed_microseconds);
  // A display's new text, and the change event for its part.
  template <std::size_t capacity>
  void show(int display, UptimeAccessible::Part part, const FixedText<capacity>& text);
  void save_position();

  HINSTANCE instance_ = nullptr;
  WindowFace face_;
  HICON logo_ = nullptr;
  int logo_size_ = 0;
  UptimeCounter uptime_;
  bool keeper_on_ = false;                      // decided once, at load
  bool above_full_screen_ = false;              // the user's choice: never step aside
  bool aside_ = false;                          // hidden for a full-screen window
  bool called_back_ = false;                    // by its icon, over this full-screen spell
  std::optional<FullScreenWatch> full_screen_;  // while the keeper is on
  MonotonicClock started_;                      // both timers' whole seconds count from here
  std::optional<AboutWindow> about_;            // made on first use
  std::optional<SeeThrough> see_through_;       // made at load, for the window
  UptimeAccessible accessible_;
  LabelButtonAccessible logo_object_;
  UINT taskbar_created_ = 0;              // the shell's word that it has started anew
  std::optional<NotificationIcon> icon_;  // from just after the first paint
};

}  // namespace qvutt
