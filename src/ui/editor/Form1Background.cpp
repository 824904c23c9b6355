// The editor's painted screen: a lacquered board with gold rims, washi panels for each group of
// fields, and brush-like captions beside the places where Form1 puts its controls.
#include "ui/editor/Form1Background.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"

namespace tavlor {

namespace {

namespace layout = form1_layout;

const QColor kHeadingInk{128, 30, 20};

void PaintHeading(QPainter& painter, const QRect& area, const QString& caption) {
  // A small vermilion lozenge before each panel heading.
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(area.left() + 5, area.center().y() + 1);
  QPainterPath lozenge;
  lozenge.moveTo(centre + QPointF(0, -5));
  lozenge.lineTo(centre + QPointF(5, 0));
  lozenge.lineTo(centre + QPointF(0, 5));
  lozenge.lineTo(centre + QPointF(-5, 0));
  lozenge.closeSubpath();
  painter.fillPath(lozenge, art::kVermilion);
  painter.restore();
  art::PaintCaption(painter, area.adjusted(14, 0, 0, 0), caption, 17, kHeadingInk,
                    Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintFieldCaption(QPainter& painter, const QRect& area, const QString& caption, int size = 15) {
  art::PaintCaption(painter, area, caption, size, art::kInk, Qt::AlignCenter);
}

// Rows of overlapping arcs (the wave pattern) in faint gold across a band.
void PaintWaves(QPainter& painter, const QRectF& band) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(band);
  const qreal radius = 14;
  for (int row = 0; row * radius / 2 < band.height() + radius; ++row) {
    const qreal y = band.top() + row * radius / 2;
    const qreal shift = (row % 2) * radius;
    for (qreal x = band.left() - radius + shift; x < band.right() + radius; x += radius * 2) {
      for (int ring = 3; ring >= 1; --ring) {
        const qreal r = radius * ring / 3.0;
        painter.setBrush(ring % 2 ? QColor(36, 20, 14) : QColor(46, 27, 18));
        painter.setPen(QPen(QColor(201, 161, 74, 70), 0.8));
        painter.drawPie(QRectF(x - r, y - r, 2 * r, 2 * r), 0, 180 * 16);
      }
    }
  }
  painter.restore();
}

void PaintBoard(QPainter& painter) {
  const QRectF whole(0, 0, Form1::kWidth, Form1::kHeight);
  art::PaintLacquer(painter, whole);
  PaintWaves(painter, QRectF(560, 6, 419, 36));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(art::kGold, 2));
  painter.drawRect(whole.adjusted(3, 3, -3, -3));
  painter.setPen(QPen(art::kGoldDim, 1));
  painter.drawRect(whole.adjusted(7.5, 7.5, -7.5, -7.5));
  // Gold corner brackets.
  const qreal arm = 22;
  painter.setPen(QPen(art::kGoldBright, 2.5));
  for (const QPointF& corner :
       {whole.topLeft() + QPointF(10, 10), whole.topRight() + QPointF(-10, 10),
        whole.bottomLeft() + QPointF(10, -10), whole.bottomRight() + QPointF(-10, -10)}) {
    const qreal dx = corner.x() < whole.center().x() ? arm : -arm;
    const qreal dy = corner.y() < whole.center().y() ? arm : -arm;
    painter.drawLine(corner, corner + QPointF(dx, 0));
    painter.drawLine(corner, corner + QPointF(0, dy));
  }
  // The rule under the title band.
  QLinearGradient rule(QPointF(16, 0), QPointF(969, 0));
  rule.setColorAt(0, QColor(201, 161, 74, 0));
  rule.setColorAt(0.15, art::kGold);
  rule.setColorAt(0.85, art::kGold);
  rule.setColorAt(1, QColor(201, 161, 74, 0));
  painter.setPen(QPen(QBrush(rule), 1.5));
  painter.drawLine(QPointF(16, 45), QPointF(969, 45));
  painter.restore();
  art::PaintCaption(painter, layout::kTitle, QStringLiteral("武将编辑"), 26, art::kGoldBright,
                    Qt::AlignLeft | Qt::AlignVCenter);
  art::PaintCaption(painter, layout::kTitle.adjusted(132, 6, 0, 0), QStringLiteral("登録武将之帳"), 14,
                    art::kGold, Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintPanels(QPainter& painter) {
  const QRect panels[] = {layout::kPortraitPanel, layout::kOriginPanel,   layout::kSexPanel,
                          layout::kCityPanel,     layout::kNamePanel,     layout::kStatusVoicePanel,
                          layout::kYearPanel,     layout::kAbilityPanel,  layout::kAptitudePanel,
                          layout::kRelationPanel, layout::kBiographyPanel};
  int seed = 0;
  for (const QRect& panel : panels) art::PaintWashiPanel(painter, panel, ++seed);
}

void PaintLeftColumn(QPainter& painter) {
  art::PaintInset(painter, layout::kPortrait);
  PaintHeading(painter, layout::kOriginCaption, QStringLiteral("出自"));
  PaintFieldCaption(painter, layout::kSexCaption, QStringLiteral("性别"));
  PaintHeading(painter, layout::kCityCaption, QStringLiteral("所属拠点"));
}

void PaintNameAndYearCaptions(QPainter& painter) {
  PaintFieldCaption(painter, layout::kNameCaptions[0], QStringLiteral("姓"), 17);
  PaintFieldCaption(painter, layout::kNameCaptions[1], QStringLiteral("名"), 17);
  PaintFieldCaption(painter, layout::kReadingCaptions[0], QStringLiteral("姓読"));
  PaintFieldCaption(painter, layout::kReadingCaptions[1], QStringLiteral("名読"));
  PaintFieldCaption(painter, layout::kStatusCaption, QStringLiteral("身分"));
  PaintFieldCaption(painter, layout::kVoiceCaption, QStringLiteral("声音"));
  PaintFieldCaption(painter, layout::kYearCaptions[0], QStringLiteral("生年"));
  PaintFieldCaption(painter, layout::kYearCaptions[1], QStringLiteral("寿命"));
  PaintFieldCaption(painter, layout::kDeathYearCaption, QStringLiteral("死亡年"), 14);
  // A gold scale under each slider: a tick every tenth of the bar, longer at the middle.
  painter.save();
  for (const QRect& bar : layout::kYearBars) {
    for (int tick = 0; tick <= 10; ++tick) {
      const qreal x = bar.left() + 1 + (bar.width() - 2) * tick / 10.0;
      const qreal length = tick % 5 == 0 ? 5 : 3;
      painter.setPen(QPen(art::kGoldDim, 1));
      painter.drawLine(QPointF(x, bar.bottom() + 3), QPointF(x, bar.bottom() + 3 + length));
    }
  }
  painter.restore();

  // Scenario cells: a caption band of lacquer over a paper cell.
  const QStringList scenarios{QStringLiteral("信長元服"),   QStringLiteral("尾張統一"),
                              QStringLiteral("信長上洛"),   QStringLiteral("長篠の戦い"),
                              QStringLiteral("夢幻の如く"), QStringLiteral("群雄集結")};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 1; i <= 6; ++i) {
    const QRect caption = layout::ScenarioCaption(i);
    const QRect age = layout::ScenarioAge(i);
    painter.fillRect(caption, QColor(60, 30, 20));
    painter.fillRect(age, QColor(255, 250, 236, 150));
    painter.setPen(QPen(art::kGoldDim, 1));
    painter.drawRect(QRectF(caption.united(age)).adjusted(0.5, 0.5, -0.5, -0.5));
    art::PaintCaption(painter, caption, scenarios[i - 1], 13, art::kGoldBright);
  }
  painter.restore();
}

void PaintAbilityCaptions(QPainter& painter) {
  PaintHeading(painter, layout::kAbilityCaption, QStringLiteral("能力"));
  const QStringList abilities{QStringLiteral("統率"), QStringLiteral("武勇"), QStringLiteral("知略"),
                              QStringLiteral("政治"), QStringLiteral("義理")};
  for (int i = 0; i < 5; ++i) PaintFieldCaption(painter, layout::AbilityName(i), abilities[i], 14);
  PaintHeading(painter, layout::kAptitudeCaption, QStringLiteral("适性"));
  const QStringList aptitudes{QStringLiteral("足軽"), QStringLiteral("騎馬"), QStringLiteral("弓"),
                              QStringLiteral("鉄砲"), QStringLiteral("兵器")};
  for (int i = 0; i < 5; ++i) PaintFieldCaption(painter, layout::AptitudeName(i), aptitudes[i], 14);
  PaintHeading(painter, layout::kTacticCaption, QStringLiteral("戦法"));
}

void PaintRelationCaptions(QPainter& painter) {
  const QStringList relations{QStringLiteral("相性"), QStringLiteral("親愛"), QStringLiteral("嫌悪"),
                              QStringLiteral("実父")};
  for (int row = 0; row < 4; ++row) {
    PaintFieldCaption(painter, layout::RelationCaption(row), relations[row]);
    art::PaintInset(painter, layout::RelationPortrait(row).adjusted(2, 2, -2, -2));
    if (row < 3) {
      painter.setPen(QPen(QColor(160, 128, 80, 120), 1, Qt::DotLine));
      const int y = layout::RelationPortrait(row).bottom() + 5;
      painter.drawLine(layout::kRelationPanel.left() + 10, y, layout::kRelationPanel.right() - 10, y);
    }
  }
}

void PaintBiographyAndSeal(QPainter& painter) {
  // The biography heading runs top to bottom, as on a scroll.
  art::PaintCaption(painter, layout::kBiographyCaption, QStringLiteral("列\n伝"), 18, kHeadingInk);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect seal(layout::kSealArea.right() - 50, layout::kSealArea.top() + 2, 48, 48);
  painter.setBrush(art::kVermilion);
  painter.setPen(QPen(QColor(120, 24, 16), 2));
  painter.drawRoundedRect(seal, 4, 4);
  painter.setPen(QPen(QColor(255, 230, 200, 200), 1.2));
  painter.drawRoundedRect(QRectF(seal).adjusted(4, 4, -4, -4), 2, 2);
  painter.restore();
  art::PaintCaption(painter, seal.adjusted(0, 0, 0, -2), QStringLiteral("武\n将"), 16, QColor(255, 238, 214));
  art::PaintCaption(painter, layout::kSealArea.adjusted(0, 0, -58, 0), QStringLiteral("一将功成"), 20,
                    art::kGold, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

QPixmap PaintForm1Background() {
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(QSize(Form1::kWidth, Form1::kHeight) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintBoard(painter);
  PaintPanels(painter);
  PaintLeftColumn(painter);
  PaintNameAndYearCaptions(painter);
  PaintAbilityCaptions(painter);
  PaintRelationCaptions(painter);
  PaintBiographyAndSeal(painter);
  return pixmap;
}

}  // namespace tavlor
