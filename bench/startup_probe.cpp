// Start-up time of a program against yardsticks, all measured alike and in
// turn: from CreateProcess to a visible window of the new process whose first
// child shows text. Prints the median of each and the program's ratio to each.
// With --phases, runs marked copies instead (QV-UTT's, a yardstick's) and
// prints when each phase of their start-up ended, as medians from
// CreateProcess.
//   usage: startup_probe RUNS PROGRAM YARDSTICK [YARDSTICK...]
//          startup_probe --phases RUNS MARKED_PROGRAM [MARKED_PROGRAM...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK shows_text(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowTextLengthW(child) > 0) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
  }
  return TRUE;
}

// Milliseconds from start to first text, or a negative number on failure;
// started, the performance counter just before the process was created. The
// program is closed then, or linger milliseconds later.
double time_to_first_text(const wchar_t* program, LARGE_INTEGER* started_at = nullptr,
                          DWORD linger = 0) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  wchar_t command[MAX_PATH + 2];
  wsprintfW(command, L"\"%s\"", program);
  LARGE_INTEGER frequency, started, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&started);
  if (started_at != nullptr) *started_at = started;
  if (!CreateProcessW(program, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  // Only the windows of the new process's first thread, where both make
  // theirs: a poll of every window on the desktop each millisecond kept
  // Wine's server busy, and slowed most whichever program asked it most.
  HWND found = nullptr;
  double elapsed = -1;
  for (int polls = 0; polls < 20000 && found == nullptr; ++polls) {
    EnumThreadWindows(process.dwThreadId, shows_text, reinterpret_cast<LPARAM>(&found));
    QueryPerformanceCounter(&now);
    if (found == nullptr) Sleep(1);
  }
  if (found != nullptr) {
    elapsed = 1000.0 * static_cast<double>(now.QuadPart - started.QuadPart) /
              static_cast<double>(frequency.QuadPart);
    Sleep(linger);
    PostMessageW(found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Wine's server and the X server go on tidying up after a process has
  // gone: without a pause the next start pays for it, by up to 20 ms.
  Sleep(300);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Where each phase of a marked program's start-up ended, in milliseconds from
// CreateProcess (it writes them at its first paint, once it has shown its
// text, to the file named in its environment).
struct Phases {
  std::vector<std::string> order;
  std::map<std::string, std::vector<double>> ended;
  // Each run's own time for the phase, from the end of the one before: the
  // process's start, which varies most from run to run, left out.
  std::map<std::string, std::vector<double>> took;

  bool add_run(const wchar_t* program, const wchar_t* marks, bool counted) {
    DeleteFileW(marks);
    LARGE_INTEGER started;
    if (time_to_first_text(program, &started, 500) < 0) return false;
    std::FILE* file = _wfopen(marks, L"r");
    if (file == nullptr) return false;
    std::vector<std::pair<std::string, long long>> lines;
    char phase[64];
    long long ticks = 0;
    while (std::fscanf(file, " %63[^0-9] %lld", phase, &ticks) == 2) {
      std::string name(phase);
      name.erase(name.find_last_not_of(' ') + 1);
      lines.emplace_back(name, ticks);
    }
    std::fclose(file);
    if (lines.empty() || lines.back().first != "frequency") return false;
    const double per_ms = static_cast<double>(lines.back().second) / 1000.0;
    lines.pop_back();
    long long before = started.QuadPart;
    for (const auto& [name, at] : lines) {
      if (ended.count(name) == 0) order.push_back(name);
      std::vector<double>& ends = ended[name];
      if (counted) {
        ends.push_back(static_cast<double>(at - started.QuadPart) / per_ms);
        took[name].push_back(static_cast<double>(at - before) / per_ms);
      }
      before = at;
    }
    return true;
  }

  void print(const wchar_t* program, int runs) {
    std::printf(
        "start-up phases of %ls, median of %d: each one's end (ms from CreateProcess) and "
        "(+ its own time)\n",
        program, runs);
    for (const std::string& name : order) {
      std::printf("  %-26s %6.1f  (+%.1f)\n", name.c_str(), median(ended[name]),
                  median(took[name]));
    }
  }
};

// The marked programs in turn, each run, so that all meet the same moments of
// the machine.
int print_phases(int runs, int count, wchar_t** programs) {
  wchar_t marks[MAX_PATH];
  GetTempPathW(MAX_PATH, marks);
  wcscat(marks, L"qvutt-startup-marks.txt");
  SetEnvironmentVariableW(L"QVUTT_STARTUP_MARKS", marks);
  std::vector<Phases> phases(count);
  for (int run = -1; run < runs; ++run) {  // run -1 warms the file cache and the Wine server
    for (int i = 0; i < count; ++i) {
      if (!phases[i].add_run(programs[i], marks, run >= 0)) {
        std::fprintf(stderr, "%ls wrote no start-up marks\n", programs[i]);
        return 1;
      }
    }
  }
  for (int i = 0; i < count; ++i) phases[i].print(programs[i], runs);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 4 && std::wstring(argv[1]) == L"--phases" && _wtoi(argv[2]) > 0) {
    return print_phases(_wtoi(argv[2]), argc - 3, argv + 3);
  }
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
