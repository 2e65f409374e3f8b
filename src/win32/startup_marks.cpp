#include "win32/startup_marks.h"

#include <windows.h>

namespace qvutt {

namespace {

struct Mark {
  const char* phase;
  LARGE_INTEGER at;
};
Mark marks[24];
int marked = 0;

}  // namespace

// Kept in memory, with QueryPerformanceCounter (the probe's clock too), and
// written at the last mark to the file the environment's
// QVUTT_STARTUP_MARKS names: a phase's line "name ticks", then the counter's
// ticks a second. Marks after that, as the About window's, are not kept.
void mark_startup(const char* phase_done, bool last) {
  if (marked < 0 || marked == static_cast<int>(sizeof marks / sizeof *marks)) return;
  marks[marked].phase = phase_done;
  QueryPerformanceCounter(&marks[marked++].at);
  wchar_t path[MAX_PATH];
  if (!last || GetEnvironmentVariableW(L"QVUTT_STARTUP_MARKS", path, MAX_PATH) == 0) return;
  const HANDLE file =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  char line[96];
  DWORD written = 0;
  for (int i = 0; i < marked; ++i) {
    const int length = wsprintfA(line, "%s %I64d\n", marks[i].phase, marks[i].at.QuadPart);
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
  }
  const int length = wsprintfA(line, "frequency %I64d\n", frequency.QuadPart);
  WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
  CloseHandle(file);
  marked = -1;
}

}  // namespace qvutt
