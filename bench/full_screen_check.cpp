// One full-screen check, as the main window makes it every second and on
// every change of the foreground, over a desktop of many top-level windows of
// another process: this program started again, which makes them and waits.
//   usage: full_screen_check [WINDOWS] [CHECKS]   (defaults 300 and 500)
// Prints the median and the slowest of the checks' times for three desktops,
// and how many reads of another process's window (one GetWindowLongW, timed
// just before each check) a check takes as long as, the median: under Wine
// every read is a request to the Wine server, whose time follows the load.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "desktop/full_screen_watch.h"

namespace {

constexpr wchar_t kReadyClass[] = L"QVUTT-bench-windows-made";

struct Desktop {
  const char* what;
  const wchar_t* window_class;
  DWORD ex_style;
  int left;
  int shown_every;
};

// Every window read in full before it is passed over (the shell's worker
// windows, over the screen, layered so that their alpha is read too): the
// worst case. Overlays, passed over by their styles. One in ten shown, off
// the screen, the rest hidden, as most top-level windows are.
constexpr Desktop kDesktops[] = {
    {"all shown, read in full", L"WorkerW", WS_EX_LAYERED, 0, 1},
    {"all shown, click-through overlays", L"QVUTT-bench", WS_EX_LAYERED | WS_EX_TRANSPARENT, 0, 1},
    {"one in ten shown, off the screen", L"QVUTT-bench", 0, -4000, 10}};

// The other process: the desktop's windows, then a hidden one that says
// they are all there.
int make_windows(int count, const Desktop& desktop) {
  for (const wchar_t* name : {desktop.window_class, kReadyClass}) {
    const WNDCLASSW window_class{0,       DefWindowProcW, 0,       0,       nullptr,
                                 nullptr, nullptr,        nullptr, nullptr, name};
    RegisterClassW(&window_class);
  }
  for (int n = 0; n < count; ++n) {
    const HWND window = CreateWindowExW(desktop.ex_style, desktop.window_class, L"",
                                        WS_OVERLAPPEDWINDOW, desktop.left + n % 40 * 25,
                                        n % 30 * 25, 300, 200, nullptr, nullptr, nullptr, nullptr);
    SetLayeredWindowAttributes(window, 0, 128, LWA_ALPHA);
    if (n % desktop.shown_every == 0) ShowWindow(window, SW_SHOWNOACTIVATE);
  }
  CreateWindowExW(0, kReadyClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

double microseconds_since(const LARGE_INTEGER& start) {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1e6 /
         static_cast<double>(frequency.QuadPart);
}

void fail(const char* why) {
  std::printf("full_screen_check: %s\n", why);
  std::exit(1);
}

void measure(const wchar_t* self, int count, int desktop, int checks) {
  wchar_t command[MAX_PATH + 64];
  std::swprintf(command, MAX_PATH + 64, L"\"%ls\" --make %d %d", self, count, desktop);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION maker{};
  if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &maker)) {
    fail("could not start the process that makes the windows");
  }
  for (int waited = 0; FindWindowW(kReadyClass, nullptr) == nullptr; waited += 10) {
    if (waited > 60000) fail("the windows were not made within a minute");
    Sleep(10);
  }
  Sleep(1000);  // for the other process and the Wine server to settle
  // Hidden, like the main window while it steps aside; it names the monitor.
  const HWND main = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100,
                                    nullptr, nullptr, nullptr, nullptr);
  {
    const qvutt::FullScreenWatch watch(main, WM_APP);
    const HWND other = FindWindowW(kReadyClass, nullptr);
    std::vector<double> times;
    std::vector<double> in_reads;
    bool in_view = false;
    for (int n = 0; n < checks; ++n) {
      // The load moves from moment to moment: reads timed just before each check.
      LARGE_INTEGER start;
      QueryPerformanceCounter(&start);
      for (int read = 0; read < 20; ++read) GetWindowLongW(other, GWL_STYLE);
      const double read = microseconds_since(start) / 20;
      QueryPerformanceCounter(&start);
      in_view = watch.in_view() || in_view;
      times.push_back(microseconds_since(start));
      in_reads.push_back(times.back() / read);
    }
    if (in_view) fail("a full-screen window was seen where there is none");
    std::sort(times.begin(), times.end());
    std::sort(in_reads.begin(), in_reads.end());
    std::printf(
        "%d windows, %s: one check %.0f us (median of %d; %.0f us at most), as long as "
        "%.0f reads\n",
        count, kDesktops[desktop].what, times[times.size() / 2], checks, times.back(),
        in_reads[in_reads.size() / 2]);
  }
  DestroyWindow(main);
  PostThreadMessageW(maker.dwThreadId, WM_QUIT, 0, 0);
  WaitForSingleObject(maker.hProcess, 10000);
  CloseHandle(maker.hThread);
  CloseHandle(maker.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"--make") == 0) {
    return make_windows(_wtoi(argv[2]), kDesktops[_wtoi(argv[3]) % 3]);
  }
  const int count = argc > 1 ? _wtoi(argv[1]) : 300;
  const int checks = argc > 2 ? _wtoi(argv[2]) : 500;
  for (int desktop = 0; desktop < 3; ++desktop) measure(argv[0], count, desktop, checks);
  return 0;
}
