// Painting the editor window's background (PaintForm1Background). Prints its time and, as the
// counter "x_plain_fill", its ratio to filling a pixmap of the same size with one colour.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <QPainter>
#include <QPixmap>

#include "ui/editor/Form1Background.h"

namespace {

void BM_PaintForm1Background(benchmark::State& state) {
  const QSize size = tavlor::PaintForm1Background().size();
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_plain_fill",
      [] {
        const QPixmap background = tavlor::PaintForm1Background();
        benchmark::DoNotOptimize(background.cacheKey());
      },
      [&] {
        QPixmap plain(size);
        plain.fill(Qt::darkRed);
        benchmark::DoNotOptimize(plain.cacheKey());
      });
}
BENCHMARK(BM_PaintForm1Background)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
