#include "PortraitPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <random>

namespace demogame {
namespace {

// Everything is laid out on a canvas 240 units wide; a taller picture (the 96 x 120 medium faces)
// shows more of the body below the head.
constexpr double kCanvasWidth = 240;
constexpr double kCenterX = 120;

class Dice {
 public:
  explicit Dice(unsigned seed) : engine_(seed * 2654435761u + 17u) {}
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine_); }
  double Between(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
  }
  bool Chance(double probability) { return Between(0, 1) < probability; }
  template <typename T, std::size_t N>
  const T& From(const std::array<T, N>& choices) {
    return choices[static_cast<std::size_t>(Pick(static_cast<int>(N)))];
  }

 private:
  std::mt19937 engine_;
};

QColor Shade(const QColor& colour, double factor) {
  return factor >= 1 ? colour.lighter(static_cast<int>(factor * 100))
                     : colour.darker(static_cast<int>(100 / factor));
}

QColor WithAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

// Skin tones, hair, dyes of the period (indigo, madder, persimmon, moss, plum, ink, sappanwood).
const std::array<QColor, 6> kSkins = {QColor(236, 200, 165), QColor(226, 184, 146), QColor(214, 170, 132),
                                      QColor(240, 210, 180), QColor(204, 158, 120), QColor(230, 192, 156)};
const std::array<QColor, 12> kDyes = {QColor(38, 56, 110),  QColor(140, 32, 38), QColor(190, 96, 40),
                                      QColor(72, 96, 52),   QColor(96, 48, 96),  QColor(40, 40, 46),
                                      QColor(150, 60, 90),  QColor(30, 90, 100), QColor(120, 96, 60),
                                      QColor(176, 140, 60), QColor(60, 70, 130), QColor(100, 30, 30)};
const std::array<QColor, 6> kLadyDyes = {QColor(200, 60, 80),  QColor(230, 140, 160), QColor(120, 80, 170),
                                         QColor(60, 130, 150), QColor(220, 170, 60),  QColor(170, 40, 60)};
const std::array<QColor, 5> kAccents = {QColor(218, 180, 80), QColor(240, 240, 230), QColor(170, 40, 40),
                                        QColor(60, 60, 70), QColor(90, 130, 170)};
const std::array<std::pair<QColor, QColor>, 7> kSkies = {
    std::pair{QColor(42, 48, 78), QColor(120, 110, 140)},
    std::pair{QColor(110, 30, 30), QColor(210, 130, 70)},
    std::pair{QColor(40, 70, 60), QColor(150, 170, 130)},
    std::pair{QColor(60, 50, 40), QColor(190, 160, 110)},
    std::pair{QColor(30, 30, 36), QColor(90, 84, 96)},
    std::pair{QColor(70, 90, 130), QColor(200, 190, 170)},
    std::pair{QColor(150, 120, 60), QColor(230, 210, 150)},
};

struct Layout {
  double height;  // canvas height in units
  double cx, cy;  // centre of the face
  double hw, hh;  // face half width and half height
  double shoulderY;
};

Layout LayoutOf(const Portrait& p, double canvasHeight) {
  const double below = (canvasHeight - kCanvasWidth) * 0.35;
  Layout l{canvasHeight, kCenterX, 112 + below, p.FaceHalfWidth, p.FaceHalfHeight, 0};
  l.shoulderY = l.cy + l.hh + 26;
  return l;
}

QPainterPath FaceOutline(const Layout& l, double jaw) {
  QPainterPath path;
  const double top = l.cy - l.hh, chin = l.cy + l.hh;
  path.moveTo(l.cx - l.hw, l.cy - l.hh * 0.15);
  path.cubicTo(l.cx - l.hw, top - l.hh * 0.05, l.cx + l.hw, top - l.hh * 0.05, l.cx + l.hw,
               l.cy - l.hh * 0.15);
  path.cubicTo(l.cx + l.hw * 1.02, l.cy + l.hh * 0.55, l.cx + l.hw * jaw, chin, l.cx, chin);
  path.cubicTo(l.cx - l.hw * jaw, chin, l.cx - l.hw * 1.02, l.cy + l.hh * 0.55, l.cx - l.hw,
               l.cy - l.hh * 0.15);
  path.closeSubpath();
  return path;
}

void PaintBackdrop(QPainter& painter, const Portrait& p, const Layout& l, unsigned seed) {
  QLinearGradient sky(0, 0, 0, l.height);
  sky.setColorAt(0, p.BackdropTop);
  sky.setColorAt(1, p.BackdropBottom);
  painter.fillRect(QRectF(0, 0, kCanvasWidth, l.height), sky);
  Dice dice(seed ^ 0x5bd1e995u);
  switch (p.Backdrop) {
    case Motif::Sun: {
      const QPointF centre(dice.Between(40, 200), dice.Between(40, 80));
      QRadialGradient glow(centre, 70);
      glow.setColorAt(0, QColor(250, 220, 160, 200));
      glow.setColorAt(0.45, QColor(240, 150, 80, 120));
      glow.setColorAt(1, QColor(240, 150, 80, 0));
      painter.setPen(Qt::NoPen);
      painter.setBrush(glow);
      painter.drawEllipse(centre, 70, 70);
      break;
    }
    case Motif::Mountains: {
      for (int layer = 0; layer < 2; ++layer) {
        QPainterPath ridge;
        const double base = l.height * (0.55 + 0.12 * layer);
        ridge.moveTo(0, l.height);
        ridge.lineTo(0, base);
        for (double x = 0; x <= kCanvasWidth + 40; x += 40)
          ridge.quadTo(x + 20, base - dice.Between(20, 70), x + 40, base - dice.Between(0, 20));
        ridge.lineTo(kCanvasWidth, l.height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(WithAlpha(Shade(p.BackdropTop, 0.8 - 0.15 * layer), 150 + 50 * layer));
        painter.drawPath(ridge);
      }
      break;
    }
    case Motif::Mist: {
      painter.setPen(Qt::NoPen);
      for (int i = 0; i < 7; ++i) {
        painter.setBrush(QColor(255, 255, 255, 28));
        painter.drawEllipse(QPointF(dice.Between(0, 240), dice.Between(20, l.height)), dice.Between(40, 90),
                            dice.Between(8, 16));
      }
      break;
    }
    case Motif::Screen: {  // gold-leaf folding screen: squares of leaf and a cloud band
      painter.setPen(QPen(QColor(150, 110, 40, 90), 1));
      for (double y = 0; y < l.height; y += 30)
        for (double x = 0; x < kCanvasWidth; x += 30) {
          painter.setBrush(QColor(220, 180, 90, static_cast<int>(dice.Between(60, 120))));
          painter.drawRect(QRectF(x, y, 30, 30));
        }
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(250, 240, 210, 110));
      painter.drawRoundedRect(QRectF(-20, dice.Between(30, 70), 300, 26), 13, 13);
      break;
    }
    case Motif::None:
      break;
  }
  // A soft vignette keeps the eye on the face.
  QRadialGradient vignette(QPointF(kCenterX, l.cy), l.height * 0.8);
  vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 110));
  painter.fillRect(QRectF(0, 0, kCanvasWidth, l.height), vignette);
}

void PaintLongHairBehind(QPainter& painter, const Portrait& p, const Layout& l) {
  QPainterPath hair;
  // Swept-up hair ends at the shoulders and is gathered in a bun above; long hair falls to the waist.
  const double end = p.HairUp ? l.cy + l.hh + 14 : l.height;
  const double spread = p.HairUp ? 14 : 46;
  hair.moveTo(l.cx - l.hw - 4, l.cy - l.hh * 0.4);
  hair.cubicTo(l.cx - l.hw - 30, l.cy + l.hh * 0.6, l.cx - l.hw - spread, end - 20, l.cx - l.hw - spread,
               end);
  hair.lineTo(l.cx + l.hw + spread, end);
  hair.cubicTo(l.cx + l.hw + spread, end - 20, l.cx + l.hw + 30, l.cy + l.hh * 0.6, l.cx + l.hw + 4,
               l.cy - l.hh * 0.4);
  hair.cubicTo(l.cx + l.hw, l.cy - l.hh * 1.35, l.cx - l.hw, l.cy - l.hh * 1.35, l.cx - l.hw - 4,
               l.cy - l.hh * 0.4);
  QLinearGradient sheen(l.cx - 60, 0, l.cx + 60, 0);
  sheen.setColorAt(0, p.Hair);
  sheen.setColorAt(0.5, Shade(p.Hair, 1.6));
  sheen.setColorAt(1, p.Hair);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawPath(hair);
  if (p.HairUp) painter.drawEllipse(QPointF(l.cx, l.cy - l.hh - 18), l.hw * 0.75, 22);
}

void PaintBand(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour) {
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(from, to);
}

void PaintFamilyCrest(QPainter& painter, QPointF at, double radius, int design, const QColor& ground) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(245, 242, 230));
  painter.drawEllipse(at, radius, radius);
  painter.setBrush(ground);
  switch (design % 3) {
    case 0:  // three dots
      for (int i = 0; i < 3; ++i) {
        const double angle = -M_PI / 2 + i * 2 * M_PI / 3;
        painter.drawEllipse(at + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.42, radius * 0.3,
                            radius * 0.3);
      }
      break;
    case 1:  // a cross in a ring
      painter.setPen(QPen(ground, radius * 0.22));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(at, radius * 0.7, radius * 0.7);
      painter.drawLine(at - QPointF(radius * 0.7, 0), at + QPointF(radius * 0.7, 0));
      painter.drawLine(at - QPointF(0, radius * 0.7), at + QPointF(0, radius * 0.7));
      break;
    default:  // a diamond
      painter.drawPolygon(QPolygonF({at + QPointF(0, -radius * 0.7), at + QPointF(radius * 0.7, 0),
                                     at + QPointF(0, radius * 0.7), at + QPointF(-radius * 0.7, 0)}));
  }
}

void PaintBody(QPainter& painter, const Portrait& p, const Layout& l, unsigned seed) {
  const double sy = l.shoulderY;
  const double cx = l.cx;
  QPainterPath shoulders;
  shoulders.moveTo(-10, l.height + 10);
  shoulders.lineTo(-10, sy + 46);
  shoulders.cubicTo(10, sy + 4, cx - 60, sy - 8, cx - 26, sy - 12);
  shoulders.lineTo(cx + 26, sy - 12);
  shoulders.cubicTo(cx + 60, sy - 8, kCanvasWidth - 10, sy + 4, kCanvasWidth + 10, sy + 46);
  shoulders.lineTo(kCanvasWidth + 10, l.height + 10);
  shoulders.closeSubpath();

  const QColor body = p.Clothes == Garment::Armour ? p.HelmetColor : p.Outer;
  QLinearGradient cloth(0, sy - 10, 0, l.height);
  cloth.setColorAt(0, Shade(body, 1.25));
  cloth.setColorAt(1, Shade(body, 0.7));
  painter.setPen(QPen(Shade(body, 0.5), 1.5));
  painter.setBrush(cloth);
  painter.drawPath(shoulders);

  // Neck, then the open collar of the kimono.
  QLinearGradient neckShade(cx - 22, 0, cx + 22, 0);
  neckShade.setColorAt(0, Shade(p.Skin, 0.75));
  neckShade.setColorAt(0.5, Shade(p.Skin, 0.92));
  neckShade.setColorAt(1, Shade(p.Skin, 0.75));
  painter.setPen(Qt::NoPen);
  painter.setBrush(neckShade);
  painter.drawRect(QRectF(cx - 21, l.cy + l.hh * 0.5, 42, sy - (l.cy + l.hh * 0.5) + 12));

  const QPointF left(cx - 26, sy - 12), right(cx + 26, sy - 12), bottom(cx, sy + 56);
  painter.setBrush(Shade(p.Skin, 0.85));
  painter.drawPolygon(QPolygonF({left, right, bottom}));

  if (p.Clothes == Garment::Armour) {
    // Laced plates: rows of lacquer with cords across the chest, and shoulder guards.
    for (double y = sy + 30; y < l.height; y += 11) {
      PaintBand(painter, QPointF(0, y), QPointF(kCanvasWidth, y), 2.6, p.Accent);
      painter.setPen(QPen(Shade(p.Accent, 1.3), 1.2));
      for (double x = 6; x < kCanvasWidth; x += 12) painter.drawLine(QPointF(x, y - 4), QPointF(x, y + 4));
    }
    for (int side : {-1, 1}) {
      QPainterPath guard;
      const double x0 = cx + side * 58;
      guard.moveTo(x0, sy - 2);
      guard.lineTo(x0 + side * 70, sy + 18);
      guard.lineTo(x0 + side * 66, sy + 78);
      guard.lineTo(x0 - side * 4, sy + 60);
      guard.closeSubpath();
      painter.setPen(QPen(Shade(p.HelmetColor, 0.5), 1.5));
      painter.setBrush(Shade(p.HelmetColor, 1.15));
      painter.drawPath(guard);
      for (double t = 0.2; t < 1; t += 0.2)
        PaintBand(painter, QPointF(x0 + side * 2, sy + 2 + t * 60), QPointF(x0 + side * 68, sy + 18 + t * 60),
                  2.2, p.Accent);
    }
  }

  // Collar bands: white under-collar, then the coloured edge; the wearer's left lapel lies over.
  const QColor edge = p.Clothes == Garment::Robe ? Shade(p.Outer, 0.7) : p.Inner;
  PaintBand(painter, left, bottom + QPointF(10, 10), 11, QColor(244, 240, 228));
  PaintBand(painter, left + QPointF(-9, 2), bottom + QPointF(4, 22), 8, edge);
  PaintBand(painter, right, bottom + QPointF(-10, 10), 11, QColor(250, 247, 236));
  PaintBand(painter, right + QPointF(9, 2), bottom + QPointF(-4, 22), 8, edge);

  if (p.Clothes == Garment::Vest) {
    // Formal vest with stiff winged shoulders over the kimono.
    for (int side : {-1, 1}) {
      QPainterPath wing;
      wing.moveTo(cx + side * 40, sy - 8);
      wing.lineTo(cx + side * 130, sy - 2);
      wing.lineTo(cx + side * 130, sy + 12);
      wing.lineTo(cx + side * 86, sy + 26);
      wing.lineTo(cx + side * 52, l.height + 10);
      wing.lineTo(cx + side * 20, l.height + 10);
      wing.lineTo(cx + side * 22, sy + 60);
      wing.closeSubpath();
      painter.setPen(QPen(Shade(p.Accent, 0.5), 1.5));
      painter.setBrush(p.Accent);
      painter.drawPath(wing);
    }
  }
  if (p.Clothes == Garment::Robe) {
    // A monk's stole across the chest, stitched in panels.
    QPainterPath stole;
    stole.moveTo(cx - 90, sy + 2);
    stole.lineTo(cx - 60, sy - 6);
    stole.lineTo(cx + 110, l.height + 10);
    stole.lineTo(cx + 50, l.height + 10);
    stole.closeSubpath();
    painter.setPen(QPen(Shade(p.Accent, 0.55), 1.6));
    painter.setBrush(p.Accent);
    painter.drawPath(stole);
  }
  if (p.Kind == PortraitKind::Lady) {
    // Scattered blossoms on the kimono.
    Dice dice(seed ^ 0x9e3779b9u);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
      const QPointF at(dice.Between(10, 230), dice.Between(sy + 20, l.height));
      if (std::abs(at.x() - cx) < 36) continue;
      painter.setBrush(WithAlpha(Shade(p.Outer, 1.7), 220));
      for (int petal = 0; petal < 5; ++petal) {
        const double angle = petal * 2 * M_PI / 5;
        painter.drawEllipse(at + QPointF(std::cos(angle), std::sin(angle)) * 4.5, 3.6, 3.6);
      }
      painter.setBrush(QColor(240, 200, 80));
      painter.drawEllipse(at, 2, 2);
    }
  }
  if (p.HasFamilyCrest) {
    const int design = static_cast<int>(seed % 3);
    const QColor ground = p.Clothes == Garment::Vest ? p.Accent : p.Outer;
    PaintFamilyCrest(painter, QPointF(cx - 62, sy + 44), 9, design, ground);
    PaintFamilyCrest(painter, QPointF(cx + 62, sy + 44), 9, design, ground);
  }
}

void PaintNeckGuard(QPainter& painter, const Portrait& p, const Layout& l) {
  // The helmet's neck guard flares out in overlapping plates behind the face.
  for (int plate = 3; plate >= 0; --plate) {
    const double spread = l.hw + 18 + plate * 9;
    const double y = l.cy - l.hh * 0.55 + plate * 13;
    QPainterPath guard;
    guard.moveTo(l.cx - spread + 8, y);
    guard.quadTo(l.cx, y - 30, l.cx + spread - 8, y);
    guard.lineTo(l.cx + spread + 4, y + 26);
    guard.quadTo(l.cx, y + 14, l.cx - spread - 4, y + 26);
    guard.closeSubpath();
    painter.setPen(QPen(Shade(p.HelmetColor, 0.45), 1.4));
    painter.setBrush(Shade(p.HelmetColor, 0.85 + plate * 0.08));
    painter.drawPath(guard);
    PaintBand(painter, QPointF(l.cx - spread - 2, y + 22), QPointF(l.cx - spread + 14, y + 18), 2.4,
              p.Accent);
    PaintBand(painter, QPointF(l.cx + spread + 2, y + 22), QPointF(l.cx + spread - 14, y + 18), 2.4,
              p.Accent);
  }
}

void PaintFace(QPainter& painter, const Portrait& p, const Layout& l) {
  // Ears first, then the face with a soft light from the upper left.
  painter.setPen(QPen(Shade(p.Skin, 0.65), 1));
  painter.setBrush(Shade(p.Skin, 0.88));
  if (p.Head != Headwear::Hood && p.Head != Headwear::LongHair) {
    painter.drawEllipse(QPointF(l.cx - l.hw - 2, l.cy + 6), 8, 13);
    painter.drawEllipse(QPointF(l.cx + l.hw + 2, l.cy + 6), 8, 13);
  }
  QRadialGradient light(QPointF(l.cx - l.hw * 0.25, l.cy - l.hh * 0.2), l.hh * 1.5);
  light.setColorAt(0, Shade(p.Skin, 1.08));
  light.setColorAt(0.6, p.Skin);
  light.setColorAt(1, Shade(p.Skin, 0.72));
  painter.setPen(QPen(Shade(p.Skin, 0.55), 1.3));
  painter.setBrush(light);
  painter.drawPath(FaceOutline(l, p.JawWidth));

  if (p.Kind == PortraitKind::Lady) {  // a touch of rouge
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 110, 110, 50));
    painter.drawEllipse(QPointF(l.cx - l.hw * 0.55, l.cy + l.hh * 0.3), 11, 7);
    painter.drawEllipse(QPointF(l.cx + l.hw * 0.55, l.cy + l.hh * 0.3), 11, 7);
  }
}

void PaintEyes(QPainter& painter, const Portrait& p, const Layout& l) {
  const double eyeY = l.cy + 2;
  const QColor ink(34, 26, 22);
  for (int side : {-1, 1}) {
    const double ex = l.cx + side * p.EyeSpacing;
    const double tilt = p.EyeStyle == 2 ? -3.5 : (p.EyeStyle == 1 ? -1 : 0);  // fierce eyes rise outward
    const QPointF inner(ex - side * 9, eyeY + 1), outer(ex + side * 9, eyeY + tilt);
    if (p.EyeStyle == 3) {  // calm, lowered lids
      painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
      painter.setBrush(Qt::NoBrush);
      QPainterPath lid;
      lid.moveTo(inner);
      lid.quadTo(QPointF(ex, eyeY + 5), outer);
      painter.drawPath(lid);
      continue;
    }
    const double open = p.EyeStyle == 1 ? 2.6 : (p.EyeStyle == 4 ? 5.5 : 4.2);
    QPainterPath eye;
    eye.moveTo(inner);
    eye.quadTo(QPointF(ex, eyeY - open * 1.4), outer);
    eye.quadTo(QPointF(ex, eyeY + open * 0.9), inner);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(246, 242, 232));
    painter.drawPath(eye);
    painter.save();
    painter.setClipPath(eye, Qt::IntersectClip);
    painter.setBrush(QColor(58, 38, 26));
    painter.drawEllipse(QPointF(ex + side * 0.5, eyeY - 0.5), 4.4, 4.4);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(ex + side * 0.5, eyeY - 0.5), 2.2, 2.2);
    painter.restore();
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawEllipse(QPointF(ex - 1.2, eyeY - 2), 1.1, 1.1);
    // The upper lid line is what reads at the smallest size.
    QPainterPath lid;
    lid.moveTo(inner);
    lid.quadTo(QPointF(ex, eyeY - open * 1.5), outer + QPointF(side * 1.5, -0.5));
    painter.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(lid);
  }
}

void PaintBrows(QPainter& painter, const Portrait& p, const Layout& l) {
  const double browY = l.cy - 12;
  const QColor colour = p.Old ? QColor(200, 196, 190) : Shade(p.Hair, 0.9);
  for (int side : {-1, 1}) {
    const double ex = l.cx + side * p.EyeSpacing;
    if (p.BrowStyle == 4) {  // court style: painted dots high on the forehead
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(40, 34, 30, 200));
      painter.drawEllipse(QPointF(ex, browY - 14), 4.5, 3);
      continue;
    }
    const double widths[] = {2.2, 4.4, 3.2, 5.6};
    const double rise = p.BrowStyle == 2 ? -7 : (p.BrowStyle == 3 ? -2 : -3);
    QPainterPath brow;
    brow.moveTo(ex - side * 11, browY + (p.BrowStyle == 2 ? 3 : 0));
    brow.quadTo(QPointF(ex, browY + rise - 2), QPointF(ex + side * 12, browY + rise * 0.4 + 2));
    painter.setPen(QPen(colour, widths[p.BrowStyle], Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(brow);
  }
}

void PaintNoseAndMouth(QPainter& painter, const Portrait& p, const Layout& l) {
  const QColor line = Shade(p.Skin, 0.6);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(line, 1.6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath nose;
  nose.moveTo(l.cx - 1, l.cy + 6);
  nose.quadTo(QPointF(l.cx + 3, l.cy + 18), QPointF(l.cx + 2, l.cy + 23));
  nose.quadTo(QPointF(l.cx - 2, l.cy + 26), QPointF(l.cx - 6, l.cy + 23));
  painter.drawPath(nose);

  const double mouthY = l.cy + l.hh * 0.62;
  const double bend = p.MouthStyle == 1 ? -2.5 : (p.MouthStyle == 2 ? 3.5 : 0.5);
  const QColor lips = p.Kind == PortraitKind::Lady ? QColor(190, 40, 60) : Shade(p.Skin, 0.55);
  QPainterPath mouth;
  const double half = p.Kind == PortraitKind::Lady ? 6 : 10;
  mouth.moveTo(l.cx - half, mouthY - bend * 0.4);
  mouth.quadTo(QPointF(l.cx, mouthY + bend), QPointF(l.cx + half, mouthY - bend * 0.4));
  painter.setPen(QPen(lips, p.Kind == PortraitKind::Lady ? 3.2 : 2, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(mouth);

  if (p.Old) {  // lines of age
    painter.setPen(QPen(WithAlpha(line, 150), 1.1));
    painter.drawLine(QPointF(l.cx - 13, l.cy + 20), QPointF(l.cx - 17, l.cy + 34));
    painter.drawLine(QPointF(l.cx + 13, l.cy + 20), QPointF(l.cx + 17, l.cy + 34));
    painter.drawLine(QPointF(l.cx - 14, l.cy - 30), QPointF(l.cx + 14, l.cy - 30));
    painter.drawLine(QPointF(l.cx - 10, l.cy - 35), QPointF(l.cx + 10, l.cy - 35));
  }
  if (p.HasScar) {
    painter.setPen(QPen(QColor(160, 80, 70, 200), 1.8));
    painter.drawLine(QPointF(l.cx + 22, l.cy - 16), QPointF(l.cx + 32, l.cy + 14));
  }
}

void PaintBeard(QPainter& painter, const Portrait& p, const Layout& l) {
  const QColor colour = p.Old ? QColor(214, 210, 204) : Shade(p.Hair, 1.1);
  const double mouthY = l.cy + l.hh * 0.62;
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  if (p.FacialHair == Beard::Stubble) {
    painter.setBrush(WithAlpha(QColor(70, 60, 70), 60));
    QPainterPath jaw = FaceOutline(l, p.JawWidth);
    painter.save();
    painter.setClipRect(QRectF(0, l.cy + 14, kCanvasWidth, 200));
    painter.drawPath(jaw);
    painter.restore();
    return;
  }
  if (p.FacialHair == Beard::Full) {
    QPainterPath beard;
    beard.moveTo(l.cx - l.hw + 2, l.cy + 8);
    beard.cubicTo(l.cx - l.hw + 4, l.cy + l.hh + 10, l.cx - 14, l.cy + l.hh + 34, l.cx, l.cy + l.hh + 36);
    beard.cubicTo(l.cx + 14, l.cy + l.hh + 34, l.cx + l.hw - 4, l.cy + l.hh + 10, l.cx + l.hw - 2, l.cy + 8);
    beard.lineTo(l.cx + l.hw * 0.7, l.cy + 14);
    beard.quadTo(l.cx, mouthY + 24, l.cx - l.hw * 0.7, l.cy + 14);
    beard.closeSubpath();
    painter.drawPath(beard);
    painter.setBrush(p.Skin.darker(115));
    painter.drawEllipse(QPointF(l.cx, mouthY + 1), 9, 4);  // the mouth shows through
  }
  if (p.FacialHair == Beard::Goatee || p.FacialHair == Beard::Full) {
    QPainterPath tuft;
    tuft.moveTo(l.cx - 8, l.cy + l.hh - 6);
    tuft.quadTo(l.cx, l.cy + l.hh + 24, l.cx + 8, l.cy + l.hh - 6);
    tuft.closeSubpath();
    painter.drawPath(tuft);
  }
  // Moustache: two sweeping strokes under the nose.
  for (int side : {-1, 1}) {
    QPainterPath half;
    half.moveTo(l.cx, mouthY - 7);
    half.cubicTo(l.cx + side * 8, mouthY - 11, l.cx + side * 16, mouthY - 6, l.cx + side * 22, mouthY + 4);
    half.cubicTo(l.cx + side * 14, mouthY - 2, l.cx + side * 8, mouthY - 3, l.cx, mouthY - 3);
    half.closeSubpath();
    painter.drawPath(half);
  }
}

void PaintHelmet(QPainter& painter, const Portrait& p, const Layout& l) {
  const double brim = l.cy - l.hh * 0.42;
  QPainterPath bowl;
  bowl.moveTo(l.cx - l.hw - 10, brim);
  bowl.cubicTo(l.cx - l.hw - 10, l.cy - l.hh * 1.75, l.cx + l.hw + 10, l.cy - l.hh * 1.75, l.cx + l.hw + 10,
               brim);
  bowl.closeSubpath();
  QLinearGradient lacquer(l.cx - l.hw, 0, l.cx + l.hw, 0);
  lacquer.setColorAt(0, Shade(p.HelmetColor, 0.7));
  lacquer.setColorAt(0.35, Shade(p.HelmetColor, 1.5));
  lacquer.setColorAt(1, Shade(p.HelmetColor, 0.6));
  painter.setPen(QPen(Shade(p.HelmetColor, 0.4), 1.5));
  painter.setBrush(lacquer);
  painter.drawPath(bowl);
  // Riveted ridges running up the bowl.
  painter.setPen(QPen(Shade(p.HelmetColor, 0.55), 1.1));
  for (int i = -3; i <= 3; ++i)
    painter.drawLine(QPointF(l.cx + i * 13, brim - 2), QPointF(l.cx + i * 5, l.cy - l.hh * 1.38));
  // Peak and turned-back side flaps.
  PaintBand(painter, QPointF(l.cx - l.hw - 14, brim + 1), QPointF(l.cx + l.hw + 14, brim + 1), 6,
            Shade(p.HelmetColor, 0.8));
  for (int side : {-1, 1}) {
    QPainterPath flap;
    flap.moveTo(l.cx + side * (l.hw + 6), brim - 2);
    flap.lineTo(l.cx + side * (l.hw + 30), brim - 22);
    flap.lineTo(l.cx + side * (l.hw + 34), brim + 6);
    flap.lineTo(l.cx + side * (l.hw + 10), brim + 12);
    flap.closeSubpath();
    painter.setPen(QPen(Shade(p.HelmetColor, 0.4), 1.2));
    painter.setBrush(Shade(p.HelmetColor, 1.1));
    painter.drawPath(flap);
    painter.setBrush(QColor(220, 184, 90));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(l.cx + side * (l.hw + 22), brim - 4), 3.2, 3.2);
  }
  // Chin cords.
  // Chin cords: from the helmet's sides along the jaw, tied under the chin.
  painter.setPen(QPen(p.Accent, 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int side : {-1, 1}) {
    QPainterPath cord;
    cord.moveTo(l.cx + side * (l.hw + 2), brim + 10);
    cord.cubicTo(l.cx + side * (l.hw + 3), l.cy + l.hh * 0.5, l.cx + side * l.hw * 0.6, l.cy + l.hh + 2,
                 l.cx + side * 3, l.cy + l.hh + 3);
    painter.drawPath(cord);
  }

  const QColor gold(226, 186, 78), goldEdge(150, 110, 30);
  painter.setPen(QPen(goldEdge, 1.3));
  painter.setBrush(gold);
  const QPointF base(l.cx, brim - 6);
  switch (p.HelmetCrest) {
    case Crest::Crescent: {
      QPainterPath moon;
      moon.moveTo(base + QPointF(-70, -48));
      moon.quadTo(base + QPointF(0, 24), base + QPointF(70, -48));
      moon.quadTo(base + QPointF(0, 2), base + QPointF(-70, -48));
      painter.drawPath(moon);
      break;
    }
    case Crest::Horns:
      for (int side : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(base + QPointF(side * 6, 0));
        horn.cubicTo(base + QPointF(side * 30, -20), base + QPointF(side * 34, -60),
                     base + QPointF(side * 22, -86));
        horn.cubicTo(base + QPointF(side * 24, -58), base + QPointF(side * 18, -24),
                     base + QPointF(side * 1, -6));
        horn.closeSubpath();
        painter.drawPath(horn);
      }
      break;
    case Crest::SunDisc:
      painter.drawEllipse(base + QPointF(0, -20), 17, 17);
      painter.setBrush(QColor(196, 30, 36));
      painter.drawEllipse(base + QPointF(0, -20), 12, 12);
      break;
    case Crest::Flame: {
      QPainterPath flame;
      flame.moveTo(base + QPointF(-12, 0));
      flame.cubicTo(base + QPointF(-22, -30), base + QPointF(4, -40), base + QPointF(-2, -66));
      flame.cubicTo(base + QPointF(20, -40), base + QPointF(24, -20), base + QPointF(12, 0));
      flame.closeSubpath();
      painter.drawPath(flame);
      break;
    }
    case Crest::None:
      painter.drawEllipse(base + QPointF(0, -2), 6, 4);
      break;
  }
}

void PaintHair(QPainter& painter, const Portrait& p, const Layout& l) {
  const double top = l.cy - l.hh;
  const QColor hair = p.Old ? QColor(170, 166, 162) : p.Hair;
  painter.setPen(QPen(Shade(hair, 0.6), 1));
  painter.setBrush(hair);
  switch (p.Head) {
    case Headwear::Topknot:
    case Headwear::Headband: {
      // Hair at the sides and back, the crown shaved (bluish skin), the knot folded over the top.
      for (int side : {-1, 1}) {
        QPainterPath sideHair;
        sideHair.moveTo(l.cx + side * (l.hw + 3), l.cy + 2);
        sideHair.cubicTo(l.cx + side * (l.hw + 8), top + 14, l.cx + side * (l.hw - 4), top + 4,
                         l.cx + side * (l.hw * 0.45), top + 6);
        sideHair.lineTo(l.cx + side * (l.hw * 0.55), top + 16);
        sideHair.quadTo(l.cx + side * (l.hw - 2), top + 20, l.cx + side * (l.hw - 3), l.cy - 8);
        sideHair.closeSubpath();
        painter.drawPath(sideHair);
      }
      if (p.Head == Headwear::Topknot) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 170, 180, 80));  // the shaved pate
        painter.drawEllipse(QPointF(l.cx, top + 10), l.hw * 0.55, 10);
        painter.setPen(QPen(Shade(hair, 0.5), 1));
        painter.setBrush(hair);
        painter.drawRoundedRect(QRectF(l.cx - 6, top - 20, 12, 30), 5, 5);
        PaintBand(painter, QPointF(l.cx - 7, top + 2), QPointF(l.cx + 7, top + 2), 3, QColor(240, 236, 226));
      } else {
        // Unshaved, tied back, with a headband.
        QPainterPath crown;
        crown.moveTo(l.cx - l.hw - 3, l.cy - 4);
        crown.cubicTo(l.cx - l.hw - 6, top - 26, l.cx + l.hw + 6, top - 26, l.cx + l.hw + 3, l.cy - 4);
        crown.quadTo(l.cx + l.hw * 0.5, top + 10, l.cx, top + 12);
        crown.quadTo(l.cx - l.hw * 0.5, top + 10, l.cx - l.hw - 3, l.cy - 4);
        painter.drawPath(crown);
        painter.drawEllipse(QPointF(l.cx, top - 16), 12, 9);
        PaintBand(painter, QPointF(l.cx - l.hw - 4, top + 18), QPointF(l.cx + l.hw + 4, top + 14), 8,
                  p.Accent);
        painter.setPen(QPen(p.Accent, 3));
        painter.drawLine(QPointF(l.cx + l.hw + 2, top + 16), QPointF(l.cx + l.hw + 22, top + 30));
      }
      break;
    }
    case Headwear::LongHair: {
      QPainterPath fringe;
      fringe.moveTo(l.cx - l.hw - 5, l.cy + 30);
      fringe.cubicTo(l.cx - l.hw - 10, top - 30, l.cx + l.hw + 10, top - 30, l.cx + l.hw + 5, l.cy + 30);
      fringe.quadTo(l.cx + l.hw - 6, top + 28, l.cx + 2, top + 10);
      fringe.quadTo(l.cx - l.hw + 6, top + 28, l.cx - l.hw - 5, l.cy + 30);
      painter.drawPath(fringe);
      // Ornaments: a gold pin and a red blossom.
      const double pinY = p.HairUp ? top - 26 : top - 8;
      PaintBand(painter, QPointF(l.cx + 20, pinY), QPointF(l.cx + 56, pinY - 22), 3, QColor(220, 180, 70));
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(210, 50, 70));
      painter.drawEllipse(QPointF(l.cx - 30, top - 4), 7, 7);
      painter.setBrush(QColor(250, 220, 120));
      painter.drawEllipse(QPointF(l.cx - 30, top - 4), 2.5, 2.5);
      break;
    }
    case Headwear::Eboshi: {
      for (int side : {-1, 1}) painter.drawEllipse(QPointF(l.cx + side * (l.hw - 2), l.cy - 14), 8, 16);
      QPainterPath cap;
      cap.moveTo(l.cx - l.hw - 2, top + 16);
      cap.cubicTo(l.cx - l.hw - 6, top - 44, l.cx + 10, top - 70, l.cx + l.hw * 0.8, top - 52);
      cap.cubicTo(l.cx + l.hw + 8, top - 30, l.cx + l.hw + 4, top, l.cx + l.hw + 2, top + 16);
      cap.quadTo(l.cx, top + 4, l.cx - l.hw - 2, top + 16);
      QLinearGradient lacquer(l.cx - l.hw, 0, l.cx + l.hw, 0);
      lacquer.setColorAt(0, QColor(20, 20, 24));
      lacquer.setColorAt(0.4, QColor(80, 80, 90));
      lacquer.setColorAt(1, QColor(16, 16, 20));
      painter.setPen(QPen(QColor(0, 0, 0), 1.2));
      painter.setBrush(lacquer);
      painter.drawPath(cap);
      painter.setPen(QPen(QColor(60, 60, 70), 1));
      painter.drawLine(QPointF(l.cx - 20, top - 20), QPointF(l.cx + 26, top - 32));
      break;
    }
    case Headwear::Shaved: {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(140, 160, 170, 70));  // a freshly shaved head
      QPainterPath crown;
      crown.moveTo(l.cx - l.hw, l.cy - l.hh * 0.15);
      crown.cubicTo(l.cx - l.hw, top - l.hh * 0.05, l.cx + l.hw, top - l.hh * 0.05, l.cx + l.hw,
                    l.cy - l.hh * 0.15);
      crown.quadTo(l.cx, l.cy - l.hh * 0.55, l.cx - l.hw, l.cy - l.hh * 0.15);
      painter.drawPath(crown);
      painter.setBrush(QColor(255, 255, 255, 60));
      painter.drawEllipse(QPointF(l.cx - 14, top + 14), 14, 7);
      break;
    }
    case Headwear::Hood: {
      QPainterPath hood;
      hood.moveTo(l.cx - l.hw - 16, l.cy + l.hh + 30);
      hood.cubicTo(l.cx - l.hw - 30, top - 40, l.cx + l.hw + 30, top - 40, l.cx + l.hw + 16,
                   l.cy + l.hh + 30);
      hood.lineTo(l.cx + l.hw - 4, l.cy + l.hh * 0.3);
      hood.quadTo(l.cx + l.hw, top + 10, l.cx, top + 12);
      hood.quadTo(l.cx - l.hw, top + 10, l.cx - l.hw + 4, l.cy + l.hh * 0.3);
      hood.closeSubpath();
      QLinearGradient cloth(0, top - 30, 0, l.cy + l.hh);
      cloth.setColorAt(0, Shade(p.Accent, 1.2));
      cloth.setColorAt(1, Shade(p.Accent, 0.75));
      painter.setPen(QPen(Shade(p.Accent, 0.5), 1.4));
      painter.setBrush(cloth);
      painter.drawPath(hood);
      break;
    }
    case Headwear::Helmet:
      PaintHelmet(painter, p, l);
      break;
  }
}

}  // namespace

Portrait MakePortrait(PortraitKind kind, unsigned seed) {
  Dice dice(seed);
  Portrait p;
  p.Kind = kind;
  const auto sky = dice.From(kSkies);
  p.BackdropTop = sky.first;
  p.BackdropBottom = sky.second;
  p.Backdrop = static_cast<Motif>(dice.Pick(5));
  p.Skin = dice.From(kSkins);
  p.Hair = dice.From(
      std::array<QColor, 4>{QColor(24, 20, 22), QColor(40, 30, 26), QColor(30, 28, 36), QColor(58, 42, 32)});
  p.Outer = dice.From(kDyes);
  p.Inner = dice.From(kDyes);
  p.Accent = dice.From(kAccents);
  p.HelmetColor = dice.From(std::array<QColor, 5>{QColor(34, 34, 40), QColor(150, 36, 32), QColor(70, 64, 58),
                                                  QColor(40, 50, 80), QColor(120, 96, 50)});
  p.FaceHalfWidth = dice.Between(40, 48);
  p.FaceHalfHeight = dice.Between(52, 60);
  p.JawWidth = dice.From(std::array<double, 3>{0.35, 0.55, 0.75});
  p.EyeStyle = dice.Pick(5);
  p.BrowStyle = dice.Pick(4);
  p.MouthStyle = dice.Pick(3);
  p.EyeSpacing = dice.Between(17, 21);
  p.Old = dice.Chance(0.2);
  p.HasScar = dice.Chance(0.08);
  p.HasFamilyCrest = dice.Chance(0.5);

  switch (kind) {
    case PortraitKind::Warrior: {
      const int look = dice.Pick(10);
      p.Head = look < 4 ? Headwear::Helmet : (look < 8 ? Headwear::Topknot : Headwear::Headband);
      p.HelmetCrest = static_cast<Crest>(dice.Pick(5));
      p.Clothes =
          p.Head == Headwear::Helmet ? Garment::Armour : (dice.Chance(0.5) ? Garment::Vest : Garment::Kimono);
      p.FacialHair = static_cast<Beard>(dice.Pick(5));
      break;
    }
    case PortraitKind::Lady:
      p.Head = Headwear::LongHair;
      p.Clothes = Garment::Kimono;
      p.Outer = dice.From(kLadyDyes);
      p.Inner = dice.From(kLadyDyes);
      p.Skin = Shade(dice.From(kSkins), 1.06);
      p.FaceHalfWidth = dice.Between(38, 42);
      p.FaceHalfHeight = dice.Between(50, 54);
      p.JawWidth = 0.4;
      p.EyeStyle = dice.From(std::array<int, 3>{0, 1, 3});
      p.BrowStyle = dice.Chance(0.5) ? 4 : 0;
      p.MouthStyle = dice.Chance(0.5) ? 2 : 0;
      p.Old = false;
      p.HasScar = false;
      p.HasFamilyCrest = false;
      p.HairUp = dice.Chance(0.5);
      break;
    case PortraitKind::Culture: {
      const int look = dice.Pick(3);
      p.Head = look == 0 ? Headwear::Shaved : (look == 1 ? Headwear::Hood : Headwear::Eboshi);
      p.Clothes = p.Head == Headwear::Eboshi ? Garment::Kimono : Garment::Robe;
      p.Outer =
          p.Clothes == Garment::Robe
              ? dice.From(std::array<QColor, 3>{QColor(40, 40, 44), QColor(90, 86, 80), QColor(60, 50, 70)})
              : p.Outer;
      p.Accent = dice.From(std::array<QColor, 4>{QColor(190, 140, 50), QColor(130, 90, 60),
                                                 QColor(110, 100, 140), QColor(150, 60, 40)});
      p.BrowStyle = p.Head == Headwear::Eboshi ? 4 : dice.Pick(4);
      p.FacialHair = dice.Chance(0.4) ? Beard::Goatee : Beard::None;
      p.Old = dice.Chance(0.5);
      break;
    }
  }
  return p;
}

QImage PaintPortrait(const Portrait& portrait, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double scale = width / kCanvasWidth;
  painter.scale(scale, scale);
  const Layout layout = LayoutOf(portrait, height / scale);
  const unsigned seed = static_cast<unsigned>(qHash(portrait.Outer.rgb()) ^ qHash(portrait.Skin.rgb()));

  PaintBackdrop(painter, portrait, layout, seed);
  if (portrait.Head == Headwear::LongHair) PaintLongHairBehind(painter, portrait, layout);
  PaintBody(painter, portrait, layout, seed);
  if (portrait.Head == Headwear::Helmet) PaintNeckGuard(painter, portrait, layout);
  PaintFace(painter, portrait, layout);
  PaintEyes(painter, portrait, layout);
  PaintBrows(painter, portrait, layout);
  PaintNoseAndMouth(painter, portrait, layout);
  if (portrait.FacialHair != Beard::None) PaintBeard(painter, portrait, layout);
  PaintHair(painter, portrait, layout);
  painter.end();
  return image;
}

}  // namespace demogame
