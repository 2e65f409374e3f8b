// Prints where the shown top-level window of a class stands and where its
// client area begins, in the screen's pixels: "left top width height
// client_left client_top". For scripts that capture or click the program's
// windows under Wine, whatever frame the system draws around them.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: window_rect WINDOW_CLASS\n", stderr);
    return 2;
  }
  // Pixels as they are on screen: Wine 10 scales what a DPI-unaware thread
  // reads by the system's DPI. Wine 8 has only the first per-monitor context.
  if (SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) == nullptr) {
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  }
  const HWND window = FindWindowW(argv[1], nullptr);
  if (window == nullptr || !IsWindowVisible(window)) {
    std::fprintf(stderr, "no window of class %ls is shown\n", argv[1]);
    return 1;
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  std::printf("%ld %ld %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
              frame.bottom - frame.top, client.x, client.y);
  return 0;
}
