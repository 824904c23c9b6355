// Filtering the list of 1000 generals on one keystroke, with the shipped tables. The baseline scans
// the same 1000 names for the same bytes with plain std::string::find.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "BaselineRatio.h"
#include "core/editor/GeneralSearch.h"
#include "core/text/TextTables.h"
#include "support/RandomTable.h"
#include "support/ShippedFiles.h"

namespace {

using namespace tavlor;

void BM_FilterThousandGeneralsPerKeystroke(benchmark::State& state) {
  LoadAllTextTables(testing::ShippedFolder());
  std::mt19937 random(4);
  const auto table = testing::RandomTable(random, 1000);
  const GeneralSearchIndex index = BuildSearchIndex(*table, SharedTextTables());
  const std::string typed = "\xd6\xaf";  // 织
  bench::MeasureAgainstBaseline(
      state, "ratio_to_plain_find",
      [&] {
        benchmark::DoNotOptimize(
            FindGenerals(index, typed, AppearFilter::All, SharedTextTables(), true).size());
      },
      [&] {
        std::size_t hits = 0;
        for (const auto& entry : index.Entries) hits += entry.Name.find(typed) != std::string::npos;
        benchmark::DoNotOptimize(hits);
      });
}

void BM_BuildSearchIndexOfThousandGenerals(benchmark::State& state) {
  LoadAllTextTables(testing::ShippedFolder());
  std::mt19937 random(4);
  const auto table = testing::RandomTable(random, 1000);
  for (auto _ : state) benchmark::DoNotOptimize(BuildSearchIndex(*table, SharedTextTables()).Entries.size());
}

}  // namespace

BENCHMARK(BM_FilterThousandGeneralsPerKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildSearchIndexOfThousandGenerals)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
