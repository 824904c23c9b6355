// The painted artwork of the editor screen.
#include "ui/chrome/Artwork.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace tavlor::art {

namespace {

// The families of `wanted` that are installed, in order; the generic last one when none is.
QStringList InstalledOf(const QStringList& wanted) {
  const QStringList installed = QFontDatabase::families();
  QStringList chain;
  for (const QString& family : wanted) {
    if (installed.contains(family)) chain << family;
  }
  if (chain.isEmpty()) chain << wanted.back();
  return chain;
}

// Debian's Noto faces first (the look the editor is drawn in), then the CJK faces every Windows
// 10 and 11 has: a character one face lacks is taken from the next, so every name the game can
// store is drawn.
const QStringList& InterfaceFamilies() {
  static const QStringList chain =
      InstalledOf({"Noto Sans CJK SC", "Noto Sans CJK TC", "Noto Sans CJK JP", "Microsoft YaHei UI",
                   "Microsoft YaHei", "Microsoft JhengHei UI", "Microsoft JhengHei", "Yu Gothic UI",
                   "Meiryo UI", "Meiryo", "MS Gothic", "SimSun", "MingLiU", "SimSun-ExtB",
                   "Noto Serif CJK SC", "sans-serif"});
  return chain;
}

qreal PixelRatio() {
  return qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
}

QPainterPath Rounded(const QRectF& area, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(area, radius, radius);
  return path;
}

// Text with a one-pixel dark shadow, so gold captions stay crisp on lacquer.
void ShadowedText(QPainter& painter, const QRectF& area, const QString& text, const QColor& colour,
                  Qt::Alignment alignment) {
  // Light ink on lacquer gets a dark shadow; dark ink on paper a faint light one.
  painter.setPen(colour.lightness() < 128 ? QColor(255, 250, 235, 110) : QColor(0, 0, 0, 160));
  painter.drawText(area.translated(1, 1), alignment, text);
  painter.setPen(colour);
  painter.drawText(area, alignment, text);
}

int CaptionSizeFor(QSize size, const QString& caption) {
  const int byHeight = size.height() * 55 / 100;
  const int byWidth = caption.isEmpty() ? byHeight : (size.width() - 10) / static_cast<int>(caption.size());
  return std::max(9, std::min(byHeight, byWidth));
}

}  // namespace

QPixmap BlankPixmap(QSize size) {
  const qreal ratio = PixelRatio();
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QFont CaptionFont(int pixelSize, bool bold) {
  // The face the release brings (a subset of Noto Serif CJK SC Bold, loaded at start-up) or the
  // installed Noto serif; then the platform's serif CJK faces, then the interface chain.
  static const QStringList chain = InstalledOf({"Tavlor Caption Serif", "Noto Serif CJK SC", "Noto Serif CJK TC",
                                                "Noto Serif CJK JP", "SimSun", "MingLiU", "Yu Mincho", "MS Mincho"}) +
                                   InterfaceFamilies();
  QFont font;
  font.setFamilies(chain);
  font.setPixelSize(pixelSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QStringList InterfaceFontFamilies() {
  return InterfaceFamilies();
}

QFont FieldFont(int pixelSize) {
  QFont font;
  font.setFamilies(InterfaceFamilies());
  font.setPixelSize(pixelSize);
  return font;
}

QPixmap ButtonPlate(QSize size, const QString& caption, PlateLook look) {
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = std::min<qreal>(5, size.height() / 4.0);
  const bool pressed = look == PlateLook::Pressed;
  const bool hover = look == PlateLook::Hover;

  QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
  if (pressed) {
    fill.setColorAt(0, kVermilion.darker(170));
    fill.setColorAt(1, kVermilion.darker(115));
  } else if (hover) {
    fill.setColorAt(0, QColor(104, 58, 34));
    fill.setColorAt(0.5, QColor(70, 36, 22));
    fill.setColorAt(1, QColor(44, 22, 14));
  } else {
    fill.setColorAt(0, QColor(72, 40, 26));
    fill.setColorAt(0.5, QColor(46, 25, 17));
    fill.setColorAt(1, QColor(28, 15, 10));
  }
  painter.fillPath(Rounded(outer, radius), fill);
  // Outer gold rim and an inner hairline, like an inlaid lacquer plaque.
  painter.setPen(QPen(hover || pressed ? kGoldBright : kGold, 1.4));
  painter.drawPath(Rounded(outer, radius));
  painter.setPen(QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 110), 0.8));
  painter.drawPath(Rounded(outer.adjusted(2.5, 2.5, -2.5, -2.5), std::max<qreal>(1, radius - 2)));
  if (!pressed) {
    QLinearGradient sheen(outer.topLeft(), outer.bottomLeft());
    sheen.setColorAt(0, QColor(255, 240, 200, hover ? 70 : 40));
    sheen.setColorAt(0.45, QColor(255, 240, 200, 0));
    painter.fillPath(Rounded(outer.adjusted(1.5, 1.5, -1.5, -outer.height() / 2), radius), sheen);
  }
  painter.setFont(CaptionFont(CaptionSizeFor(size, caption)));
  const QRectF textArea = outer.translated(pressed ? 1 : 0, pressed ? 1 : 0);
  ShadowedText(painter, textArea, caption, hover || pressed ? kGoldBright : kGold.lighter(115),
               Qt::AlignCenter);
  return pixmap;
}

QPixmap OptionPlate(QSize size, const QString& caption, bool selected) {
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = 3;
  QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
  if (selected) {
    fill.setColorAt(0, QColor(206, 74, 50));
    fill.setColorAt(1, QColor(128, 30, 22));
  } else {
    fill.setColorAt(0, QColor(92, 80, 66));
    fill.setColorAt(1, QColor(62, 52, 42));
  }
  painter.fillPath(Rounded(outer, radius), fill);
  painter.setPen(QPen(selected ? kGoldBright : kGoldDim, selected ? 1.6 : 1.0));
  painter.drawPath(Rounded(outer, radius));
  // A small lamp at the left: lit gold when chosen, an empty ring otherwise.
  const qreal lampRadius = std::min<qreal>(4.5, size.height() / 5.0);
  const QPointF lamp(outer.left() + 5 + lampRadius, outer.center().y());
  if (selected) {
    QRadialGradient glow(lamp, lampRadius * 2.2);
    glow.setColorAt(0, QColor(255, 244, 190));
    glow.setColorAt(0.45, kGoldBright);
    glow.setColorAt(1, QColor(240, 214, 140, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(lamp, lampRadius * 2.2, lampRadius * 2.2);
  } else {
    painter.setPen(QPen(kGoldDim, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(lamp, lampRadius, lampRadius);
  }
  const QRectF textArea = outer.adjusted(lampRadius * 2 + 8, 0, -3, 0);
  painter.setFont(CaptionFont(CaptionSizeFor(textArea.size().toSize(), caption)));
  ShadowedText(painter, textArea, caption, selected ? QColor(255, 246, 220) : QColor(206, 192, 164),
               Qt::AlignCenter);
  return pixmap;
}

QPixmap ArrowPlate(QSize size, bool panelOpen, PlateLook look) {
  QPixmap pixmap = ButtonPlate(size, QString(), look);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size.width() / 2.0, size.height() / 2.0);
  const qreal half = std::min(size.width(), size.height()) / 4.5;
  QPainterPath arrow;
  const qreal direction = panelOpen ? -1 : 1;
  arrow.moveTo(centre.x() - half, centre.y() - direction * half / 2);
  arrow.lineTo(centre.x() + half, centre.y() - direction * half / 2);
  arrow.lineTo(centre.x(), centre.y() + direction * half * 0.8);
  arrow.closeSubpath();
  painter.fillPath(arrow, look == PlateLook::Normal ? kGold : kGoldBright);
  return pixmap;
}

QPixmap VoicePlate(QSize size, const QString& caption, bool chosen) {
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
  fill.setColorAt(0, chosen ? QColor(250, 240, 214) : QColor(240, 229, 204));
  fill.setColorAt(1, chosen ? QColor(226, 206, 160) : QColor(216, 200, 166));
  painter.fillPath(Rounded(outer, 2), fill);
  painter.setPen(QPen(chosen ? kVermilion : kGoldDim, 1.0));
  painter.drawPath(Rounded(outer, 2));
  // A vermilion seal mark at the left, like a name stamp.
  const QRectF seal(outer.left() + 4, outer.top() + 4, outer.height() - 8, outer.height() - 8);
  painter.fillRect(seal, kVermilion);
  painter.setFont(CaptionFont(std::max(9, int(outer.height() * 0.55))));
  painter.setPen(kInk);
  painter.drawText(outer.adjusted(seal.width() + 8, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
  return pixmap;
}

void PaintLacquer(QPainter& painter, const QRectF& area) {
  QLinearGradient base(area.topLeft(), area.bottomRight());
  base.setColorAt(0, QColor(58, 30, 20));
  base.setColorAt(0.5, QColor(36, 20, 14));
  base.setColorAt(1, QColor(22, 12, 9));
  painter.fillRect(area, base);
  // Fine horizontal brush grain of the lacquer.
  QRandomGenerator grain(1597);
  for (int y = int(area.top()); y < int(area.bottom()); y += 2) {
    const int alpha = int(grain.bounded(4, 14));
    painter.fillRect(QRectF(area.left(), y, area.width(), 1), QColor(255, 220, 180, alpha / 3));
  }
  QRadialGradient glow(area.center(), std::max(area.width(), area.height()) * 0.7);
  glow.setColorAt(0, QColor(120, 50, 30, 40));
  glow.setColorAt(1, QColor(0, 0, 0, 90));
  painter.fillRect(area, glow);
}

void PaintWashiPanel(QPainter& painter, const QRectF& area, int seed) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath shape = Rounded(area, 4);
  QLinearGradient paper(area.topLeft(), area.bottomLeft());
  paper.setColorAt(0, QColor(242, 233, 212));
  paper.setColorAt(1, QColor(226, 212, 182));
  painter.fillPath(shape, paper);
  painter.setClipPath(shape);
  // Paper fibres: short pale strokes scattered at random angles.
  QRandomGenerator fibres(static_cast<quint32>(seed) * 7919u + 17u);
  const int count = int(area.width() * area.height() / 90);
  for (int i = 0; i < count; ++i) {
    const QPointF start(area.left() + fibres.bounded(area.width()),
                        area.top() + fibres.bounded(area.height()));
    const QPointF delta(fibres.bounded(10.0) - 5.0, fibres.bounded(4.0) - 2.0);
    const bool dark = fibres.bounded(3) == 0;
    painter.setPen(QPen(dark ? QColor(150, 120, 80, 28) : QColor(255, 255, 245, 70), 0.7));
    painter.drawLine(start, start + delta);
  }
  // A soft darkening toward the edges, like aged paper.
  QRadialGradient age(area.center(), std::max(area.width(), area.height()) * 0.75);
  age.setColorAt(0.6, QColor(0, 0, 0, 0));
  age.setColorAt(1, QColor(120, 80, 30, 45));
  painter.fillRect(area, age);
  painter.restore();
  PaintGoldFrame(painter, area);
}

void PaintGoldFrame(QPainter& painter, const QRectF& area, qreal width) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 120), width + 1));
  painter.drawPath(Rounded(area.adjusted(-1, -1, 1, 1), 5));
  painter.setPen(QPen(kGold, width));
  painter.drawPath(Rounded(area, 4));
  painter.setPen(QPen(QColor(kGoldBright.red(), kGoldBright.green(), kGoldBright.blue(), 90), 0.6));
  painter.drawPath(Rounded(area.adjusted(2.5, 2.5, -2.5, -2.5), 3));
  painter.restore();
}

void PaintInset(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, QColor(30, 18, 12));
  painter.setPen(QPen(kGoldDim, 1));
  painter.drawRect(QRectF(area).adjusted(-1.5, -1.5, 1.5, 1.5));
  painter.setPen(QPen(kGold, 1.2));
  painter.drawRect(QRectF(area).adjusted(-3.5, -3.5, 3.5, 3.5));
  painter.restore();
}

void PaintCaption(QPainter& painter, const QRectF& area, const QString& caption, int pixelSize,
                  const QColor& colour, Qt::Alignment alignment) {
  painter.save();
  painter.setFont(CaptionFont(pixelSize));
  ShadowedText(painter, area, caption, colour, alignment);
  painter.restore();
}

}  // namespace tavlor::art
