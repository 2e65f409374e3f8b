// The uptime display's arithmetic: one-second steps counted in an OLE
// Automation date, shown as the time of day it holds, with a day count that
// advances each time that time comes round to midnight; a timer's tick takes
// as many steps as it counts seconds. Knows nothing of windows.
#pragma once

#include <cstdint>

#include "text/fixed_text.h"

namespace qvutt {

using ClockText = FixedText<8>;      // hh:mm:ss
using DayCountText = FixedText<20>;  // more days than any machine will run

// What the two displays show; the window's labels hold these texts between ticks.
struct UptimeTexts {
  ClockText time{"00:00:00"};
  DayCountText days{"0"};
};

class UptimeCounter {
 public:
  void reset();
  // A tick of the timer elapsed_microseconds after the reset: one step for
  // each second it counts (seconds_to_count), in order, so a gap over
  // midnight still adds its day.
  void tick_at(std::int64_t elapsed_microseconds, UptimeTexts& shown);
  // One second's step.
  void tick(UptimeTexts& shown);

 private:
  double accumulator_ = 0.0;
  std::int64_t clock_seconds_ = 0;  // counted of the clock, ticks sent from outside apart
};

// "hh:mm:ss" of the time of day of an OLE Automation date: the magnitude of its
// fraction, rounded to the nearest second, with ':' whatever the locale.
ClockText time_of_day_text(double date);

// Adds one to a non-negative decimal text, carrying into a new digit as needed.
void increment_decimal(DayCountText& digits);

}  // namespace qvutt
