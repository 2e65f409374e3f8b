#include "clock/uptime_words.h"

#include <gtest/gtest.h>

namespace qvutt {
namespace {

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
