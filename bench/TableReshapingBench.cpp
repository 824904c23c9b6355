// Deleting slot 0 of a full table: 999 generals move up and every link is fixed, the lists'
// registered rows follow, and the step is kept for undo. The baseline copies the whole table and
// the lists back (and drops the step), which is also what makes the next round start full again.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "BaselineRatio.h"
#include "core/editor/EditHistory.h"
#include "core/editor/TableReshaping.h"
#include "support/RandomTable.h"

namespace {

using namespace tavlor;

BuiltinGeneralLists ListsFor(const GeneralTable& table) {
  BuiltinGeneralLists lists;
  while (lists.RowCount() < kBuiltinRowCount + table.GeneralCount)
    lists.AppendRow({"name", "1", "2", "3", "4", "5"});
  return lists;
}

void BM_DeleteFirstOfFullTable(benchmark::State& state) {
  std::mt19937 random(21);
  const auto full = testing::RandomTable(random, 1000);
  auto table = std::make_unique<GeneralTable>(*full);
  const BuiltinGeneralLists fullLists = ListsFor(*full);
  BuiltinGeneralLists lists = fullLists;
  EditHistory history;
  bench::MeasureAgainstBaseline(
      state, "ratio_to_copying_table_and_lists",
      [&] {
        history.RecordStep(*table, lists, [&] { return DeleteGenerals({0}, *table, lists) == 1; });
        benchmark::DoNotOptimize(table->GeneralCount);
      },
      [&] {
        *table = *full;
        lists = fullLists;
        history.Clear();
        benchmark::ClobberMemory();
      });
}

}  // namespace

BENCHMARK(BM_DeleteFirstOfFullTable)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
