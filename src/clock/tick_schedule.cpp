#include "clock/tick_schedule.h"

#include <algorithm>

namespace qvutt {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;
constexpr std::int64_t kMicrosecondsPerMillisecond = 1'000;
// The system's timers run on its own clock tick (15.625 ms at the longest),
// not on this clock: a tick a few of those early belongs to the second it was
// armed for.
constexpr std::int64_t kEarlyTolerance = 50'000;

}  // namespace

unsigned milliseconds_to_next_tick(std::int64_t elapsed_microseconds) {
  const std::int64_t elapsed = std::max<std::int64_t>(elapsed_microseconds, 0);
  const std::int64_t next_second = (elapsed + kEarlyTolerance) / kMicrosecondsPerSecond + 1;
  const std::int64_t wait = next_second * kMicrosecondsPerSecond - elapsed;
  return static_cast<unsigned>((wait + kMicrosecondsPerMillisecond - 1) /
                               kMicrosecondsPerMillisecond);
}

}  // namespace qvutt
