// A picture box: shows one picture at its top-left corner and reports the mouse, the way the
// editor's picture buttons and options are driven.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavlor {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }
  QSize sizeHint() const override;

 signals:
  // `buttons` is the state after the press: Qt::LeftButton alone is the "left button only" case.
  void MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint position);
  void MouseMove(Qt::MouseButtons buttons, QPoint position);
  void MouseUp(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace tavlor
