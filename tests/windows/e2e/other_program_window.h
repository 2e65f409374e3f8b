// A window of another program, as far as QV-UTT can tell: this test's own
// always-on-top window with a text field, in the foreground with the focus.
#pragma once

#include <windows.h>

#include <string>

namespace qvutt::e2e {

class OtherProgramWindow {
 public:
  OtherProgramWindow();
  ~OtherProgramWindow();
  OtherProgramWindow(const OtherProgramWindow&) = delete;
  OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;

  HWND window() const { return window_; }
  HWND text_field() const { return text_field_; }
  // Brings it to the foreground with the focus in its text field.
  void activate() const;
  // Types a letter as the keyboard would, to whichever window has the focus.
  void type_key(WORD virtual_key) const;
  std::wstring typed_text() const;

 private:
  HWND window_ = nullptr;
  HWND text_field_ = nullptr;
};

}  // namespace qvutt::e2e
