#include "desktop/see_through.h"

#include "settings/see_through_settings.h"

namespace qvutt {

namespace {

// Ctrl+Alt+Shift+U: U for uptime, and a chord no common program takes.
constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_NOREPEAT;
constexpr UINT kHotKey = 'U';

}  // namespace

SeeThrough::~SeeThrough() {
  if (hot_key_held_) UnregisterHotKey(window_, kHotKeyId);
}

void SeeThrough::set_opacity(int percent) {
  opacity_ = percent;
  apply_styles();
}

bool SeeThrough::set_click_through(bool on) {
  if (on == hot_key_held_) return true;
  if (on && !RegisterHotKey(window_, kHotKeyId, kHotKeyModifiers, kHotKey)) return false;
  if (!on) UnregisterHotKey(window_, kHotKeyId);
  hot_key_held_ = on;
  apply_styles();
  return true;
}

void SeeThrough::apply_styles() {
  const bool layered = opacity_ < kOpaque || hot_key_held_;
  LONG_PTR styles = GetWindowLongPtrW(window_, GWL_EXSTYLE) & ~(WS_EX_LAYERED | WS_EX_TRANSPARENT);
  if (layered) styles |= WS_EX_LAYERED;
  if (hot_key_held_) styles |= WS_EX_TRANSPARENT;
  SetWindowLongPtrW(window_, GWL_EXSTYLE, styles);
  if (layered) {
    // A layered window shows nothing until it has its attributes.
    SetLayeredWindowAttributes(window_, 0, alpha_of(opacity_), LWA_ALPHA);
  } else {
    // Without the style, what the layer showed must be painted anew.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

}  // namespace qvutt
