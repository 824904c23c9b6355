// The pickers' shared ground and style sheet.
#include "ui/pickers/PickerArtwork.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1Style.h"

namespace tavlor {

QPixmap PaintPickerBackground(QSize size, std::initializer_list<QRect> panels) {
  QPixmap pixmap = art::BlankPixmap(size);
  QPainter painter(&pixmap);
  const QRectF whole(QPointF(0, 0), QSizeF(size));
  art::PaintLacquer(painter, whole);
  art::PaintGoldFrame(painter, whole.adjusted(4, 4, -4, -4), 1.2);
  int seed = 11;
  for (const QRect& panel : panels) art::PaintWashiPanel(painter, panel, seed++);
  return pixmap;
}

void PaintPortraitWell(QPixmap& ground, const QRect& box) {
  QPainter painter(&ground);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF well = QRectF(box).adjusted(-4, -4, 4, 4);
  QLinearGradient shade(well.topLeft(), well.bottomLeft());
  shade.setColorAt(0, art::kLacquerDeep);
  shade.setColorAt(1, art::kLacquer);
  painter.fillRect(well, shade);
  art::PaintGoldFrame(painter, well, 1.4);
  // A faint crest in the empty well, so a general without a face still shows a finished box.
  painter.setPen(QPen(QColor(201, 161, 74, 40), 1.2));
  painter.setBrush(Qt::NoBrush);
  const QPointF centre = well.center();
  const qreal radius = well.width() / 5;
  for (int petal = 0; petal < 5; ++petal) {
    painter.save();
    painter.translate(centre);
    painter.rotate(petal * 72);
    painter.drawEllipse(QPointF(0, -radius * 0.62), radius * 0.42, radius * 0.42);
    painter.restore();
  }
  painter.drawEllipse(centre, radius * 1.25, radius * 1.25);
}

QString PickerStyleSheet() {
  return Form1StyleSheet() +
         QStringLiteral(
             "QLineEdit[readOnly=\"true\"] { background: rgba(255, 251, 238, 150); }"
             "QListView { background: #fbf4e2; color: #22180f; border: 1px solid #8a6a34;"
             " selection-background-color: #8c2a1c; selection-color: #fff2c4; outline: 0; }"
             "QListView::item { padding: 1px 6px; }"
             "QListView::item:hover { background: rgba(201, 161, 74, 60); }"
             "QScrollBar:horizontal { height: 16px; border: 1px solid #c9a14a; border-radius: 3px;"
             " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #150c08, stop:1 #3a2218);"
             " margin: 0px 16px; }"
             "QScrollBar::handle:horizontal { min-width: 18px; border-radius: 2px; border: 1px solid #8a6428;"
             " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7e3a3, stop:0.45 #d6ae58,"
             " stop:1 #8a6428); }"
             "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 15px;"
             " border: 1px solid #c9a14a; background: #3a2016; subcontrol-origin: margin; }"
             "QScrollBar::add-line:horizontal { subcontrol-position: right; }"
             "QScrollBar::sub-line:horizontal { subcontrol-position: left; }"
             "QScrollBar::left-arrow:horizontal, QScrollBar::right-arrow:horizontal { width: 5px;"
             " height: 5px; background: #d6ae58; }"
             "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }"
             "QScrollBar:vertical { width: 14px; background: #e6d8b8; border: none; margin: 0px; }"
             "QScrollBar::handle:vertical { min-height: 24px; border-radius: 3px; margin: 1px;"
             " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #d6ae58, stop:1 #8a6428); }"
             "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
             "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
}

}  // namespace tavlor
