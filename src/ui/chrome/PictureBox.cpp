// A picture box that reports the mouse.
#include "ui/chrome/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavlor {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void PictureBox::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

QSize PictureBox::sizeHint() const {
  return picture_.isNull() ? QSize(16, 16) : picture_.deviceIndependentSize().toSize();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit MouseDown(event->button(), event->buttons(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(event->buttons(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseUp(event->button(), event->position().toPoint());
}

}  // namespace tavlor
