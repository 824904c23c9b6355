// Times a piece of work under the benchmark and, in every round, a plain baseline right after it,
// so that both see the same repetitions and the same state of the machine. The counter `counter`
// is the median over the rounds of work time / baseline time: one round disturbed by the machine
// moves the median little, where a ratio of sums would carry it whole.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace tavlor::bench {

template <typename Work, typename Baseline>
void MeasureAgainstBaseline(benchmark::State& state, const char* counter, Work work, Baseline baseline) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> ratios;
  for (auto _ : state) {
    const auto workStart = Clock::now();
    work();
    const auto workTime = Clock::now() - workStart;
    state.PauseTiming();  // the baseline is not part of the work's time
    const auto baselineStart = Clock::now();
    baseline();
    const auto baselineTime = Clock::now() - baselineStart;
    state.ResumeTiming();
    ratios.push_back(static_cast<double>(workTime.count()) /
                     static_cast<double>(std::max<Clock::rep>(1, baselineTime.count())));
  }
  if (ratios.empty()) return;
  const auto middle = ratios.begin() + static_cast<std::ptrdiff_t>(ratios.size() / 2);
  std::nth_element(ratios.begin(), middle, ratios.end());
  state.counters[counter] = *middle;
}

}  // namespace tavlor::bench
