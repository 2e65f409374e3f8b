// A long run of the real program: many timer ticks, many About windows and
// DPI changes, with its private memory and handle counts before and after.
//   usage: long_run [TICKS] [ABOUT_CYCLES] [WARM_UP_CYCLES]
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "controls/control_ids.h"
#include "e2e/program.h"

namespace {

struct Footprint {
  SIZE_T private_bytes;  // committed private memory: PagefileUsage, which Wine fills in
  SIZE_T working_set;
  DWORD gdi_objects;
  DWORD user_objects;
};

Footprint footprint_of(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  return {memory.PagefileUsage, memory.WorkingSetSize, GetGuiResources(process, GR_GDIOBJECTS),
          GetGuiResources(process, GR_USEROBJECTS)};
}

void print(const char* when, const Footprint& footprint) {
  std::printf("%-20s private %8.1f KiB, working set %8.1f KiB, GDI objects %lu, USER objects %lu\n",
              when, static_cast<double>(footprint.private_bytes) / 1024.0,
              static_cast<double>(footprint.working_set) / 1024.0, footprint.gdi_objects,
              footprint.user_objects);
}

// Opens the About window, takes both windows to 144 dpi and back (each time
// their fonts are made anew and the old ones released), and presses OK.
bool about_cycle(const qvutt::e2e::Program& program) {
  qvutt::e2e::double_click(program.main_window(), qvutt::main_window::kLogoPicture);
  const HWND about = program.about_window();
  if (about == nullptr) return false;
  for (const HWND window : {program.main_window(), about}) {
    const qvutt::e2e::Placement at_96 = qvutt::e2e::placement_of(window);
    program.change_dpi(window, 144, {at_96[0], at_96[1]});
    program.change_dpi(window, 96, {at_96[0], at_96[1]});
  }
  SendDlgItemMessageW(about, qvutt::about_window::kOkButton, BM_CLICK, 0, 0);
  return program.about_window(false) == nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const long ticks = argc > 1 ? _wtol(argv[1]) : 200000;
  const int cycles = argc > 2 ? _wtoi(argv[2]) : 300;
  // Warm-up: Wine's own heaps and caches settle over the first few dozen
  // windows, and its glyph caches over the first hundred or so DPI changes
  // (measured: flat from about the 150th About window on).
  const int warm_up_cycles = argc > 3 ? _wtoi(argv[3]) : 150;
  if (ticks < cycles || cycles < 2) {
    std::fprintf(stderr,
                 "usage: long_run [TICKS] [ABOUT_CYCLES >= 2, <= TICKS] [WARM_UP_CYCLES]\n");
    return 2;
  }
  qvutt::e2e::Program program(L"bench-long-run");
  program.start();
  if (!IsWindowVisible(program.main_window())) {
    std::fprintf(stderr, "the program did not show its window (exit code %lu)\n",
                 program.exit_code());
    return 1;
  }
  const Footprint started = footprint_of(program.process());

  program.uptime_ticks(1000);
  for (int cycle = 0; cycle < warm_up_cycles; ++cycle) {
    if (!about_cycle(program)) {
      std::fprintf(stderr, "warm-up About window %d did not open and close\n", cycle + 1);
      return 1;
    }
  }
  const Footprint warm = footprint_of(program.process());
  Footprint halfway = warm;

  const DWORD begun = GetTickCount();
  const long ticks_per_cycle = ticks / cycles;
  bool counts_right = true;
  DWORD ticking = 0;  // milliseconds spent posting ticks and seeing them shown
  for (int cycle = 0; cycle < cycles; ++cycle) {
    if (cycle == cycles / 2) halfway = footprint_of(program.process());
    const DWORD ticks_begun = GetTickCount();
    counts_right = program.uptime_ticks(ticks_per_cycle) && counts_right;
    ticking += GetTickCount() - ticks_begun;
    if (!about_cycle(program)) {
      std::fprintf(stderr, "About window %d did not open and close\n", cycle + 1);
      return 1;
    }
  }
  const Footprint finished = footprint_of(program.process());

  std::printf("long run: %ld ticks and %d About windows in %.1f s, display %s\n",
              ticks_per_cycle * cycles + 1000, cycles + warm_up_cycles,
              (GetTickCount() - begun) / 1000.0, counts_right ? "right" : "WRONG");
  std::printf("a posted tick, from PostMessage to the display showing it: %.1f us\n",
              1000.0 * ticking / static_cast<double>(ticks_per_cycle * cycles));
  print("after start", started);
  print("after warm-up", warm);
  print("halfway", halfway);
  print("after the long run", finished);
  const auto kib = [](SIZE_T bytes) { return static_cast<double>(bytes) / 1024.0; };
  for (const auto& [since, from] : {std::pair{"warm-up", warm}, std::pair{"halfway", halfway}}) {
    std::printf("growth since %s: %+.1f KiB private, %+.1f KiB working set, %+ld GDI, %+ld USER\n",
                since, kib(finished.private_bytes) - kib(from.private_bytes),
                kib(finished.working_set) - kib(from.working_set),
                static_cast<long>(finished.gdi_objects) - static_cast<long>(from.gdi_objects),
                static_cast<long>(finished.user_objects) - static_cast<long>(from.user_objects));
  }
  if (finished.gdi_objects == 0 && finished.user_objects == 0) {
    std::printf(
        "(this system reports no GDI or USER object counts: memory growth stands for them)\n");
  }
  program.close();
  return counts_right ? 0 : 1;
}
