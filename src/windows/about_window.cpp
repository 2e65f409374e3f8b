#include "windows/about_window.h"

#include <utility>

#include "settings/registry_store.h"
#include "settings/window_settings.h"
#include "windows/control_ids.h"
#include "windows/dpi.h"

namespace qvutt {

namespace {

using namespace about_window;

constexpr wchar_t kCaption[] = L"QV-UPTIME-TIMER - ABOUT";
constexpr wchar_t kContactAddress[] = L"zerbold93@example.com";
constexpr double kLabelPoints = 9.75;

constexpr DWORD kLabelStyle = SS_CENTER | WS_BORDER;

// Client-area layout in twips, in tab order: the button takes the focus first.
constexpr ControlLayout kControls[] = {
    {kOkButton, L"BUTTON", L"OK", BS_PUSHBUTTON | WS_TABSTOP, 0, 3000, 1680, 1935, 615},
    {kTitle1Label, L"STATIC", L"QUELVARO", kLabelStyle, 0, 120, 120, 1935, 375},
    {kCreatorLabel, L"STATIC", L"Created By Zerbold93", kLabelStyle | SS_NOTIFY, 0, 120, 600, 5175,
     375},
    {kVersionLabel, L"STATIC", L"Version 1.0", kLabelStyle, 0, 2760, 1080, 2535, 375},
    {kFreewareLabel, L"STATIC", L"Freeware", kLabelStyle, 0, 120, 1080, 2535, 375},
    {kTitle2Label, L"STATIC", L"QV-UPTIME-TIMER", kLabelStyle, 0, 3240, 120, 2055, 375},
    {kTitle3Label, L"STATIC", L"QV-UTT", kLabelStyle, 0, 2160, 120, 975, 375},
    {kAlwaysOnTopCheckBox, L"BUTTON", L"Always On Top", BS_3STATE | WS_TABSTOP, 0, 600, 1800, 1455,
     255},
};

bool is_label(int id) {
  return id != kOkButton && id != kAlwaysOnTopCheckBox;
}

bool is_tab_key(const MSG& message) {
  return message.message == WM_KEYDOWN && message.wParam == VK_TAB;
}

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance) : instance_(instance) {
  register_window_class(instance, kAboutWindowClass, window_procedure);
}

void AboutWindow::show_modal(HWND owner) {
  if (hwnd_ != nullptr) return;
  owner_ = owner;
  if (CreateWindowExW(WS_EX_APPWINDOW, kAboutWindowClass, kCaption,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance_,
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

LRESULT AboutWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      on_load();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kAlwaysOnTopCheckBox && HIWORD(wparam) == BN_CLICKED) {
        on_check_box_click();
      }
      if (LOWORD(wparam) == kOkButton && HIWORD(wparam) == BN_CLICKED) on_ok_click();
      if (LOWORD(wparam) == kCreatorLabel && HIWORD(wparam) == STN_DBLCLK) {
        on_creator_double_click();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      return on_label_colours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ERASEBKGND:
      on_erase_background(reinterpret_cast<HDC>(wparam));
      return TRUE;
    case WM_DPICHANGED:
      on_dpi_changed(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_CLOSE:
      on_close();
      return 0;
    case WM_ENDSESSION:
      if (wparam) on_session_end();
      return 0;
    default:
      return default_handling(message, wparam, lparam);
  }
}

void AboutWindow::on_load() {
  scale_ = window_scale(hwnd_);
  create_controls();
  RegistryStore store;
  const WindowSettings settings = load_window_settings(store, kAboutWindowKeys);
  placed_ = place_window(hwnd_, settings.rect, scale_);
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

void AboutWindow::on_close() {
  save_settings();
  // The owner must take input again before this window goes, or the system
  // would hand the activation to some other program's window.
  EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}

void AboutWindow::on_session_end() {
  save_settings();
}

LRESULT AboutWindow::on_label_colours(HDC dc, HWND label) {
  if (is_label(GetDlgCtrlID(label))) return paint_display_colours(dc);
  return default_handling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(label));
}

void AboutWindow::on_erase_background(HDC dc) {
  fill_client_area(hwnd_, dc, background_.get());
}

void AboutWindow::on_dpi_changed(int dots_per_inch, const RECT& suggested) {
  scale_ = TwipScale(dots_per_inch);
  lay_out_controls();
  placed_ = take_suggested_rect(hwnd_, placed_, suggested);
  // One repaint, once everything stands at the new scale.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void AboutWindow::create_controls() {
  background_.reset(CreateSolidBrush(kWindowBackground));
  for (const ControlLayout& layout : kControls) create_control(hwnd_, layout);
  lay_out_controls();
}

void AboutWindow::lay_out_controls() {
  // The fonts made for the last scale go once no control uses them.
  const ControlFonts last_scale = std::exchange(fonts_, create_control_fonts(kLabelPoints, scale_));
  for (const ControlLayout& layout : kControls) {
    lay_out_control(hwnd_, layout, scale_,
                    is_label(layout.id) ? fonts_.labels.get() : fonts_.system.get());
  }
}

void AboutWindow::mirror_choice_into_owner() {
  set_check_box_value(owner_, main_window::kAlwaysOnTopCheckBox,
                      check_box_value(hwnd_, kAlwaysOnTopCheckBox));
}

void AboutWindow::save_settings() {
  RegistryStore store;
  const TwipPosition position = current_position(hwnd_, placed_);
  save_position(store, kAboutWindowKeys, position.left, position.top);
  save_always_on_top(store, check_box_value(hwnd_, kAlwaysOnTopCheckBox));
}

void AboutWindow::run_modal_loop() {
  MSG message{};
  while (hwnd_ != nullptr) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
      return;
    }
    // Tab moves between the button and the check box; Enter and Escape do nothing.
    if (is_tab_key(message) && IsChild(hwnd_, message.hwnd)) {
      const bool backwards = GetKeyState(VK_SHIFT) < 0;
      SetFocus(GetNextDlgTabItem(hwnd_, message.hwnd, backwards));
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace qvutt
