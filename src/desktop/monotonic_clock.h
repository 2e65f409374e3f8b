// Time since a start, on the performance counter: steady, and blind to any
// change of the date or the time of day.
#pragma once

#include <windows.h>

#include <cstdint>

namespace qvutt {

class MonotonicClock {
 public:
  MonotonicClock() {
    QueryPerformanceFrequency(&frequency_);
    restart();
  }

  void restart() { QueryPerformanceCounter(&start_); }

  std::int64_t elapsed_microseconds() const {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const std::int64_t counts = now.QuadPart - start_.QuadPart;
    const std::int64_t per_second = frequency_.QuadPart;
    // In two parts, so a long run's count times a million cannot overflow.
    return counts / per_second * 1'000'000 + counts % per_second * 1'000'000 / per_second;
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

}  // namespace qvutt
