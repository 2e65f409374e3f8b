#include "clock/uptime_counter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qvutt {
namespace {

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
    if (n == kSecondsPerDay) {
      EXPECT_EQ(counter.accumulator(), -0.9999999999988702);
    }
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
  for (const auto& [date, expected] : cases) {
    EXPECT_EQ(time_of_day_text(date).view(), expected) << date;
  }
}

}  // namespace
}  // namespace qvutt
