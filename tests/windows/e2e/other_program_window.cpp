#include "e2e/other_program_window.h"

#include "e2e/program.h"

namespace qvutt::e2e {

namespace {

constexpr wchar_t kClass[] = L"QvuttOtherProgram";

}  // namespace

OtherProgramWindow::OtherProgramWindow() {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = kClass;
  window_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  RegisterClassW(&window_class);
  window_ = CreateWindowExW(WS_EX_TOPMOST, kClass, L"Other program", WS_OVERLAPPEDWINDOW, 400, 300,
                            300, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  text_field_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10,
                      260, 24, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window_, SW_SHOW);
  activate();
}

OtherProgramWindow::~OtherProgramWindow() {
  DestroyWindow(window_);
}

void OtherProgramWindow::activate() const {
  SetForegroundWindow(window_);
  SetFocus(text_field_);
  pump_messages_for(100);
}

void OtherProgramWindow::type_key(WORD virtual_key) const {
  INPUT keys[2] = {};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = virtual_key;
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  pump_messages_for(200);
}

std::wstring OtherProgramWindow::typed_text() const {
  return text_of(text_field_);
}

}  // namespace qvutt::e2e
