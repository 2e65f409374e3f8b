// Time since a start, on the system's unbiased interrupt time (Windows 7 and
// later): steady, blind to any change of the date or the time of day, and
// still while the machine sleeps or hibernates, when no timer ticks either.
// So the uptime is the time the program ran with the machine awake, and a
// wake-up adds nothing to it. It moves on the system clock tick (15.625 ms by
// default), as the timers do; the tick schedule allows for that.
#pragma once

#include <windows.h>

#include <cstdint>

namespace qvutt {

class MonotonicClock {
 public:
  MonotonicClock() { restart(); }

  void restart() { QueryUnbiasedInterruptTime(&start_); }

  std::int64_t elapsed_microseconds() const {
    ULONGLONG now = 0;
    QueryUnbiasedInterruptTime(&now);
    return static_cast<std::int64_t>(now - start_) / 10;  // from hundreds of nanoseconds
  }

 private:
  ULONGLONG start_ = 0;
};

}  // namespace qvutt
