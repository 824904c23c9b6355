// Form1: the name fields, the birth-year and lifespan sliders and the lifespan line.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "core/editor/LifespanLine.h"
#include "core/editor/SliderArithmetic.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"

namespace tavlor {

namespace layout = form1_layout;

namespace {

QLineEdit* MakeBox(QWidget* parent, const QString& name, const QRect& place, int fontSize) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(place);
  box->setFont(art::FieldFont(fontSize));
  return box;
}

QProgressBar* MakeBar(QWidget* parent, const QString& name, const QRect& place, const SliderRange& range) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(name);
  bar->setGeometry(place);
  bar->setRange(range.Minimum, range.Maximum);
  bar->setValue(range.Minimum);
  bar->setTextVisible(false);
  bar->setCursor(Qt::SizeHorCursor);
  return bar;
}

}  // namespace

void Form1::BuildNameFields() {
  for (int k = 0; k < 2; ++k) {
    tx_Name1[k] = MakeBox(this, QStringLiteral("tx_Name1_%1").arg(k), layout::kNames[k], 17);
    tx_DY[k] = MakeBox(this, QStringLiteral("tx_DY_%1").arg(k), layout::kReadings[k], 15);
  }
}

void Form1::BuildYearFields() {
  TX_year = MakeBox(this, QStringLiteral("TX_year"), layout::kYearBoxes[0], 15);
  TX_age = MakeBox(this, QStringLiteral("TX_age"), layout::kYearBoxes[1], 15);
  TX_year->setAlignment(Qt::AlignCenter);
  TX_age->setAlignment(Qt::AlignCenter);
  pbar_year = MakeBar(this, QStringLiteral("pbar_year"), layout::kYearBars[0], kBirthYearSlider);
  pbar_age = MakeBar(this, QStringLiteral("pbar_age"), layout::kYearBars[1], kLifespanSlider);
  pbar_year->installEventFilter(this);
  pbar_age->installEventFilter(this);
}

void Form1::BuildLifespanLine() {
  for (int i = 0; i < static_cast<int>(lb_sm.size()); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lb_sm_%1").arg(i));
    label->setGeometry(i == 0 ? layout::kDeathYear : layout::ScenarioAge(i));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(i == 0 ? art::CaptionFont(24) : art::CaptionFont(16));
    lb_sm[i] = label;
  }
}

void Form1::OnSliderMouse(QProgressBar* bar, double x, Qt::MouseButtons buttons) {
  if (buttons != Qt::LeftButton) return;  // the left button alone
  const bool lifespan = bar == pbar_age;
  const SliderRange& range = lifespan ? kLifespanSlider : kBirthYearSlider;
  QLineEdit* box = lifespan ? TX_age : TX_year;
  const int value = SliderValueAt(range, x, bar->width());
  box->setText(QString::number(value));
  bar->setValue(value);
  SMJS();
}

void Form1::SMJS() {
  const LifespanLine line =
      ComputeLifespanLine(ToInterfaceBytes(TX_year->text()), ToInterfaceBytes(TX_age->text()));
  lb_sm[0]->setText(QString::fromStdString(line.DeathYearText));
  for (std::size_t i = 0; i < line.ScenarioTexts.size(); ++i) {
    lb_sm[i + 1]->setText(Caption(line.ScenarioTexts[i]));
  }
}

}  // namespace tavlor
