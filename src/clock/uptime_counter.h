// The uptime display's arithmetic: one-second ticks counted in an OLE Automation
// date, shown as the time of day it holds, with a day count that advances each
// time that time comes round to midnight. Knows nothing of windows.
#pragma once

#include <string>

namespace qvutt {

// What the two displays show; the window's labels hold these texts between ticks.
struct UptimeTexts {
  std::string time = "00:00:00";
  std::string days = "0";
};

class UptimeCounter {
 public:
  void reset();
  void tick(UptimeTexts& shown);

  double accumulator() const { return accumulator_; }

 private:
  double accumulator_ = 0.0;
};

// "hh:mm:ss" of the time of day of an OLE Automation date: the magnitude of its
// fraction, rounded to the nearest second, with ':' whatever the locale.
std::string time_of_day_text(double date);

// The decimal text of one more than a non-negative decimal text, of any length.
std::string incremented_decimal(std::string digits);

}  // namespace qvutt
