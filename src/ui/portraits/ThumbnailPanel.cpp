// The thumbnail board: niches, empty-place crests and the lit frame of the box under the pointer.
#include "ui/portraits/ThumbnailPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/portraits/BrowserArtwork.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/Form_CGBRLayout.h"

namespace tavlor {

namespace layout = form_cgbr_layout;

ThumbnailPanel::ThumbnailPanel(QWidget* parent) : QWidget(parent), board_(PaintThumbnailBoard()) {
  setMouseTracking(true);
  for (int k = 0; k < kBoxCount; ++k) {
    auto* box = new PortraitBox(this);
    box->setObjectName(QStringLiteral("CGBR_%1").arg(k));
    box->setGeometry(layout::Thumbnail(k));
    // The board decides what a move or press over a box means.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    boxes_[k] = box;
  }
}

void ThumbnailPanel::SetBoxesInUse(int count) {
  boxesInUse_ = std::clamp(count, 0, kBoxCount);
  if (highlighted_ >= boxesInUse_) highlighted_ = -1;
  update();
}

int ThumbnailPanel::BoxAt(QPoint position) const {
  for (int k = 0; k < kBoxCount; ++k) {
    if (boxes_[k]->geometry().contains(position)) return k;
  }
  return -1;
}

void ThumbnailPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, board_);
  for (int k = boxesInUse_; k < kBoxCount; ++k) PaintEmptyNiche(painter, boxes_[k]->geometry());
  if (highlighted_ >= 0) PaintThumbnailHighlight(painter, boxes_[highlighted_]->geometry());
}

void ThumbnailPanel::mouseMoveEvent(QMouseEvent* event) {
  const int box = BoxAt(event->position().toPoint());
  SetHighlight(box < boxesInUse_ ? box : -1);
  if (box >= 0) {
    emit boxHovered(box);
  } else {
    emit boardCrossed();
  }
}

void ThumbnailPanel::mousePressEvent(QMouseEvent* event) {
  const int box = BoxAt(event->position().toPoint());
  if (box >= 0) emit boxPressed(box, event->button());
}

void ThumbnailPanel::leaveEvent(QEvent*) {
  SetHighlight(-1);
}

void ThumbnailPanel::SetHighlight(int box) {
  if (box == highlighted_) return;
  // Only the two frames change; the lit frame round a box reaches 7 pixels beyond it.
  for (int k : {highlighted_, box}) {
    if (k >= 0) update(boxes_[k]->geometry().adjusted(-8, -8, 8, 8));
  }
  highlighted_ = box;
}

}  // namespace tavlor
