// Start-up time of a program against yardsticks, all measured alike and in
// turn: from CreateProcess to a visible window of the new process whose first
// child shows text. Prints the median of each and the program's ratio to each.
//   usage: startup_probe RUNS PROGRAM YARDSTICK [YARDSTICK...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Search {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK shows_text(HWND window, LPARAM lparam) {
  auto& search = *reinterpret_cast<Search*>(lparam);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id != search.process_id || !IsWindowVisible(window)) return TRUE;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowTextLengthW(child) > 0) {
      search.found = window;
      return FALSE;
    }
  }
  return TRUE;
}

// Milliseconds from start to first text, or a negative number on failure.
double time_to_first_text(const wchar_t* program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  wchar_t command[MAX_PATH + 2];
  wsprintfW(command, L"\"%s\"", program);
  LARGE_INTEGER frequency, started, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(program, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  Search search{process.dwProcessId, nullptr};
  double elapsed = -1;
  for (int polls = 0; polls < 20000 && search.found == nullptr; ++polls) {
    EnumWindows(shows_text, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    if (search.found == nullptr) Sleep(1);
  }
  if (search.found != nullptr) {
    elapsed = 1000.0 * static_cast<double>(now.QuadPart - started.QuadPart) /
              static_cast<double>(frequency.QuadPart);
    PostMessageW(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4 || _wtoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM YARDSTICK [YARDSTICK...]\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const int programs = argc - 2;
  std::vector<std::vector<double>> times(programs);
  for (int run = -1; run < runs; ++run) {  // run -1 warms the file cache and the Wine server
    for (int i = 0; i < programs; ++i) {
      const double elapsed = time_to_first_text(argv[2 + i]);
      if (elapsed < 0) {
        std::fprintf(stderr, "%ls did not show its text\n", argv[2 + i]);
        return 1;
      }
      if (run >= 0) times[i].push_back(elapsed);
    }
  }
  const double program = median(times[0]);
  std::printf("start-up, median of %d: %ls %.1f ms\n", runs, argv[2], program);
  for (int i = 1; i < programs; ++i) {
    std::printf("  against %ls %.1f ms: ratio %.2f\n", argv[2 + i], median(times[i]),
                program / median(times[i]));
  }
  return 0;
}
