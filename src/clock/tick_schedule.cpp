#include "clock/tick_schedule.h"

#include <algorithm>

namespace qvutt {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;
constexpr std::int64_t kMicrosecondsPerMillisecond = 1'000;
// Read at the system's clock tick (15.625 ms at the longest), the clock can
// lag the moment a timer falls due by a tick; and a timer may run on another
// clock (Wine's do). A tick a few clock ticks early belongs to its second.
constexpr std::int64_t kEarlyTolerance = 50'000;

// The whole seconds since the start that a tick at elapsed_microseconds is due for.
std::int64_t seconds_due(std::int64_t elapsed_microseconds) {
  return (std::max<std::int64_t>(elapsed_microseconds, 0) + kEarlyTolerance) /
         kMicrosecondsPerSecond;
}

}  // namespace

unsigned milliseconds_to_next_tick(std::int64_t elapsed_microseconds) {
  const std::int64_t elapsed = std::max<std::int64_t>(elapsed_microseconds, 0);
  const std::int64_t wait = (seconds_due(elapsed) + 1) * kMicrosecondsPerSecond - elapsed;
  return static_cast<unsigned>((wait + kMicrosecondsPerMillisecond - 1) /
                               kMicrosecondsPerMillisecond);
}

std::int64_t seconds_to_count(std::int64_t elapsed_microseconds, std::int64_t& clock_seconds) {
  const std::int64_t due = seconds_due(elapsed_microseconds);
  const std::int64_t seconds = std::max<std::int64_t>(due - clock_seconds, 1);
  clock_seconds = std::max(clock_seconds, due);
  return seconds;
}

}  // namespace qvutt
