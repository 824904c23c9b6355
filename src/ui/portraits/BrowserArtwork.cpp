// Lacquer, washi and gold for the portrait browser and the preview, painted by code.
#include "ui/portraits/BrowserArtwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "ui/app/ProgramArtwork.h"
#include "ui/chrome/Artwork.h"
#include "ui/portraits/Form_CGBRLayout.h"

namespace tavlor {
namespace {

namespace layout = form_cgbr_layout;

QPixmap BlankPixmap(QSize size) {
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// The editor's portrait inset, sunk a little into the paper.
void PaintNiche(QPainter& painter, const QRect& area) {
  painter.fillRect(area.adjusted(-2, -2, 2, 2), QColor(0, 0, 0, 60));
  art::PaintInset(painter, area);
}

// A horizontal gold rule that fades out at both ends.
void PaintFadingRule(QPainter& painter, qreal left, qreal right, qreal y, qreal width) {
  QLinearGradient rule(QPointF(left, 0), QPointF(right, 0));
  rule.setColorAt(0, QColor(201, 161, 74, 0));
  rule.setColorAt(0.12, art::kGold);
  rule.setColorAt(0.88, art::kGold);
  rule.setColorAt(1, QColor(201, 161, 74, 0));
  painter.setPen(QPen(QBrush(rule), width));
  painter.drawLine(QPointF(left, y), QPointF(right, y));
}

}  // namespace

QPixmap PaintBrowserBackground() {
  const QSize size = layout::kClientSize;
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  art::PaintLacquer(painter, QRectF(QPointF(0, 0), QSizeF(size)));

  // The top bar: deeper lacquer under the list and the page buttons, a gold rule below it, and
  // the crest at its right end.
  const QRectF bar(0, 0, size.width(), layout::kBarHeight);
  QLinearGradient band(bar.topLeft(), bar.bottomLeft());
  band.setColorAt(0, QColor(30, 16, 11));
  band.setColorAt(1, QColor(16, 9, 6));
  painter.fillRect(bar, band);
  PaintFadingRule(painter, 0, size.width(), bar.bottom() + 0.5, 1.2);
  const QRectF crest(size.width() - 30, 2, bar.height() - 4, bar.height() - 4);
  PaintCrest(painter, crest, 0.9);
  PaintFadingRule(painter, layout::kLabel1.right() + 16, crest.left() - 10, bar.center().y(), 0.8);

  // An outer gold rim round the lacquer below the bar.
  painter.setPen(QPen(art::kGoldDim, 1));
  painter.drawRect(QRectF(1.5, bar.bottom() + 1.5, size.width() - 3, size.height() - bar.bottom() - 3));
  return pixmap;
}

QPixmap PaintThumbnailBoard() {
  const QSize size = layout::kThumbnailPanel.size();
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  art::PaintWashiPanel(painter, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 41);
  for (int box = 0; box < 40; ++box) PaintNiche(painter, layout::Thumbnail(box));
  return pixmap;
}

void PaintEmptyNiche(QPainter& painter, const QRect& box) {
  const int side = box.width() * 3 / 5;
  const QRectF crest(box.center().x() - side / 2.0, box.center().y() - side / 2.0, side, side);
  PaintCrest(painter, crest, 0.14);
}

void PaintThumbnailHighlight(QPainter& painter, const QRect& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 236, 170, 110), 6));
  painter.drawRect(QRectF(box).adjusted(-4, -4, 4, 4));
  painter.setPen(QPen(QColor(255, 244, 200), 2.5));
  painter.drawRect(QRectF(box).adjusted(-3, -3, 3, 3));
  painter.restore();
}

QPixmap PaintPreviewBackground() {
  const QSize size = layout::kPreviewSize;
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF whole(QPointF(0, 0), QSizeF(size));
  art::PaintLacquer(painter, whole);
  painter.setPen(QPen(art::kGold, 2));
  painter.drawRect(whole.adjusted(1, 1, -1, -1));
  for (const QRect& box : {layout::kPreviewLarge, layout::kPreviewMedium, layout::kPreviewSmall})
    PaintNiche(painter, box);
  // The crest in the free corner beside the small face.
  const QRect small = layout::kPreviewSmall;
  const qreal side = std::min(size.width() - small.right() - 14, small.height() - 16);
  PaintCrest(painter, QRectF(small.right() + 8, small.bottom() - side - 2, side, side), 0.55);
  return pixmap;
}

}  // namespace tavlor
