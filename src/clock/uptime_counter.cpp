#include "clock/uptime_counter.h"

#include <cmath>

#include "clock/tick_schedule.h"

namespace qvutt {

namespace {

constexpr double kSecondsPerDay = 86400.0;

void put_two_digits(ClockText& text, long value) {
  text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

void UptimeCounter::reset() {
  accumulator_ = 0.0;
  clock_seconds_ = 0;
}

void UptimeCounter::tick_at(std::int64_t elapsed_microseconds, UptimeTexts& shown) {
  for (std::int64_t n = seconds_to_count(elapsed_microseconds, clock_seconds_); n > 0; --n) {
    tick(shown);
  }
}

void UptimeCounter::tick(UptimeTexts& shown) {
  // The count runs downwards: a negative date's time of day is read from the
  // magnitude of its fraction, so the text still counts up from 00:00:01.
  const double step = 1.0 / 24 / 60 / 60;
  accumulator_ -= step;
  shown.time = time_of_day_text(accumulator_);
  if (shown.time == "00:00:00") increment_decimal(shown.days);
}

ClockText time_of_day_text(double date) {
  double whole_days = 0.0;
  const double seconds = std::fabs(std::modf(date, &whole_days)) * kSecondsPerDay;
  auto total = static_cast<long>(seconds);
  // Only a remainder of more than half a second rounds up; the sum of many steps
  // lands a hair either side of the exact second, so truncating would lose one.
  if (seconds - static_cast<double>(total) > 0.5) ++total;
  total %= static_cast<long>(kSecondsPerDay);

  ClockText text;
  put_two_digits(text, total / 3600);
  text.push_back(':');
  put_two_digits(text, total / 60 % 60);
  text.push_back(':');
  put_two_digits(text, total % 60);
  return text;
}

void increment_decimal(DayCountText& digits) {
  for (std::size_t i = digits.size(); i > 0; --i) {
    char& digit = digits[i - 1];
    if (digit != '9') {
      ++digit;
      return;
    }
    digit = '0';
  }
  digits.push_front('1');
}

}  // namespace qvutt
