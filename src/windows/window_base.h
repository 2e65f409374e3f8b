// The one window procedure every window class shares: the object arrives with
// WM_NCCREATE, lives in GWLP_USERDATA, and gets every message after that. The
// events every window of the program has go to handlers of the same names in
// each (on_load, on_erase_background, on_label_colours, on_dpi_scaled_size,
// on_dpi_changed, on_system_colours_changed, on_move_finished, on_close,
// on_session_end); the rest to the window's own handle_message.
#pragma once

#include <windows.h>

namespace qvutt {

template <typename Derived>
class WindowBase {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  WindowBase() = default;
  ~WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam,
                                           LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
      auto* self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    switch (message) {
      case WM_CREATE:
        self->on_load();
        return 0;
      case WM_ERASEBKGND:
        self->on_erase_background(reinterpret_cast<HDC>(wparam));
        return TRUE;
      case WM_CTLCOLORSTATIC:
        return self->on_label_colours(reinterpret_cast<HDC>(wparam),
                                      reinterpret_cast<HWND>(lparam));
      case WM_GETDPISCALEDSIZE:  // the system asks before it suggests a rectangle
        *reinterpret_cast<SIZE*>(lparam) = self->on_dpi_scaled_size(static_cast<int>(wparam));
        return TRUE;
      case WM_DPICHANGED:
        self->on_dpi_changed(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return 0;
      case WM_SYSCOLORCHANGE:
      case WM_SETTINGCHANGE:  // high contrast comes and goes with this one
        self->on_system_colours_changed();
        return self->default_handling(message, wparam, lparam);
      case WM_EXITSIZEMOVE:  // the user let go of the caption
        self->on_move_finished();
        return 0;
      case WM_CLOSE:
        self->on_close();
        return 0;
      case WM_ENDSESSION:
        if (wparam) self->on_session_end();
        return 0;
      default:
        return self->handle_message(message, wparam, lparam);
    }
  }

  LRESULT default_handling(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace qvutt
