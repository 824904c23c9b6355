// The city picker's map.
#include "ui/pickers/CityMap.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "ui/chrome/Artwork.h"
#include "ui/chrome/Twips.h"
#include "ui/pickers/CityMapShapes.h"
#include "ui/pickers/Form4Layout.h"

namespace tavlor {
namespace {

namespace layout = form4_layout;

QPointF Pixels(const city_map::MapPoint& point) {
  return {point.X / 15.0, point.Y / 15.0};
}

QPainterPath LandPath() {
  QPainterPath land;
  land.setFillRule(Qt::WindingFill);
  for (std::size_t polygon = 0; polygon + 1 < city_map::kLandStarts.size(); ++polygon) {
    const int first = city_map::kLandStarts[polygon];
    const int end = city_map::kLandStarts[polygon + 1];
    QPolygonF points;
    points.reserve(end - first);
    for (int i = first; i < end; ++i) points << Pixels(city_map::kLandPoints[static_cast<std::size_t>(i)]);
    land.addPolygon(points);
    land.closeSubpath();
  }
  return land;
}

// Pale indigo washi with fibres and a few long horizontal brush streaks.
void PaintSea(QPainter& painter, const QRectF& area) {
  QLinearGradient wash(area.topLeft(), area.bottomRight());
  wash.setColorAt(0, QColor(196, 206, 200));
  wash.setColorAt(0.55, QColor(178, 193, 191));
  wash.setColorAt(1, QColor(160, 178, 180));
  painter.fillRect(area, wash);
  QRandomGenerator random(4242);
  for (int i = 0; i < 70; ++i) {
    const qreal y = area.top() + random.bounded(area.height());
    const qreal x = area.left() + random.bounded(area.width()) - 80;
    const qreal length = 60 + random.bounded(220.0);
    painter.setPen(QPen(QColor(255, 255, 250, 18 + random.bounded(22)), 1.0 + random.bounded(1.5)));
    painter.drawLine(QPointF(x, y), QPointF(x + length, y + random.bounded(2.0) - 1));
  }
  const int fibres = int(area.width() * area.height() / 60);
  for (int i = 0; i < fibres; ++i) {
    const QPointF start(area.left() + random.bounded(area.width()),
                        area.top() + random.bounded(area.height()));
    const QPointF delta(random.bounded(9.0) - 4.5, random.bounded(3.0) - 1.5);
    painter.setPen(QPen(random.bounded(3) == 0 ? QColor(60, 80, 90, 22) : QColor(255, 255, 255, 40), 0.6));
    painter.drawLine(start, start + delta);
  }
}

// A cluster of seigaiha wave arcs, drawn lightly on the open sea.
void PaintWaves(QPainter& painter, QPointF centre, int columns, int rows) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  const qreal radius = 11;
  for (int row = rows - 1; row >= 0; --row) {
    for (int column = 0; column < columns; ++column) {
      const QPointF at(centre.x() + column * radius * 2 + (row % 2) * radius,
                       centre.y() + row * radius * 0.55);
      for (int ring = 0; ring < 3; ++ring) {
        const qreal r = radius - ring * 3.4;
        painter.setPen(QPen(QColor(70, 98, 110, 70 - ring * 14), 0.9));
        painter.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 0, 180 * 16);
      }
    }
  }
  painter.restore();
}

void PaintLand(QPainter& painter, const QPainterPath& land, const QRectF& area) {
  // A soft shallow-water halo along every shore, as old maps wash the coasts.
  painter.setBrush(Qt::NoBrush);
  for (const auto& [width, alpha] : {std::pair{9.0, 22}, std::pair{5.0, 34}, std::pair{2.6, 46}}) {
    painter.setPen(QPen(QColor(60, 92, 104, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(land);
  }
  QLinearGradient paper(area.topLeft(), area.bottomLeft());
  paper.setColorAt(0, QColor(240, 230, 204));
  paper.setColorAt(1, QColor(226, 210, 172));
  painter.fillPath(land, paper);

  painter.save();
  painter.setClipPath(land);
  // Fibres and a warm mottling on the paper of the land.
  QRandomGenerator random(1868);
  for (int i = 0; i < 160; ++i) {
    const QPointF at(area.left() + random.bounded(area.width()), area.top() + random.bounded(area.height()));
    const qreal r = 8 + random.bounded(26.0);
    QRadialGradient stain(at, r);
    stain.setColorAt(0, QColor(170, 140, 80, 16 + random.bounded(14)));
    stain.setColorAt(1, QColor(170, 140, 80, 0));
    painter.fillRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), stain);
  }
  const int fibres = int(area.width() * area.height() / 70);
  for (int i = 0; i < fibres; ++i) {
    const QPointF start(area.left() + random.bounded(area.width()),
                        area.top() + random.bounded(area.height()));
    const QPointF delta(random.bounded(10.0) - 5, random.bounded(4.0) - 2);
    painter.setPen(QPen(random.bounded(3) == 0 ? QColor(140, 110, 70, 30) : QColor(255, 252, 240, 70), 0.7));
    painter.drawLine(start, start + delta);
  }
  // Territory borders: fine dotted ink, clipped to the land.
  QPen border(QColor(120, 84, 48, 120), 0.9, Qt::CustomDashLine, Qt::RoundCap);
  border.setDashPattern({2.0, 2.5});
  painter.setPen(border);
  for (const city_map::MapEdge& edge : city_map::kTerritoryEdges)
    painter.drawLine(Pixels(edge.From), Pixels(edge.To));
  // An inner shade along the coast gives the islands some relief.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(150, 118, 70, 50), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(land);
  painter.restore();

  // The coast in brush ink.
  painter.setPen(QPen(QColor(58, 40, 26, 220), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(land);
}

// A small compass of gold lines on the sea.
void PaintCompass(QPainter& painter, QPointF centre, qreal radius) {
  painter.save();
  painter.setPen(QPen(QColor(120, 90, 40, 150), 0.9));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.drawEllipse(centre, radius * 0.72, radius * 0.72);
  for (int quarter = 0; quarter < 4; ++quarter) {
    painter.save();
    painter.translate(centre);
    painter.rotate(quarter * 90);
    QPainterPath point;
    point.moveTo(0, -radius * 1.25);
    point.lineTo(radius * 0.18, 0);
    point.lineTo(-radius * 0.18, 0);
    point.closeSubpath();
    painter.fillPath(point, quarter == 0 ? QColor(160, 44, 30, 200) : QColor(120, 90, 40, 170));
    painter.restore();
  }
  painter.setFont(art::CaptionFont(int(radius * 0.75)));
  painter.setPen(QColor(120, 40, 28, 210));
  painter.drawText(QRectF(centre.x() - radius, centre.y() - radius * 2.25, 2 * radius, radius * 0.9),
                   Qt::AlignCenter, QStringLiteral("北"));
  painter.restore();
}

QPixmap PaintCityMap() {
  const QSize size(TwipsToPixels(layout::kClientTwips.width()), TwipsToPixels(layout::kClientTwips.height()));
  QPixmap pixmap = art::BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  PaintSea(painter, area);
  PaintWaves(painter, QPointF(560, 330), 4, 3);
  PaintWaves(painter, QPointF(250, 30), 3, 2);
  PaintWaves(painter, QPointF(60, 280), 2, 3);
  PaintCompass(painter, QPointF(940, 300), 18);
  PaintLand(painter, LandPath(), area);
  // The frame: lacquer edge and a gold rule, as the editor's panels.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(art::kLacquerDeep, 6));
  painter.drawRect(area.adjusted(3, 3, -3, -3));
  art::PaintGoldFrame(painter, area.adjusted(6.5, 6.5, -6.5, -6.5), 1.3);
  return pixmap;
}

QPixmap PaintCastleIcon(CastleLook look) {
  const int side = TwipsToPixels(layout::kIconTwips);
  QPixmap pixmap = art::BlankPixmap(QSize(side, side));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const bool selected = look == CastleLook::Selected;
  const bool lit = look != CastleLook::Plain;
  // A small keep: white wall and a dark curved roof, on a vermilion seal (gold when selected).
  const QRectF seal(2.5, 2.5, side - 5, side - 5);
  painter.setPen(QPen(lit ? art::kGoldBright : art::kGold, lit ? 1.4 : 1.1));
  painter.setBrush(selected ? QColor(214, 160, 52) : (lit ? art::kVermilion.lighter(130) : art::kVermilion));
  painter.drawRoundedRect(seal, 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(250, 244, 226));
  painter.drawRect(QRectF(side * 0.34, side * 0.46, side * 0.32, side * 0.28));
  QPainterPath roof;
  roof.moveTo(side * 0.24, side * 0.48);
  roof.quadTo(side * 0.5, side * 0.18, side * 0.76, side * 0.48);
  roof.closeSubpath();
  painter.fillPath(roof, QColor(34, 24, 18));
  painter.fillRect(QRectF(side * 0.28, side * 0.74, side * 0.44, side * 0.08), QColor(34, 24, 18));
  return pixmap;
}

}  // namespace

const QPixmap& CityMapPicture() {
  static const QPixmap map = PaintCityMap();
  return map;
}

const QPixmap& CastleIcon(CastleLook look) {
  static const QPixmap plain = PaintCastleIcon(CastleLook::Plain);
  static const QPixmap hovered = PaintCastleIcon(CastleLook::Hovered);
  static const QPixmap selected = PaintCastleIcon(CastleLook::Selected);
  return look == CastleLook::Selected ? selected : look == CastleLook::Hovered ? hovered : plain;
}

void PaintSelectionMark(QPainter& painter, QPointF centre) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glow(centre, 19);
  glow.setColorAt(0, QColor(255, 236, 160, 210));
  glow.setColorAt(0.55, QColor(240, 196, 84, 120));
  glow.setColorAt(1, QColor(240, 196, 84, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, 19, 19);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(150, 36, 24, 230), 1.6));
  painter.drawEllipse(centre, 13.5, 13.5);
  painter.setPen(QPen(art::kGoldBright, 0.8));
  painter.drawEllipse(centre, 15.5, 15.5);
  painter.restore();
}

}  // namespace tavlor
