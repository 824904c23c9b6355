// The crop view: frames kept in picture pixels, the mouse mapped into the picture and back.
#include "ui/portraits/FaceCropView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/portraits/FaceSet.h"
#include "imaging/FacePicture.h"
#include "ui/app/TextCodec.h"

namespace tavlor {
namespace {

constexpr int kSmallestFrame = 16;  // picture pixels: a frame stays large enough to grab
constexpr double kHandleReach = 7;  // widget pixels around a corner that resize the frame
constexpr double kWheelStep = 0.9;  // one wheel notch shrinks the frame to nine tenths

const QColor kFrameColours[3] = {QColor(0xf0, 0xd6, 0x8c), QColor(0x7f, 0xd0, 0xff),
                                 QColor(0xff, 0x9a, 0xd0)};
const char* const kFrameLabels[3] = {"大", "中", "小"};

// The shapes the rule was made for: a medium face 4:5 and a small face square.
const QSize kNominalShapes[3] = {QSize(1, 1), QSize(4, 5), QSize(1, 1)};

bool SameShape(const QSize& a, const QSize& b) {
  return static_cast<int64_t>(a.width()) * b.height() == static_cast<int64_t>(a.height()) * b.width();
}

QPointF CentreOf(const QRect& rect) {
  return QPointF(rect.x() + rect.width() / 2.0, rect.y() + rect.height() / 2.0);
}

}  // namespace

FaceCropView::FaceCropView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(320, 280);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::StrongFocus);
}

void FaceCropView::SetPicture(const QImage& picture, bool keepFrames) {
  const bool sameSize = !picture_.isNull() && picture.size() == picture_.size();
  picture_ = picture;
  drag_ = DragKind::None;
  if (!(keepFrames && sameSize)) {
    adjusted_ = {};
    if (!picture_.isNull()) {
      const QRect square = imaging::DefaultFaceSquare(picture_.size());
      frames_[Index(Frame::Large)] = FitFrame(Frame::Large, CentreOf(square), square.width());
    } else {
      frames_ = {};
    }
  }
  UpdateFollowers();
  RebuildShownPicture();
  update();
  emit framesChanged();
}

void FaceCropView::SetFaceSizes(const std::array<QSize, 3>& sizes) {
  for (int i = 0; i < 3; ++i)
    if (sizes[i].width() > 0 && sizes[i].height() > 0) sizes_[i] = sizes[i];
  if (!picture_.isNull()) {
    const QRect large = frames_[Index(Frame::Large)];
    frames_[Index(Frame::Large)] = FitFrame(Frame::Large, CentreOf(large), large.width());
    UpdateFollowers();
    update();
    emit framesChanged();
  }
}

QRect FaceCropView::FrameRect(Frame frame) const {
  return picture_.isNull() ? QRect() : frames_[Index(frame)];
}

void FaceCropView::SetFrameRect(Frame frame, const QRect& rect) {
  if (picture_.isNull()) return;
  Place(frame, FitFrame(frame, CentreOf(rect), rect.width()));
}

void FaceCropView::FollowRule() {
  adjusted_ = {};
  UpdateFollowers();
  update();
  emit framesChanged();
}

void FaceCropView::SetActiveFrame(Frame frame) {
  active_ = frame;
  update();
}

QRect FaceCropView::FitFrame(Frame frame, QPointF centre, double width) const {
  const QSize shape = sizes_[Index(frame)];
  const double heightPerWidth = static_cast<double>(shape.height()) / shape.width();
  const int pictureWidth = picture_.width(), pictureHeight = picture_.height();
  const double widest = std::min<double>(pictureWidth, pictureHeight / heightPerWidth);
  width = std::clamp(width, std::min<double>(kSmallestFrame, widest), widest);
  const int w = std::clamp(static_cast<int>(std::lround(width)), 1, pictureWidth);
  const int h = std::clamp(static_cast<int>(std::lround(w * heightPerWidth)), 1, pictureHeight);
  const int x = std::clamp(static_cast<int>(std::lround(centre.x() - w / 2.0)), 0, pictureWidth - w);
  const int y = std::clamp(static_cast<int>(std::lround(centre.y() - h / 2.0)), 0, pictureHeight - h);
  return QRect(x, y, w, h);
}

QRect FaceCropView::RuleFrame(Frame frame) const {
  const QRect large = frames_[Index(Frame::Large)];
  // The rule starts from a square; a large face of another shape gives its centred square.
  const int side = std::min(large.width(), large.height());
  const QRect square(large.x() + (large.width() - side) / 2, large.y() + (large.height() - side) / 2, side,
                     side);
  const QRect rule = imaging::FaceRegion(frame == Frame::Medium ? FaceSizeKind::Medium : FaceSizeKind::Small,
                                         square, picture_.size());
  const QSize shape = sizes_[Index(frame)];
  if (SameShape(shape, kNominalShapes[Index(frame)])) return rule;
  // A face stored at another shape: the rule's centre, the widest frame of that shape within the
  // rule's region.
  const double width = std::min<double>(rule.width(), rule.height() * shape.width() / double(shape.height()));
  return FitFrame(frame, CentreOf(rule), width);
}

void FaceCropView::UpdateFollowers() {
  if (picture_.isNull()) return;
  const QRect large = frames_[Index(Frame::Large)];
  const QPointF largeCentre = CentreOf(large);
  for (Frame frame : {Frame::Medium, Frame::Small}) {
    const int i = Index(frame);
    if (!adjusted_[i]) {
      frames_[i] = RuleFrame(frame);
      continue;
    }
    const RelativePlace& place = relative_[i];
    const QPointF centre = largeCentre + QPointF(place.CentreX, place.CentreY) * large.width();
    frames_[i] = FitFrame(frame, centre, place.Width * large.width());
  }
}

void FaceCropView::Place(Frame frame, const QRect& rect) {
  const int i = Index(frame);
  frames_[i] = rect;
  if (frame != Frame::Large) {
    const QRect large = frames_[Index(Frame::Large)];
    const QPointF offset = (CentreOf(rect) - CentreOf(large)) / large.width();
    relative_[i] = {offset.x(), offset.y(), static_cast<double>(rect.width()) / large.width()};
    adjusted_[i] = true;
  }
  UpdateFollowers();
  update();
  emit framesChanged();
}

QRectF FaceCropView::PictureArea() const {
  if (picture_.isNull()) return QRectF();
  const double scale = std::min(width() / double(picture_.width()), height() / double(picture_.height()));
  const QSizeF size(picture_.width() * scale, picture_.height() * scale);
  return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QRectF FaceCropView::ToWidget(const QRect& pictureRect) const {
  const QRectF area = PictureArea();
  if (area.isEmpty()) return QRectF();
  const double scale = area.width() / picture_.width();
  return QRectF(area.x() + pictureRect.x() * scale, area.y() + pictureRect.y() * scale,
                pictureRect.width() * scale, pictureRect.height() * scale);
}

QPointF FaceCropView::ToPicture(QPointF widgetPoint) const {
  const QRectF area = PictureArea();
  const double scale = area.width() / picture_.width();
  return (widgetPoint - area.topLeft()) / scale;
}

int FaceCropView::CornerUnder(QPointF widgetPoint) const {
  const QRectF frame = ToWidget(frames_[Index(active_)]);
  const QPointF corners[4] = {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft()};
  for (int corner = 0; corner < 4; ++corner) {
    const QPointF distance = widgetPoint - corners[corner];
    if (std::abs(distance.x()) <= kHandleReach && std::abs(distance.y()) <= kHandleReach) return corner;
  }
  return -1;
}

void FaceCropView::RebuildShownPicture() {
  const QRectF area = PictureArea();
  shown_ = area.isEmpty() ? QPixmap()
                          : QPixmap::fromImage(picture_.scaled(area.size().toSize(), Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation));
}

void FaceCropView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RebuildShownPicture();
}

void FaceCropView::mousePressEvent(QMouseEvent* event) {
  if (picture_.isNull() || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPointF point = event->position();
  const QRect frame = frames_[Index(active_)];
  const int corner = CornerUnder(point);
  if (corner >= 0) {
    // The opposite corner stays where it is.
    const QPointF corners[4] = {QPointF(frame.x(), frame.y()), QPointF(frame.x() + frame.width(), frame.y()),
                                QPointF(frame.x() + frame.width(), frame.y() + frame.height()),
                                QPointF(frame.x(), frame.y() + frame.height())};
    anchor_ = corners[(corner + 2) % 4];
    drag_ = DragKind::Resize;
    return;
  }
  dragStart_ = ToPicture(point);
  if (!ToWidget(frame).contains(point)) {
    // A press beside the frame brings the frame there, to be dragged on from that place.
    Place(active_, FitFrame(active_, dragStart_, frame.width()));
  }
  frameAtStart_ = frames_[Index(active_)];
  drag_ = DragKind::Move;
  setCursor(Qt::ClosedHandCursor);
}

void FaceCropView::mouseMoveEvent(QMouseEvent* event) {
  if (picture_.isNull()) return;
  const QPointF point = event->position();
  if (drag_ == DragKind::None) {
    const int corner = CornerUnder(point);
    if (corner >= 0)
      setCursor(corner % 2 == 0 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    else if (ToWidget(frames_[Index(active_)]).contains(point))
      setCursor(Qt::OpenHandCursor);
    else
      unsetCursor();
    return;
  }
  const QPointF at = ToPicture(point);
  if (drag_ == DragKind::Move) {
    Place(active_, FitFrame(active_, CentreOf(frameAtStart_) + (at - dragStart_), frameAtStart_.width()));
    return;
  }
  // Resizing: the frame spans from the fixed corner towards the pointer, as far as the picture lets.
  const QSize shape = sizes_[Index(active_)];
  const double heightPerWidth = static_cast<double>(shape.height()) / shape.width();
  const bool right = at.x() >= anchor_.x(), down = at.y() >= anchor_.y();
  const double roomAcross = right ? picture_.width() - anchor_.x() : anchor_.x();
  const double roomDown = down ? picture_.height() - anchor_.y() : anchor_.y();
  double width = std::max(std::abs(at.x() - anchor_.x()), std::abs(at.y() - anchor_.y()) / heightPerWidth);
  width = std::min({width, roomAcross, roomDown / heightPerWidth});
  width = std::max(width, std::min<double>(kSmallestFrame, std::min(roomAcross, roomDown / heightPerWidth)));
  const double height = width * heightPerWidth;
  const QPointF centre(anchor_.x() + (right ? width : -width) / 2,
                       anchor_.y() + (down ? height : -height) / 2);
  Place(active_, FitFrame(active_, centre, width));
}

void FaceCropView::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == DragKind::None || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  drag_ = DragKind::None;
  setCursor(Qt::OpenHandCursor);
  emit dragFinished();
}

void FaceCropView::Zoom(double notches) {
  const QRect frame = frames_[Index(active_)];
  Place(active_, FitFrame(active_, CentreOf(frame), frame.width() * std::pow(kWheelStep, notches)));
}

void FaceCropView::wheelEvent(QWheelEvent* event) {
  if (picture_.isNull() || event->angleDelta().y() == 0) return QWidget::wheelEvent(event);
  Zoom(event->angleDelta().y() / 120.0);
  event->accept();
}

void FaceCropView::keyPressEvent(QKeyEvent* event) {
  if (picture_.isNull()) return QWidget::keyPressEvent(event);
  // One step is one pixel on the screen, however large the picture.
  const double screenPixel = picture_.width() / std::max(1.0, PictureArea().width());
  const double step =
      std::max(1.0, std::round(screenPixel)) * (event->modifiers() & Qt::ShiftModifier ? 10 : 1);
  QPointF move;
  switch (event->key()) {
    case Qt::Key_Left:
      move = QPointF(-step, 0);
      break;
    case Qt::Key_Right:
      move = QPointF(step, 0);
      break;
    case Qt::Key_Up:
      move = QPointF(0, -step);
      break;
    case Qt::Key_Down:
      move = QPointF(0, step);
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return Zoom(1);
    case Qt::Key_Minus:
      return Zoom(-1);
    default:
      return QWidget::keyPressEvent(event);
  }
  const QRect frame = frames_[Index(active_)];
  Place(active_, FitFrame(active_, CentreOf(frame) + move, frame.width()));
}

void FaceCropView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0x1a, 0x0e, 0x0a));
  if (picture_.isNull()) {
    painter.setPen(QColor(0xc9, 0xa1, 0x4a));
    painter.drawText(rect(), Qt::AlignCenter, InInterfaceScript(QStringLiteral("按“选择图片…”打开一张图片")));
    return;
  }
  const QRectF area = PictureArea();
  painter.drawPixmap(area, shown_, QRectF(shown_.rect()));

  // What the large face leaves out is dimmed.
  const QRectF large = ToWidget(frames_[Index(Frame::Large)]);
  QPainterPath outside;
  outside.setFillRule(Qt::OddEvenFill);
  outside.addRect(area);
  outside.addRect(large);
  painter.fillPath(outside, QColor(0, 0, 0, 110));

  painter.setRenderHint(QPainter::Antialiasing, false);
  QFont labelFont = font();
  labelFont.setPixelSize(13);
  labelFont.setBold(true);
  painter.setFont(labelFont);
  // The active frame is drawn last, so its handles are never hidden under another frame.
  std::array<Frame, 3> order = {Frame::Small, Frame::Medium, Frame::Large};
  std::stable_partition(order.begin(), order.end(), [this](Frame frame) { return frame != active_; });
  for (Frame frame : order) {
    const int i = Index(frame);
    const QRectF box = ToWidget(frames_[i]).adjusted(0, 0, -1, -1);
    const bool active = frame == active_;
    QPen pen(kFrameColours[i], active ? 2 : 1, active ? Qt::SolidLine : Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    const QRectF label(box.x() + 1, box.y() + 1, 16, 16);
    painter.fillRect(label, QColor(0, 0, 0, 150));
    painter.drawText(label, Qt::AlignCenter, InInterfaceScript(QString::fromUtf8(kFrameLabels[i])));
    if (!active) continue;
    for (const QPointF corner : {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()}) {
      const QRectF handle(corner.x() - 4, corner.y() - 4, 8, 8);
      painter.fillRect(handle, kFrameColours[i]);
      painter.setPen(QColor(0x2a, 0x17, 0x11));
      painter.drawRect(handle);
    }
  }
}

}  // namespace tavlor
