// When the uptime timer falls due: at the start plus whole seconds on a
// monotonic clock. A window timer left to repeat on its own restarts its
// countdown at each expiry on Windows, and expiries are seen only on the
// system clock tick (15.625 ms by default), so every period overshoots and a
// display fed by it falls behind by up to 1.5 %, some twenty minutes a day.
// Re-armed each tick with the time left to the next whole second, it does not.
#pragma once

#include <cstdint>

namespace qvutt {

// Milliseconds from elapsed_microseconds after the start to the next whole
// second, never short of it. A tick that comes a little before its second
// counts as that second's, so it is not followed by a second tick at once.
unsigned milliseconds_to_next_tick(std::int64_t elapsed_microseconds);

}  // namespace qvutt
