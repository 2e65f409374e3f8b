#include "clock/uptime_counter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/foreign_locale.h"

namespace qvutt {
namespace {

constexpr long kSecondsPerDay = 86400;

// The display a tick count should produce, worked out independently of dates.
std::string expected_time(long ticks) {
  const long s = ticks % kSecondsPerDay;
  char text[16];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  return text;
}

double seconds_as_days(double seconds) {
  return seconds / kSecondsPerDay;
}

TEST(UptimeCounter, ReplayedOverDaysShowsEveryTickAndCountsEachMidnight) {
  UptimeCounter counter;
  counter.reset();
  UptimeTexts shown;
  for (long n = 1; n <= 3 * kSecondsPerDay + 3661; ++n) {
    counter.tick(shown);
    ASSERT_EQ(shown.time.view(), expected_time(n)) << "tick " << n;
    ASSERT_EQ(shown.days.view(), std::to_string(n / kSecondsPerDay)) << "tick " << n;
    if (n == kSecondsPerDay) {
      EXPECT_EQ(counter.accumulator(), -0.9999999999988702);
    }
  }
  EXPECT_EQ(shown.time.view(), "01:01:01");
  EXPECT_EQ(shown.days.view(), "3");
}

TEST(UptimeCounter, ResetStartsTheCountAgain) {
  UptimeCounter counter;
  UptimeTexts shown;
  for (int n = 0; n < 90; ++n) counter.tick(shown);
  counter.reset();
  EXPECT_EQ(counter.accumulator(), 0.0);
  counter.tick(shown);
  EXPECT_EQ(shown.time.view(), "00:00:01");
}

TEST(UptimeCounter, DayCountGoesOnPastTheSixteenBitLimit) {
  UptimeCounter counter;
  UptimeTexts shown;
  shown.days = DayCountText("32767");
  for (long n = 0; n < kSecondsPerDay; ++n) counter.tick(shown);
  EXPECT_EQ(shown.time.view(), "00:00:00");
  EXPECT_EQ(shown.days.view(), "32768");
}

TEST(TimeOfDayText, RoundsToTheNearestSecondOnlyAboveHalf) {
  EXPECT_EQ(time_of_day_text(seconds_as_days(5 - 1e-6)).view(), "00:00:05");
  EXPECT_EQ(time_of_day_text(seconds_as_days(5 + 1e-6)).view(), "00:00:05");
  EXPECT_EQ(time_of_day_text(seconds_as_days(5.49)).view(), "00:00:05");
  EXPECT_EQ(time_of_day_text(seconds_as_days(5.51)).view(), "00:00:06");
  EXPECT_EQ(time_of_day_text(seconds_as_days(59.6)).view(), "00:01:00");
  EXPECT_EQ(time_of_day_text(seconds_as_days(3599.7)).view(), "01:00:00");
}

TEST(TimeOfDayText, CarriesOutOfTheLastSecondToMidnight) {
  EXPECT_EQ(time_of_day_text(seconds_as_days(86399.4)).view(), "23:59:59");
  EXPECT_EQ(time_of_day_text(seconds_as_days(86399.6)).view(), "00:00:00");
  EXPECT_EQ(time_of_day_text(-0.9999999999988702).view(), "00:00:00");
}

TEST(TimeOfDayText, ReadsTheMagnitudeOfTheFractionWhateverTheDay) {
  EXPECT_EQ(time_of_day_text(0.0).view(), "00:00:00");
  EXPECT_EQ(time_of_day_text(0.25).view(), "06:00:00");
  EXPECT_EQ(time_of_day_text(-0.25).view(), "06:00:00");
  EXPECT_EQ(time_of_day_text(-3.75).view(), "18:00:00");
  EXPECT_EQ(time_of_day_text(40000.5).view(), "12:00:00");
  EXPECT_EQ(time_of_day_text(-657434.0 + seconds_as_days(1)).view(), "23:59:59");
}

TEST(TimeOfDayText, UsesColonsUnderALocaleWithOtherSeparators) {
  const ForeignLocale locale;
  if (locale.name() == nullptr) GTEST_SKIP() << "no locale with other separators here";
  UptimeCounter counter;
  UptimeTexts shown;
  for (int n = 0; n < 3661; ++n) counter.tick(shown);
  EXPECT_EQ(shown.time.view(), "01:01:01") << locale.name();
}

std::string incremented(const char* digits) {
  DayCountText text(digits);
  increment_decimal(text);
  return std::string(text.view());
}

TEST(IncrementDecimal, CarriesThroughNinesIntoANewDigit) {
  EXPECT_EQ(incremented("0"), "1");
  EXPECT_EQ(incremented("41"), "42");
  EXPECT_EQ(incremented("9"), "10");
  EXPECT_EQ(incremented("1999"), "2000");
  EXPECT_EQ(incremented("99999"), "100000");
}

}  // namespace
}  // namespace qvutt
