#include "clock/tick_schedule.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace qvutt {
namespace {

// A window timer as Windows runs it: the system clock ticks every 15.625 ms;
// an expiry is noticed at the first clock tick at or after its due time, and
// the tick is handled a moment later, where the countdown is armed again. So
// a 1000 ms countdown (64 clock ticks) armed just after clock tick k is
// noticed at tick k + 65. Returns the ticks delivered in one day when each
// handled tick re-arms the timer with next_delay(microseconds since start).
template <typename NextDelay>
long ticks_delivered_in_a_day(NextDelay next_delay) {
  constexpr std::int64_t kClockTick = 15'625;
  constexpr std::int64_t kHandlingMoment = 100;
  constexpr std::int64_t kDay = 86'400'000'000;
  const std::int64_t start = 7 * kClockTick + kHandlingMoment;
  std::int64_t armed_at = start;
  std::int64_t delay = 1000;
  for (long ticks = 0;; ++ticks) {
    const std::int64_t due = armed_at + delay * 1000;
    const std::int64_t noticed = (due + kClockTick - 1) / kClockTick * kClockTick;
    if (noticed - start > kDay) return ticks;
    armed_at = noticed + kHandlingMoment;
    delay = next_delay(armed_at - start);
  }
}

TEST(TickSchedule, KeepsADayOfTicksWhereAPlainPeriodicTimerFallsBehind) {
  const long plain = ticks_delivered_in_a_day([](std::int64_t) { return 1000u; });
  const long scheduled = ticks_delivered_in_a_day(milliseconds_to_next_tick);
  std::printf(
      "simulated day on Windows: plain 1000 ms timer %ld ticks (%ld s behind), "
      "re-armed to whole seconds %ld ticks\n",
      plain, 86400 - plain, scheduled);
  EXPECT_EQ(plain, 85070);
  EXPECT_NEAR(scheduled, 86400, 1);
}

TEST(TickSchedule, WaitsForTheNextWholeSecondNeverLess) {
  const std::pair<std::int64_t, unsigned> cases[] = {
      {0, 1000},          // the first tick, a second after the start
      {1'015'725, 985},   // a tick seen late on the clock tick makes up the overshoot
      {1'000'001, 1000},  // rounded up: never due before its second
      {5'400'000, 600},   // after a stalled thread, the next second, not a full one later
      {2'990'000, 1010},  // a tick a little early is its second's, not two in one second
  };
  for (const auto& [elapsed, expected] : cases) {
    EXPECT_EQ(milliseconds_to_next_tick(elapsed), expected) << elapsed;
  }
}

}  // namespace
}  // namespace qvutt
