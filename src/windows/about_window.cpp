#include "windows/about_window.h"

#include "controls/control_ids.h"
#include "controls/focusable_label.h"
#include "desktop/registry_store.h"

namespace qvutt {

namespace {

using namespace about_window;

constexpr wchar_t kCaption[] = L"QV-UPTIME-TIMER - ABOUT";
constexpr wchar_t kContactAddress[] = L"zerbold93@example.com";
constexpr double kLabelPoints = 9.75;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = WS_EX_APPWINDOW;

// The stored size is the outer frame's, measured on a 19-pixel caption and
// 3-pixel borders at 96 dpi: 90 twips wide and 375 high around the client area.
constexpr TwipSize kDesignFrame{90, 375};

// Every label is one line of centred text in a box, 375 twips high.
constexpr ControlLayout label(int id, const wchar_t* text, int left, int top, int width,
                              DWORD style = 0) {
  return {id, L"STATIC", text, SS_CENTER | WS_BORDER | style, 0, left, top, width, 375};
}

// Client-area layout in twips, in tab order: the button takes the focus first.
constexpr ControlLayout kControls[] = {
    {kOkButton, L"BUTTON", L"OK", BS_PUSHBUTTON | WS_TABSTOP, 0, 3000, 1680, 1935, 615},
    label(kTitle1Label, L"QUELVARO", 120, 120, 1935),
    // The keyboard reaches it too, for the address (Enter, as a double-click).
    label(kCreatorLabel, L"Created By Zerbold93", 120, 600, 5175, SS_NOTIFY | WS_TABSTOP),
    label(kVersionLabel, L"Version 1.0", 2760, 1080, 2535),
    label(kFreewareLabel, L"Freeware", 120, 1080, 2535),
    label(kTitle2Label, L"QV-UPTIME-TIMER", 3240, 120, 2055),
    label(kTitle3Label, L"QV-UTT", 2160, 120, 975),
    always_on_top_check_box(kAlwaysOnTopCheckBox, 600, 1800, WS_TABSTOP),
};

bool is_label(int id) {
  return id != kOkButton && id != kAlwaysOnTopCheckBox;
}

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance)
    : instance_(instance), face_(kControls, kLabelPoints, is_label, kDesignFrame) {
  register_window_class(instance, kAboutWindowClass, window_procedure);
}

void AboutWindow::show_modal(HWND owner) {
  if (hwnd_ != nullptr) return;
  owner_ = owner;
  RegistryStore store;
  const RECT frame = face_.place(store, kAboutWindowKeys, kStyle, kExtendedStyle);
  if (CreateWindowExW(kExtendedStyle, kAboutWindowClass, kCaption, kStyle, frame.left, frame.top,
                      frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance_,
                      this) == nullptr) {
    return;
  }
  EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(GetDlgItem(hwnd_, kOkButton));
  run_modal_loop();
}

void AboutWindow::close() {
  if (hwnd_ != nullptr) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void AboutWindow::show_with_owner(bool shown) {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

LRESULT AboutWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kAlwaysOnTopCheckBox && HIWORD(wparam) == BN_CLICKED) {
        on_check_box_click();
      }
      if (LOWORD(wparam) == kOkButton && HIWORD(wparam) == BN_CLICKED) on_ok_click();
      if (LOWORD(wparam) == kCreatorLabel && HIWORD(wparam) == STN_DBLCLK) {
        on_creator_double_click();
      }
      return 0;
    case kLabelObjectRequest:
      return on_creator_object_request(reinterpret_cast<HWND>(lparam), wparam);
    default:
      return default_handling(message, wparam, lparam);
  }
}

void AboutWindow::on_load() {
  const WindowSettings& settings = face_.load(hwnd_);
  face_.show_icons();
  make_focusable_label(hwnd_, kCreatorLabel);
  if (settings.always_on_top != check_box_value(hwnd_, kAlwaysOnTopCheckBox)) {
    set_check_box_value(hwnd_, kAlwaysOnTopCheckBox, settings.always_on_top);
    mirror_choice_into_owner();
  }
}

void AboutWindow::on_check_box_click() {
  toggle_check_box(hwnd_, kAlwaysOnTopCheckBox);
  mirror_choice_into_owner();
}

void AboutWindow::on_ok_click() {
  save_settings();
  close();
}

void AboutWindow::on_creator_double_click() {
  SetDlgItemTextW(hwnd_, kCreatorLabel, kContactAddress);
}

LRESULT AboutWindow::on_creator_object_request(HWND creator, WPARAM wparam) {
  return creator_object_.answer(creator, wparam);
}

void AboutWindow::on_move_finished() {
  // Kept at once, as a close keeps it: a crash would otherwise lose the move.
  RegistryStore store;
  face_.save_position(store, kAboutWindowKeys);
}

void AboutWindow::on_close() {
  save_settings();
  // The owner must take input again before this window goes, or the system
  // would hand the activation to some other program's window.
  EnableWindow(owner_, TRUE);
  // The next showing makes a creator line of its own.
  creator_object_.disconnect();
  DestroyWindow(hwnd_);
}

void AboutWindow::on_session_end() {
  save_settings();
}

LRESULT AboutWindow::on_label_colours(HDC dc, HWND label) {
  if (is_label(GetDlgCtrlID(label))) return face_.paint_display(dc);
  return default_handling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(label));
}

void AboutWindow::on_erase_background(HDC dc) {
  face_.erase_background(dc);
}

void AboutWindow::on_system_colours_changed() {
  face_.follow_system_colours();
}

bool AboutWindow::on_dialog_key(const MSG& key) {
  if (key.message != WM_KEYDOWN || !IsChild(hwnd_, key.hwnd)) return false;
  // A control that wants the key (Enter on the creator line) has it.
  if (SendMessageW(key.hwnd, WM_GETDLGCODE, key.wParam, reinterpret_cast<LPARAM>(&key)) &
      DLGC_WANTMESSAGE) {
    return false;
  }
  switch (key.wParam) {
    case VK_TAB:
      show_keyboard_cues(hwnd_);
      SetFocus(GetNextDlgTabItem(hwnd_, key.hwnd, GetKeyState(VK_SHIFT) < 0));
      return true;
    case VK_RETURN:
      on_ok_click();
      return true;
    case VK_ESCAPE:
      close();
      return true;
    default:
      return false;
  }
}

SIZE AboutWindow::on_dpi_scaled_size(int dots_per_inch) const {
  return face_.size_at(dots_per_inch);
}

void AboutWindow::on_dpi_changed(int dots_per_inch, const RECT& suggested) {
  face_.change_dpi(dots_per_inch, suggested);
}

void AboutWindow::mirror_choice_into_owner() {
  set_check_box_value(owner_, main_window::kAlwaysOnTopCheckBox,
                      check_box_value(hwnd_, kAlwaysOnTopCheckBox));
}

void AboutWindow::save_settings() {
  RegistryStore store;
  face_.save_position(store, kAboutWindowKeys);
  save_always_on_top(store, check_box_value(hwnd_, kAlwaysOnTopCheckBox));
}

void AboutWindow::run_modal_loop() {
  MSG message{};
  while (hwnd_ != nullptr) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
      return;
    }
    if (on_dialog_key(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace qvutt
