// The program's entry: create the main window and run the message loop until
// it closes.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "desktop/system_library.h"
#include "win32/startup_marks.h"
#include "windows/main_window.h"

namespace {

// Says why the program cannot run, and ends it with a code that shows it.
int report_failure(const wchar_t* what) {
  MessageBoxW(nullptr, what, L"QV-UTT", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  return 3;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  qvutt::mark_startup("entry");
  // First: a library of a system DLL's name beside a downloaded copy must
  // never load, whichever component asks for it.
  qvutt::search_system_folder_only();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  qvutt::mark_startup("common controls");

  qvutt::MainWindow main_window;
  if (!main_window.create(instance)) {
    return report_failure(L"The main window could not be created.");
  }

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
