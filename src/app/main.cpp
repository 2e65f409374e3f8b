// The program's entry: create the main window and run the message loop until
// it closes.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "windows/main_window.h"

namespace {

// A failure nothing else caught: say so, and end with a code that shows it.
[[noreturn]] void report_and_exit(const wchar_t* what) {
  MessageBoxW(nullptr, what, L"QV-UTT", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(3);
}

void on_unhandled_exception() {
  try {
    std::rethrow_exception(std::current_exception());
  } catch (const std::bad_alloc&) {
    report_and_exit(L"Out of memory.");
  } catch (...) {
    report_and_exit(L"An unexpected error ended the program.");
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  std::set_terminate(on_unhandled_exception);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  qvutt::MainWindow main_window;
  if (!main_window.create(instance)) report_and_exit(L"The main window could not be created.");

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
