// QV_UTT_ABOUT: the product texts and the always-on-top choice, shown modal to
// the main window. The object lasts; its window is made on every showing and
// gone after every close.
#pragma once

#include <windows.h>

#include "accessibility/label_button_accessible.h"
#include "controls/controls.h"
#include "windows/window_base.h"
#include "windows/window_face.h"

namespace qvutt {

class AboutWindow : public WindowBase<AboutWindow> {
 public:
  explicit AboutWindow(HINSTANCE instance);

  // Loads and shows the window modal to owner; returns once it has closed.
  void show_modal(HWND owner);
  // Closes the window as its close box would, if it is open.
  void close();
  // Hides the open window, or shows it again without the focus, as the main
  // window steps aside and comes back: still open, still modal, as it was.
  void show_with_owner(bool shown);

 private:
  friend WindowBase<AboutWindow>;
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

  void on_load();
  void on_check_box_click();
  void on_ok_click();
  void on_creator_double_click();
  LRESULT on_creator_object_request(HWND creator, WPARAM wparam);
  void on_move_finished();
  void on_close();
  void on_session_end();
  LRESULT on_label_colours(HDC dc, HWND label);
  void on_erase_background(HDC dc);
  SIZE on_dpi_scaled_size(int dots_per_inch) const;
  void on_dpi_changed(int dots_per_inch, const RECT& suggested);
  void on_system_colours_changed();
  // Tab, Enter (OK) and Escape (the close box), as in a dialog box; false
  // for any other message.
  bool on_dialog_key(const MSG& key);

  void mirror_choice_into_owner();
  void save_settings();
  void run_modal_loop();

  HINSTANCE instance_;
  HWND owner_ = nullptr;
  WindowFace face_;
  LabelButtonAccessible creator_object_;
};

}  // namespace qvutt
