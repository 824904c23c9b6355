// Filling the list window's grid with 1000 generals (ResetMflx). Prints its time and, as the
// counter "x_stringlist", its ratio to filling a plain QStringList with the same 3000 texts.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

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
      state, "x_stringlist",
      [&] {
        list.ClearGrid();
        list.ResetMflx();
        benchmark::DoNotOptimize(list.FlexRows());
      },
      [&] {
        QStringList filled;
        filled.reserve(texts.size());
        for (const QString& text : texts) filled.append(QString(text.constData(), text.size()));
        benchmark::DoNotOptimize(filled.size());
      });
}
BENCHMARK(BM_ResetMflx1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
