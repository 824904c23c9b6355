// Drawing a help picture: whole, never stretched out of shape, never enlarged past twice its size.
#include "ui/lang/HelpPictureBox.h"

#include <QPainter>

#include "ui/chrome/Artwork.h"

namespace tavlor {
namespace {

constexpr int kRim = 3;               // the gold rim and the gap inside it
constexpr qreal kMostEnlarged = 1.5;  // small pictures grow a little and stay crisp

}  // namespace

HelpPictureBox::HelpPictureBox(QWidget* parent) : QWidget(parent) {}

void HelpPictureBox::SetPicture(const QImage& picture) {
  picture_ = picture;
  missingFile_.clear();
  update();
}

void HelpPictureBox::SetMissingPicture(const QString& fileName) {
  picture_ = QImage();
  missingFile_ = fileName;
  update();
}

void HelpPictureBox::Clear() {
  SetPicture(QImage());
}

void HelpPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.fillRect(rect(), QColor(30, 18, 12));
  painter.setPen(QPen(art::kGold, 1.2));
  painter.drawRect(outer);
  painter.setPen(QPen(art::kGoldDim, 1));
  painter.drawRect(outer.adjusted(2, 2, -2, -2));

  const QRect inside = rect().adjusted(kRim + 1, kRim + 1, -kRim - 1, -kRim - 1);
  if (!picture_.isNull()) {
    const qreal scale = std::min({kMostEnlarged, qreal(inside.width()) / picture_.width(),
                                  qreal(inside.height()) / picture_.height()});
    const QSizeF shown(picture_.width() * scale, picture_.height() * scale);
    const QRectF target(inside.left() + (inside.width() - shown.width()) / 2,
                        inside.top() + (inside.height() - shown.height()) / 2, shown.width(), shown.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
  } else if (!missingFile_.isEmpty()) {
    painter.setFont(art::FieldFont(13));
    painter.setPen(art::kGoldBright);
    painter.drawText(inside.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("无法显示图片\n%1").arg(missingFile_));
  }
}

}  // namespace tavlor
