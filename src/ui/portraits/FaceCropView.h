// The picture a player imports as a face, shown whole with the three frames that cut the large,
// medium and small faces out of it. The large frame is moved by dragging, zoomed around its centre
// by the wheel and resized by its corners; the medium and small frames follow it by the import rule
// unless the player placed one of them, which then keeps its place relative to the large frame.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <array>

namespace tavlor {

class FaceCropView : public QWidget {
  Q_OBJECT
 public:
  enum class Frame { Large = 0, Medium = 1, Small = 2 };

  explicit FaceCropView(QWidget* parent = nullptr);

  // A new picture: the frames start at the default square and follow the rule again. With
  // `keepFrames` (the same picture read with another fill colour) they stay where they are.
  void SetPicture(const QImage& picture, bool keepFrames = false);
  const QImage& Picture() const { return picture_; }
  bool HasPicture() const { return !picture_.isNull(); }

  // The stored Width x Height of the large, medium and small faces: each frame keeps its aspect.
  void SetFaceSizes(const std::array<QSize, 3>& sizes);
  const std::array<QSize, 3>& FaceSizes() const { return sizes_; }

  // Frames in picture pixels (empty without a picture).
  QRect FrameRect(Frame frame) const;
  // Places a frame (kept inside the picture at its aspect). Placing the medium or small frame marks
  // it as the player's own.
  void SetFrameRect(Frame frame, const QRect& rect);
  bool IsAdjusted(Frame frame) const { return frame != Frame::Large && adjusted_[Index(frame)]; }
  // "按规则": the medium and small frames follow the large one by the rule again.
  void FollowRule();

  // Which frame the mouse moves.
  void SetActiveFrame(Frame frame);
  Frame ActiveFrame() const { return active_; }
  // Whether a mouse button is holding a frame now (previews may be rough meanwhile).
  bool IsDragging() const { return drag_ != DragKind::None; }

  // Where the picture is drawn in the widget, and the scale from picture pixels to the widget's.
  QRectF PictureArea() const;
  QRectF ToWidget(const QRect& pictureRect) const;

  QSize sizeHint() const override { return QSize(560, 480); }

 signals:
  void framesChanged();
  // The mouse let go of a frame: the frames are final until the next change.
  void dragFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // The arrow keys move the active frame by one screen pixel (ten with Shift); + and - zoom it as
  // the wheel does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class DragKind { None, Move, Resize };
  // Where an adjusted frame sits relative to the large frame: its centre's offset and its width, in
  // units of the large frame's width, so that it follows moves and zooms of the large frame.
  struct RelativePlace {
    double CentreX = 0, CentreY = 0, Width = 1;
  };
  static int Index(Frame frame) { return static_cast<int>(frame); }

  // A rectangle of `frame`'s aspect with this centre and width, shrunk to fit the picture and moved
  // inside it.
  QRect FitFrame(Frame frame, QPointF centre, double width) const;
  QRect RuleFrame(Frame frame) const;
  void UpdateFollowers();
  void Place(Frame frame, const QRect& rect);  // the active frame changed by the mouse or keys
  void Zoom(double notches);                   // the active frame around its centre
  QPointF ToPicture(QPointF widgetPoint) const;
  int CornerUnder(QPointF widgetPoint) const;  // 0..3 (top-left clockwise) or -1
  void RebuildShownPicture();

  QImage picture_;
  QPixmap shown_;  // the picture at its drawn size, so painting never scales the full picture
  std::array<QSize, 3> sizes_{QSize(240, 240), QSize(96, 120), QSize(60, 60)};
  std::array<QRect, 3> frames_{};
  std::array<bool, 3> adjusted_{};
  std::array<RelativePlace, 3> relative_{};
  Frame active_ = Frame::Large;

  DragKind drag_ = DragKind::None;
  QPointF dragStart_;  // in picture pixels
  QRect frameAtStart_;
  QPointF anchor_;  // the corner that stays put while resizing, in picture pixels
};

}  // namespace tavlor
