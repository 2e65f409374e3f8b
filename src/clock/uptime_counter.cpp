#include "clock/uptime_counter.h"

#include <cmath>

namespace qvutt {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr char kMidnight[] = "00:00:00";

void put_two_digits(std::string& text, long value) {
  text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

void UptimeCounter::reset() { accumulator_ = 0.0; }

void UptimeCounter::tick(UptimeTexts& shown) {
  // The count runs downwards: a negative date's time of day is read from the
  // magnitude of its fraction, so the text still counts up from 00:00:01.
  const double step = 1.0 / 24 / 60 / 60;
  accumulator_ -= step;
  shown.time = time_of_day_text(accumulator_);
  if (shown.time == kMidnight) shown.days = incremented_decimal(shown.days);
}

std::string time_of_day_text(double date) {
  double whole_days = 0.0;
  const double seconds = std::fabs(std::modf(date, &whole_days)) * kSecondsPerDay;
  auto total = static_cast<long>(seconds);
  // Only a remainder of more than half a second rounds up; the sum of many steps
  // lands a hair either side of the exact second, so truncating would lose one.
  if (seconds - static_cast<double>(total) > 0.5) ++total;
  total %= static_cast<long>(kSecondsPerDay);

  std::string text;
  text.reserve(8);
  put_two_digits(text, total / 3600);
  text.push_back(':');
  put_two_digits(text, total / 60 % 60);
  text.push_back(':');
  put_two_digits(text, total % 60);
  return text;
}

std::string incremented_decimal(std::string digits) {
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return digits;
    }
    *digit = '0';
  }
  digits.insert(digits.begin(), '1');
  return digits;
}

}  // namespace qvutt
