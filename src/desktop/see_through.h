// What lets a window stay out of the way: its opacity (a layered window's
// alpha) and click-through (every click goes to the window beneath), with the
// global hot key that turns click-through off again. The hot key is held
// while click-through is on, and only then; it is taken before any click
// passes through, so that the way back is never lost.
#pragma once

#include <windows.h>

namespace qvutt {

class SeeThrough {
 public:
  // WM_HOTKEY comes to window with this id when the key is pressed.
  static constexpr int kHotKeyId = 1;

  explicit SeeThrough(HWND window) : window_(window) {}
  ~SeeThrough();
  SeeThrough(const SeeThrough&) = delete;
  SeeThrough& operator=(const SeeThrough&) = delete;

  int opacity() const { return opacity_; }
  bool click_through() const { return hot_key_held_; }

  void set_opacity(int percent);
  // False, and click-through stays off, when another program holds the key.
  bool set_click_through(bool on);

 private:
  void apply_styles();

  HWND window_;
  int opacity_ = 100;
  bool hot_key_held_ = false;
};

}  // namespace qvutt
