// Times a piece of work under the benchmark, then runs a plain baseline as many times in the same
// run, and reports the work's time as a ratio to the baseline's in the counter `counter`.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace tavlor::bench {

template <typename Work, typename Baseline>
void MeasureAgainstBaseline(benchmark::State& state, const char* counter, Work work, Baseline baseline) {
  using Clock = std::chrono::steady_clock;
  Clock::duration workTime{};
  int64_t rounds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    work();
    workTime += Clock::now() - start;
    ++rounds;
  }
  const auto start = Clock::now();
  for (int64_t i = 0; i < rounds; ++i) baseline();
  const auto baselineTime = Clock::now() - start;
  state.counters[counter] = static_cast<double>(workTime.count()) /
                            static_cast<double>(std::max<Clock::rep>(1, baselineTime.count()));
}

}  // namespace tavlor::bench
