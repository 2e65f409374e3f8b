// The clock folder: the tick schedule, the uptime counter, the uptime in words.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "clock/tick_schedule.h"
#include "clock/uptime_counter.h"
#include "clock/uptime_words.h"

namespace qvutt {
namespace {

constexpr std::int64_t kClockTick = 15'625;

// A window timer as Windows runs it: the system clock ticks every 15.625 ms;
// an expiry is noticed at the first clock tick at or after its due time, and
// the tick is handled a moment later, where the countdown is armed again. So
// a 1000 ms countdown (64 clock ticks) armed just after clock tick k is
// noticed at tick k + 65. Returns the moments (microseconds since the start)
// at which one day's expiries are noticed, when each handled tick re-arms the
// timer with next_delay(time since the start on the program's clock, which
// moves on the clock tick). Of two timers noticed on one clock tick, the
// second is handled a moment after the first.
template <typename NextDelay>
std::vector<std::int64_t> expiries_in_a_day(NextDelay next_delay, std::int64_t handling_moment) {
  constexpr std::int64_t kDay = 86'400'000'000;
  const std::int64_t start = 7 * kClockTick + 100;
  std::vector<std::int64_t> noticed_at;
  std::int64_t armed_at = start, delay = 1000;
  for (;;) {
    const std::int64_t due = armed_at + delay * 1000;
    const std::int64_t noticed = (due + kClockTick - 1) / kClockTick * kClockTick;
    if (noticed - start > kDay) return noticed_at;
    noticed_at.push_back(noticed - start);
    armed_at = noticed + handling_moment;
    delay = next_delay(armed_at / kClockTick * kClockTick - start / kClockTick * kClockTick);
  }
}

constexpr auto plain_period = [](std::int64_t) { return 1000u; };

// How often the thread wakes for two timers: once for each clock tick on
// which either falls due.
std::size_t wake_ups(std::vector<std::int64_t> first, const std::vector<std::int64_t>& second) {
  first.insert(first.end(), second.begin(), second.end());
  std::sort(first.begin(), first.end());
  return static_cast<std::size_t>(std::unique(first.begin(), first.end()) - first.begin());
}

TEST(TickSchedule, KeepsADayOfTicksWithTheKeeperInTheSameWakeUps) {
  const auto uptime = expiries_in_a_day(milliseconds_to_next_tick, 100);
  // The keeper's tick is handled just after the uptime's, in the same wake-up.
  const auto keeper = expiries_in_a_day(milliseconds_to_next_tick, 200);
  // The plain timers' figures, for the benchmark's report: what re-arming saves.
  const std::size_t plain = expiries_in_a_day(plain_period, 100).size();
  std::printf(
      "simulated day on Windows: plain 1000 ms timer %zu ticks (%zu s behind), re-armed to whole "
      "seconds %zu ticks; both timers: %zu wake-ups with the keeper on the same whole seconds, "
      "%zu with a plain 1000 ms keeper\n",
      plain, 86400 - plain, uptime.size(), wake_ups(uptime, keeper),
      wake_ups(uptime, expiries_in_a_day(plain_period, 200)));
  EXPECT_NEAR(static_cast<double>(uptime.size()), 86400, 1);
  // As many ticks, and on the uptime's clock ticks: no wake-up of their own.
  EXPECT_EQ(keeper.size(), uptime.size());
  EXPECT_LE(wake_ups(uptime, keeper), uptime.size() + 1);
}

TEST(TickSchedule, ATickCountsEverySecondDueOnceEachAndWaitsForTheNextWholeSecond) {
  // One run's ticks, in order: when each comes, what it shows, and the wait it arms.
  const std::tuple<std::int64_t, const char*, unsigned> ticks[] = {
      {1'000'001, "0 00:00:01", 1000},       // rounded up: never due before its second
      {1'990'000, "0 00:00:02", 1010},       // a little early: its second's, not two in one second
      {2'500'000, "0 00:00:03", 500},        // posted from outside: one, the clock's next still due
      {3'015'725, "0 00:00:04", 985},        // seen late on the clock tick: makes up the overshoot
      {5'400'000, "0 00:00:06", 600},        // the thread held up: both seconds, then the next
      {3'605'000'000, "0 01:00:06", 1000},   // an hour's gap
      {86'402'500'000, "1 00:00:03", 500}};  // over midnight: its day too
  UptimeCounter counter;
  UptimeTexts shown;
  EXPECT_EQ(milliseconds_to_next_tick(0), 1000u);
  for (const auto& [elapsed, expected, wait] : ticks) {
    counter.tick_at(elapsed, shown);
    EXPECT_EQ(std::string(shown.days.view()) + " " + std::string(shown.time.view()), expected);
    EXPECT_EQ(milliseconds_to_next_tick(elapsed), wait) << elapsed;
  }
}

constexpr long kSecondsPerDay = 86400;

constexpr auto seconds_as_days = [](double seconds) { return seconds / kSecondsPerDay; };

TEST(UptimeCounter, ReplayedOverDaysShowsEveryTickAndCountsEachMidnightPast16Bits) {
  UptimeCounter counter;
  UptimeTexts shown;
  for (long n = 1; n <= 3 * kSecondsPerDay + 3661; ++n) {
    counter.tick(shown);
    // Worked out independently of dates.
    const long s = n % kSecondsPerDay;
    char expected[16];
    std::snprintf(expected, sizeof expected, "%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(shown.time.view(), expected) << "tick " << n;
    ASSERT_EQ(shown.days.view(), std::to_string(n / kSecondsPerDay)) << "tick " << n;
  }
  // The day count goes on past the sixteen-bit limit, into new digits.
  shown.days = DayCountText("99999");
  for (long n = 0; n < kSecondsPerDay; ++n) counter.tick(shown);
  EXPECT_EQ(shown.days.view(), "100000");
}

TEST(TimeOfDayText, RoundsAboveHalfASecondAndReadsTheMagnitudeOfTheFraction) {
  // clang-format off
  const std::pair<double, const char*> cases[] = {
      {seconds_as_days(5 - 1e-6), "00:00:05"}, {seconds_as_days(5 + 1e-6), "00:00:05"},
      {seconds_as_days(5.49), "00:00:05"},     {seconds_as_days(5.51), "00:00:06"},
      {seconds_as_days(3599.7), "01:00:00"},   {seconds_as_days(86399.4), "23:59:59"},
      {seconds_as_days(86399.6), "00:00:00"},  {-0.9999999999988702, "00:00:00"},
      {-0.25, "06:00:00"},                     {-3.75, "18:00:00"},
      {40000.5, "12:00:00"},                   {-657434.0 + seconds_as_days(1), "23:59:59"}};
  // clang-format on
  for (const auto& [date, expected] : cases)
    EXPECT_EQ(time_of_day_text(date).view(), expected) << date;
}

TEST(UptimeWords, SaysTheDisplaysWithTheirHeadsOneDayOrMany) {
  EXPECT_EQ(uptime_in_words({ClockText("00:00:05"), DayCountText("0")}), "Uptime 0 days, 00:00:05");
  EXPECT_EQ(uptime_in_words({ClockText("23:59:59"), DayCountText("1")}), "Uptime 1 day, 23:59:59");
  EXPECT_EQ(uptime_in_words({ClockText("01:01:01"), DayCountText("32767")}),
            "Uptime 32767 days, 01:01:01");
  EXPECT_EQ(day_count_in_words("11"), "Days: 11");
  EXPECT_EQ(time_in_words("12:00:00"), "Hours, minutes, seconds: 12:00:00");
}

}  // namespace
}  // namespace qvutt
