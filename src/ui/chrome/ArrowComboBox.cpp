// The drop-down list with a painted gold arrow.
#include "ui/chrome/ArrowComboBox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionComboBox>

#include "ui/chrome/Artwork.h"

namespace tavlor {

void ArrowComboBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect button = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
  if (button.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = QRectF(button).center();
  QPainterPath arrow;
  arrow.moveTo(centre + QPointF(-4, -2));
  arrow.lineTo(centre + QPointF(4, -2));
  arrow.lineTo(centre + QPointF(0, 3));
  arrow.closeSubpath();
  painter.fillPath(arrow, isEnabled() ? art::kGoldBright : art::kGoldDim);
}

}  // namespace tavlor
