// Whether text on the screen can be read: the contrast ratio between a region's background (its
// most frequent colour) and its text (the pixel that differs most from it in luminance), as the
// web's accessibility guidelines measure it. 4.5 or more reads at a glance; dark ink on dark
// lacquer is near 1.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <cmath>

namespace tavlor::testing {

inline double RelativeLuminance(const QColor& colour) {
  const auto channel = [](double value) {
    value /= 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

inline double ContrastRatio(const QColor& a, const QColor& b) {
  const double first = RelativeLuminance(a), second = RelativeLuminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

struct RegionInk {
  QColor Background;
  QColor Text;
  double Ratio = 1.0;
};

// The background and text colours of `region` inside `picture`, and their contrast.
inline RegionInk MeasureInk(const QImage& picture, const QRect& region) {
  const QRect area = region & picture.rect();
  QHash<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++counts[picture.pixel(x, y) | 0xFF000000u];
  RegionInk ink;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > most) most = it.value(), ink.Background = QColor::fromRgb(it.key());
  }
  ink.Text = ink.Background;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    const double ratio = ContrastRatio(ink.Background, QColor::fromRgb(it.key()));
    if (ratio > ink.Ratio) ink.Ratio = ratio, ink.Text = QColor::fromRgb(it.key());
  }
  return ink;
}

}  // namespace tavlor::testing
