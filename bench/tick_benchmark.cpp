// What one uptime tick costs: the arithmetic, the formatting, the midnight
// test and, once a day, the day count. Counts heap allocations as it goes.
// And what a tick costs that catches up a day a thread was held up.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "clock/uptime_counter.h"

namespace {

std::atomic<long long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace {

void BM_UptimeTick(benchmark::State& state) {
  qvutt::UptimeCounter counter;
  qvutt::UptimeTexts shown;
  counter.reset();
  const long long allocations_before = allocations;
  for (auto _ : state) {
    counter.tick(shown);
    benchmark::DoNotOptimize(shown);
  }
  state.counters["allocations_per_tick"] = benchmark::Counter(
      static_cast<double>(allocations - allocations_before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UptimeTick);

// A tick a day late, each time: 86,400 seconds counted in one, one step each.
void BM_CatchUpADay(benchmark::State& state) {
  constexpr std::int64_t kDay = 86'400;
  qvutt::UptimeCounter counter;
  qvutt::UptimeTexts shown;
  counter.reset();
  std::int64_t late_by = 0;
  for (auto _ : state) {
    late_by += kDay;
    counter.tick_at(late_by * 1'000'000, shown);
    benchmark::DoNotOptimize(shown);
  }
  state.counters["per_second_caught_up"] = benchmark::Counter(
      kDay, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CatchUpADay)->Unit(benchmark::kMillisecond);

// A day boundary on every call: the day count's increment at its dearest.
void BM_DayCountIncrement(benchmark::State& state) {
  qvutt::DayCountText days("32767");
  for (auto _ : state) {
    qvutt::increment_decimal(days);
    benchmark::DoNotOptimize(days);
  }
}
BENCHMARK(BM_DayCountIncrement);

}  // namespace

BENCHMARK_MAIN();
