// When the uptime timer falls due, and how many seconds each of its ticks
// counts: whole seconds since the start on one monotonic clock. A window
// timer left to repeat on its own restarts its countdown at each expiry on
// Windows, and expiries are seen only on the system clock tick (15.625 ms by
// default), so every period overshoots and a display fed by it falls behind
// by up to 1.5 %, some twenty minutes a day. Re-armed each tick with the time
// left to the next whole second, it does not. And a thread held up for
// seconds (a debugger, a busy machine) gets the ticks due meanwhile as one:
// that tick counts every second due, so none is lost.
#pragma once

#include <cstdint>

namespace qvutt {

// Milliseconds from elapsed_microseconds after the start to the next whole
// second, never short of it. A tick that comes a little before its second is
// that second's, so it is not followed by another at once.
unsigned milliseconds_to_next_tick(std::int64_t elapsed_microseconds);

// The seconds a tick at elapsed_microseconds adds to the count: every whole
// second due since the clock's seconds counted so far, which it moves on to
// them; one for a tick that finds none due (sent from outside), which leaves
// them. A tick a little early is its second's, so it never counts two.
std::int64_t seconds_to_count(std::int64_t elapsed_microseconds, std::int64_t& clock_seconds);

}  // namespace qvutt
