// Start-up time of two programs, measured alike and alternately: from
// CreateProcess to a visible window of the new process whose first child
// shows text. Prints the median of each and their ratio.
//   usage: startup_probe PROGRAM YARDSTICK [RUNS]
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
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM YARDSTICK [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? _wtoi(argv[3]) : 15;
  time_to_first_text(argv[1]);  // warm the file cache and the Wine server
  time_to_first_text(argv[2]);
  std::vector<double> program, yardstick;
  for (int run = 0; run < runs; ++run) {
    program.push_back(time_to_first_text(argv[1]));
    yardstick.push_back(time_to_first_text(argv[2]));
  }
  if (*std::min_element(program.begin(), program.end()) < 0 ||
      *std::min_element(yardstick.begin(), yardstick.end()) < 0) {
    std::fprintf(stderr, "a program did not show its text\n");
    return 1;
  }
  std::printf("start-up, median of %d: QV-UTT %.1f ms, minimal window %.1f ms, ratio %.2f\n", runs,
              median(program), median(yardstick), median(program) / median(yardstick));
  return 0;
}
