// The crest: a ring, five rounded petals and a centre, in graded gold.
#include "ui/app/ProgramArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>

#include "ui/chrome/Artwork.h"

namespace tavlor {

void PaintCrest(QPainter& painter, const QRectF& area, qreal opacity) {
  const qreal side = std::min(area.width(), area.height());
  const QPointF centre = area.center();
  const qreal radius = side / 2;

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setOpacity(opacity);

  QRadialGradient gold(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
  gold.setColorAt(0.0, art::kGoldBright);
  gold.setColorAt(0.6, art::kGold);
  gold.setColorAt(1.0, art::kGoldDim);

  // The ring.
  QPainterPath ring;
  ring.addEllipse(centre, radius, radius);
  ring.addEllipse(centre, radius * 0.86, radius * 0.86);
  painter.fillPath(ring, gold);

  // Five petals, each a rounded lobe pointing outwards, lit from the centre.
  QRadialGradient petalGold(centre, radius * 0.8);
  petalGold.setColorAt(0.0, art::kGoldBright);
  petalGold.setColorAt(1.0, art::kGold);
  for (int petal = 0; petal < 5; ++petal) {
    const qreal angle = -90.0 + petal * 72.0;
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    QPainterPath lobe;
    lobe.moveTo(0, 0);
    lobe.cubicTo(radius * 0.20, -radius * 0.30, radius * 0.78, -radius * 0.36, radius * 0.70, 0);
    lobe.cubicTo(radius * 0.78, radius * 0.36, radius * 0.20, radius * 0.30, 0, 0);
    painter.fillPath(lobe, petalGold);
    painter.setPen(QPen(art::kLacquerDeep, std::max<qreal>(1.0, radius * 0.025)));
    painter.drawLine(QPointF(radius * 0.18, 0), QPointF(radius * 0.58, 0));
    painter.restore();
  }

  // The centre.
  painter.setPen(QPen(art::kLacquerDeep, std::max<qreal>(1.0, radius * 0.03)));
  painter.setBrush(art::kVermilion);
  painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
  painter.restore();
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(art::kLacquerRed);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    PaintCrest(painter, QRectF(size * 0.08, size * 0.08, size * 0.84, size * 0.84));
    painter.end();
    icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace tavlor
