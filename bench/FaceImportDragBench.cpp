// The 导入肖像 window on a 4000 x 3000 photo: one step of dragging the large frame (the mouse
// event, the three previews from the shrunk copy and the picture view painted) and the exact
// previews from the full photo when the mouse lets go. Each prints its time and, as the counter
// "x_paint_view", its ratio to plainly painting the view's picture once. The budgets are a frame
// (16 ms) for a drag step and a quarter of a second for the exact previews, which come once, when
// the mouse lets go or the wheel rests (a 3000-pixel square is cut and halved three times).
#include <benchmark/benchmark.h>

#include "BaselineRatio.h"
#include "QtBenchmarkMain.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>

#include "support/TempFolder.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/portraits/FaceCropView.h"
#include "ui/portraits/FaceImportWindow.h"

namespace {

using Frame = tavlor::FaceCropView::Frame;

// A photo-sized picture with smooth gradients (a solid one would scale faster than a photo).
QString WritePhoto(const tavlor::testing::TempFolder& folder) {
  QImage photo(4000, 3000, QImage::Format_RGB888);
  QPainter painter(&photo);
  QRadialGradient gradient(QPointF(1800, 1300), 2200);
  gradient.setColorAt(0, QColor(0xe8, 0xc0, 0xa0));
  gradient.setColorAt(0.5, QColor(0x60, 0x80, 0xb0));
  gradient.setColorAt(1, QColor(0x20, 0x30, 0x18));
  painter.fillRect(photo.rect(), gradient);
  painter.end();
  const QString file = QString::fromStdString((folder / "photo.png").string());
  photo.save(file);
  return file;
}

struct PhotoWindow {
  tavlor::testing::TestPrompter prompter;
  tavlor::testing::TempFolder pictures;
  tavlor::testing::RunningProgram program;
  tavlor::FaceImportWindow* window =
      tavlor::ShowFaceImportWindow(*program.Context, program.List.get(), {tavlor::FaceSet::Edit, 0});
  QImage canvas;

  bool Open() {
    prompter.ChooseNextFile(WritePhoto(pictures));
    window->Command_ChoosePicture->click();
    window->CropView->resize(560, 480);
    canvas = QImage(window->CropView->size(), QImage::Format_ARGB32_Premultiplied);
    return window->CropView->Picture().size() == QSize(4000, 3000);
  }
  void Send(QEvent::Type type, QPointF at, Qt::MouseButtons held) const {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, window->CropView->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window->CropView, &event);
  }
  void PaintView() {
    QPainter painter(&canvas);
    window->CropView->render(&painter);
  }
  // The baseline: the picture drawn once at the view's size from a copy already that size.
  void PaintPlainly(const QImage& shown) {
    QPainter painter(&canvas);
    painter.drawImage(QPoint(), shown);
  }
};

void BM_DragStepOnAPhoto(benchmark::State& state) {
  PhotoWindow setUp;
  if (!setUp.Open()) {
    state.SkipWithError("the photo did not open");
    return;
  }
  const QImage shown = setUp.window->CropView->Picture().scaled(560, 420);
  const QPointF start =
      setUp.window->CropView->ToWidget(setUp.window->CropView->FrameRect(Frame::Large)).center();
  setUp.Send(QEvent::MouseButtonPress, start, Qt::LeftButton);
  int step = 0;
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_paint_view",
      [&] {
        step = (step + 1) % 60;  // back and forth across the view
        setUp.Send(QEvent::MouseMove, start + QPointF(step < 30 ? -step : step - 60, 0), Qt::LeftButton);
        setUp.PaintView();
      },
      [&] { setUp.PaintPlainly(shown); });
  setUp.Send(QEvent::MouseButtonRelease, start, Qt::NoButton);
}
BENCHMARK(BM_DragStepOnAPhoto)->Unit(benchmark::kMillisecond);

void BM_ExactPreviewsOfAPhoto(benchmark::State& state) {
  PhotoWindow setUp;
  if (!setUp.Open()) {
    state.SkipWithError("the photo did not open");
    return;
  }
  const QImage shown = setUp.window->CropView->Picture().scaled(560, 420);
  tavlor::bench::MeasureAgainstBaseline(
      state, "x_paint_view", [&] { setUp.window->ShowExactPreviews(); }, [&] { setUp.PaintPlainly(shown); });
}
BENCHMARK(BM_ExactPreviewsOfAPhoto)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavlor::bench::RunWithWidgets(argc, argv);
}
