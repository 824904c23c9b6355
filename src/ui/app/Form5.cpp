// Form5: the splash picture, painted by code in the editor's lacquer and gold.
#include "ui/app/Form5.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "ui/app/ProgramArtwork.h"
#include "ui/chrome/Artwork.h"
#include "ui/chrome/Twips.h"

namespace tavlor {
namespace {

// Rows of overlapping wave arcs along the lower edge, faint gold on the lacquer.
void PaintWaves(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setClipRect(area);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor line = art::kGold;
  line.setAlpha(46);
  painter.setPen(QPen(line, 1.0));
  painter.setBrush(Qt::NoBrush);
  const qreal radius = 18;
  int rowIndex = 0;
  for (qreal y = area.top() + radius; y < area.bottom() + radius * 2; y += radius * 0.5, ++rowIndex) {
    const qreal shift = (rowIndex % 2) * radius;
    for (qreal x = area.left() - radius * 2 + shift; x < area.right() + radius * 2; x += radius * 2) {
      for (qreal ring = radius; ring > 3; ring -= 5) painter.drawEllipse(QPointF(x, y), ring, ring);
    }
  }
  painter.restore();
}

// A vermilion seal with one character, as stamped on a scroll.
void PaintSeal(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(art::kWashi, 1.2));
  painter.setBrush(art::kVermilion);
  painter.drawRoundedRect(area, 3, 3);
  painter.setPen(art::kWashi);
  painter.setFont(art::CaptionFont(static_cast<int>(area.height() * 0.62)));
  painter.drawText(area, Qt::AlignCenter, QStringLiteral("将"));
  painter.restore();
}

}  // namespace

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Tavlor"));
  setFixedSize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
  setCursor(Qt::PointingHandCursor);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setInterval(kDelayMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &Form5::Finish);
  Timer1->start();
}

void Form5::Finish() {
  Timer1->stop();
  if (finished_) return;
  finished_ = true;
  emit finished();
}

void Form5::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Finish();
}

void Form5::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF whole = rect();

  art::PaintLacquer(painter, whole);
  // A warm glow behind the crest.
  QRadialGradient glow(QPointF(width() - 118, height() / 2.0), 150);
  glow.setColorAt(0.0, QColor(120, 40, 24, 150));
  glow.setColorAt(1.0, QColor(120, 40, 24, 0));
  painter.fillRect(whole, glow);
  PaintWaves(painter, QRectF(0, height() - 58, width(), 58));

  art::PaintGoldFrame(painter, whole.adjusted(5, 5, -5, -5), 1.6);
  art::PaintGoldFrame(painter, whole.adjusted(10, 10, -10, -10), 0.8);

  PaintCrest(painter, QRectF(width() - 198, 38, 160, 160), 0.92);

  // Title, rule and subtitles on the left.
  QLinearGradient titleGold(0, 50, 0, 118);
  titleGold.setColorAt(0.0, art::kGoldBright);
  titleGold.setColorAt(1.0, art::kGold);
  QFont titleFont = art::CaptionFont(64);
  titleFont.setLetterSpacing(QFont::PercentageSpacing, 104);
  painter.setFont(titleFont);
  painter.setPen(QPen(QBrush(titleGold), 1));
  painter.drawText(QRectF(40, 34, 300, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavlor"));

  painter.setPen(QPen(art::kGold, 1.2));
  painter.drawLine(QPointF(42, 128), QPointF(318, 128));
  painter.setPen(QPen(art::kGoldDim, 0.8));
  painter.drawLine(QPointF(42, 132), QPointF(260, 132));

  painter.setPen(art::kWashi);
  painter.setFont(art::CaptionFont(21));
  painter.drawText(QRectF(42, 138, 300, 32), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("登录武将编辑器"));
  painter.setPen(art::kWashiShade);
  painter.setFont(art::FieldFont(12));
  painter.drawText(QRectF(44, 170, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("姓名 · 能力 · 肖像 · 列传      V1.2"));

  PaintSeal(painter, QRectF(280, 144, 30, 30));
}

}  // namespace tavlor
