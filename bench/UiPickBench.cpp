// Picking a general: a click on a grid row of the list window until the editor shows the general
// with its five portraits (its own and those of its father, affinity, favoured and disliked
// generals) painted, on a game-sized folder. Prints its time and, as the counter "x_scale_faces",
// its ratio to plainly scaling the five shown faces into their boxes.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "GameSizedProgram.h"
#include "QtBenchmarkMain.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <vector>

#include "support/TestPrompter.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/portraits/FaceDrawing.h"

namespace {

// A left click in the middle of the name cell of grid row `row`, as the mouse makes it.
void ClickRow(QTableWidget* grid, int row) {
  QTableWidgetItem* cell = grid->item(row - 1, 2);
  if (cell == nullptr) return;
  grid->scrollToItem(cell);
  const QPointF at = grid->visualItemRect(cell).center();
  const QPointF global = grid->viewport()->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &release);
}

// Paints the box as the screen would.
void Paint(tavlor::PortraitBox* box, QImage& canvas) {
  QPainter painter(&canvas);
  box->render(&painter);
}

void BM_PickGeneralWithFivePortraits(benchmark::State& state) {
  tavlor::bench::GameSizedProgram program;
  if (!program.Ready()) {
    state.SkipWithError("this build paints no demo game");
    return;
  }
  tavlor::testing::TestPrompter prompter;
  tavlor::ProgramContext context;
  context.ProgramFolder = program.Folder();
  tavlor::Form1 editor(context);
  tavlor::Form2 list(context);
  tavlor::RunStartup(context, editor, list);

  std::vector<tavlor::PortraitBox*> boxes = {editor.CG_PIC};
  for (tavlor::PortraitBox* box : editor.PIC_SWJ) boxes.push_back(box);
  std::vector<QImage> canvases;
  for (const auto* box : boxes) canvases.emplace_back(box->size(), QImage::Format_ARGB32_Premultiplied);

  int row = 0;
  int shown = 0, picks = 0;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_scale_faces",
      [&] {
        row = row % 1000 + 1;  // every pick a different general
        ClickRow(list.MFLX, row);
        for (std::size_t i = 0; i < boxes.size(); ++i) Paint(boxes[i], canvases[i]);
        ++picks;
        if (context.SelectedSlot == row - 1 &&
            std::none_of(boxes.begin(), boxes.end(), [](auto* box) { return box->IsEmpty(); }))
          ++shown;
      },
      [&] {
        for (std::size_t i = 0; i < boxes.size(); ++i) {
          const QImage scaled =
              boxes[i]->Face().scaled(boxes[i]->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
          benchmark::DoNotOptimize(scaled.constBits());
        }
      });
  if (!prompter.Messages().isEmpty())
    state.SkipWithError(prompter.Texts().join(QStringLiteral(" | ")).toStdString().c_str());
  else if (shown != picks)
    state.SkipWithError("a picked general was not shown with five portraits");
}
BENCHMARK(BM_PickGeneralWithFivePortraits)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
