// Picking a general: a click on a grid row of the list window until the editor shows the general
// with its five portraits (its own and those of its father, affinity, favoured and disliked
// generals) painted, on a game-sized folder. Prints its time and, as the counter "x_scale_faces",
// its ratio to plainly scaling the five shown faces into their boxes.
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "GameSizedProgram.h"
#include "QtBenchmarkMain.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/portraits/FaceDrawing.h"

namespace {

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
  const tavlor::testing::RunningProgram running(
      tavlor::testing::RunningProgramOptions().WithProgramFolder(program.Folder()));
  const tavlor::Form1& editor = *running.Editor;

  std::vector<tavlor::PortraitBox*> boxes = {editor.CG_PIC};
  for (tavlor::PortraitBox* box : editor.PIC_SWJ) boxes.push_back(box);
  std::vector<QImage> canvases;
  for (const auto* box : boxes) canvases.emplace_back(box->size(), QImage::Format_ARGB32_Premultiplied);

  int row = 0;
  int shown = 0, picks = 0;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_scale_faces",
      [&] {
        row = row % 1000 + 1;                       // every pick a different general
        const bool clicked = running.PickRow(row);  // a left click in the middle of the name cell
        for (std::size_t i = 0; i < boxes.size(); ++i) Paint(boxes[i], canvases[i]);
        ++picks;
        if (clicked && running.Context->SelectedSlot == row - 1 &&
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
