// The start-up's phases, timed for the benchmark's breakdown (bench/): the
// copy of the program it builds with QVUTT_STARTUP_MARKS keeps the moment
// each phase ends and, at the first paint, hands them all to the probe that
// started it. In the program itself a mark is nothing at all.
#pragma once

namespace qvutt {

#ifdef QVUTT_STARTUP_MARKS
// The phase just done; the last one writes them all out.
void mark_startup(const char* phase_done, bool last = false);
#else
inline void mark_startup(const char*, bool = false) {}
#endif

}  // namespace qvutt
