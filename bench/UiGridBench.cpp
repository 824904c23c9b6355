// Filling the list window's grid with 1000 generals (ResetMflx). Prints its time and, as the
// counter "x_plain_model", its ratio to filling a plain QStandardItemModel of 1000 rows and three
// columns with the same texts, already decoded.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <QStandardItemModel>
#include <QStringList>
#include <chrono>

#include "core/editor/GridRows.h"
#include "core/text/TextTables.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form2.h"

namespace {

void BM_ResetMflx1000(benchmark::State& state) {
  tavlor::SharedTextTables() = *tavlor::testing::SmallTextTables();
  tavlor::ProgramContext context;
  context.Table = *tavlor::testing::SampleTable(1000);
  tavlor::Form2 list(context);

  // The same texts the grid shows, already decoded.
  QStringList texts;
  for (const auto& row : tavlor::GridRowsOfTable(context.Table, tavlor::SharedTextTables(), true)) {
    texts << tavlor::FromGbk(row.Number.Text) << tavlor::FromGbk(row.Name.Text)
          << tavlor::FromGbk(row.Appear.Text);
  }

  tavlor::bench::MeasureAgainstBaseline(
      state, "x_plain_model",
      [&] {
        list.ClearGrid();
        list.ResetMflx();
        benchmark::DoNotOptimize(list.FlexRows());
      },
      [&] {
        QStandardItemModel model(static_cast<int>(texts.size() / 3), 3);
        for (qsizetype i = 0; i < texts.size(); ++i)
          model.setItem(static_cast<int>(i / 3), static_cast<int>(i % 3), new QStandardItem(texts[i]));
        benchmark::DoNotOptimize(model.rowCount());
      });
}
BENCHMARK(BM_ResetMflx1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
