// The yardstick for start-up time: the least a Win32 program can do to show a
// window with one line of text, built exactly as QV-UTT is.
#include <windows.h>

namespace {

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = L"MINIMAL_WINDOW";
  RegisterClassW(&window_class);
  const HWND window = CreateWindowExW(0, L"MINIMAL_WINDOW", L"Minimal", WS_OVERLAPPEDWINDOW, 67, 67,
                                      238, 76, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"00:00:00", WS_CHILD | WS_VISIBLE, 8, 8, 120, 24, window, nullptr,
                  instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
