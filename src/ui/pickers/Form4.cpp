// Form4, the city picker.
#include "ui/pickers/Form4.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/lang/PickerTexts.h"
#include "core/pickers/CityPicking.h"
#include "core/text/PlainTextRules.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/chrome/PictureBox.h"
#include "ui/chrome/Twips.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/pickers/CityMap.h"
#include "ui/pickers/Form4Layout.h"
#include "ui/pickers/PickerArtwork.h"

namespace tavlor {

namespace layout = form4_layout;

namespace {

constexpr int kPointerLabelMilliseconds = 50;

QRect PixelRect(QPoint topLeftTwips, QSize sizeTwips) {
  return {TwipsToPixels(topLeftTwips.x()), TwipsToPixels(topLeftTwips.y()), TwipsToPixels(sizeTwips.width()),
          TwipsToPixels(sizeTwips.height())};
}

}  // namespace

Form4::Form4(CitySelection& selection, QWidget* parent) : QWidget(parent, Qt::Window), selection_(selection) {
  setObjectName(QStringLiteral("Form4"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(TwipsToPixels(layout::kClientTwips.width()), TwipsToPixels(layout::kClientTwips.height()));
  setStyleSheet(PickerStyleSheet());
  setMouseTracking(true);

  const QSize icon(layout::kIconTwips, layout::kIconTwips);
  for (int city = 0; city < kCityCount; ++city) {
    auto* box = new PictureBox(this);
    box->setObjectName(QStringLiteral("Pic_ico_%1").arg(city));
    box->setGeometry(PixelRect(layout::kIconTwipsPositions[static_cast<std::size_t>(city)], icon));
    box->setCursor(Qt::PointingHandCursor);
    connect(box, &PictureBox::MouseUp, this, [this, city, box](Qt::MouseButton button, QPoint position) {
      if (button == Qt::LeftButton && box->rect().contains(position)) ClickCity(city);
    });
    Pic_ico[static_cast<std::size_t>(city)] = box;
  }
  ShowIconLooks();

  lb_CityName = new QLabel(this);
  lb_CityName->setObjectName(QStringLiteral("lb_CityName"));
  lb_CityName->move(TwipsToPixels(layout::kSelectedCityLabelTwips.x()),
                    TwipsToPixels(layout::kSelectedCityLabelTwips.y()));
  lb_CityName->setFont(art::CaptionFont(17));
  lb_CityName->setStyleSheet(
      QStringLiteral("color: #f4efe2; background: rgba(34, 24, 18, 150);"
                     " border: 1px solid #c9a14a; border-radius: 3px; padding: 0px 8px;"));

  Command1 = new QPushButton(this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(PixelRect(layout::kConfirmButtonTwips.topLeft(), layout::kConfirmButtonTwips.size()));
  Command1->setFont(art::CaptionFont(16));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, [this] {
    emit cityConfirmed(selection_.Selected());
    close();
  });

  Lb_MoveCityName = new QLabel(this);
  Lb_MoveCityName->setObjectName(QStringLiteral("Lb_MoveCityName"));
  Lb_MoveCityName->setFont(art::CaptionFont(13));
  Lb_MoveCityName->setStyleSheet(
      QStringLiteral("color: #ffffff; background: rgba(34, 24, 18, 190);"
                     " border-radius: 2px; padding: 1px 4px;"));
  Lb_MoveCityName->setAttribute(Qt::WA_TransparentForMouseEvents);
  Lb_MoveCityName->hide();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kPointerLabelMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &Form4::FollowPointer);

  ApplyInterfaceLanguage();
  RetextOnSwitch(this, SwitchStep::CityTooltips, [this] { ApplyInterfaceLanguage(); });
}

Form4::~Form4() = default;

void Form4::ApplyInterfaceLanguage() {
  setWindowTitle(Caption(texts::CityPickerCaption));
  Command1->setText(Caption(texts::CityConfirm));
  SetSelectedCityCaption(Caption(clicked_ ? SelectedCityCaption(selection_.Selected())
                                          : std::string(texts::SelectedCityPrefix)));
  for (int city = 0; city < kCityCount; ++city) {
    Pic_ico[static_cast<std::size_t>(city)]->setToolTip(Caption(TrimBlanks(CityNameOf(city))));
  }
  Lb_MoveCityName->hide();  // shown again, in the new language, at the next tick
}

void Form4::ClickCity(int city) {
  if (city < 0 || city >= kCityCount) return;
  selection_.Click(city);
  clicked_ = true;
  SetSelectedCityCaption(Caption(SelectedCityCaption(city)));
  ShowIconLooks();
}

void Form4::ShowIconLooks() {
  for (int city = 0; city < kCityCount; ++city) {
    const CastleLook look = city == selection_.Selected() ? CastleLook::Selected
                            : city == hovered_            ? CastleLook::Hovered
                                                          : CastleLook::Plain;
    Pic_ico[static_cast<std::size_t>(city)]->SetPicture(CastleIcon(look));
  }
  update();  // the selection mark on the map
}

void Form4::SetSelectedCityCaption(const QString& caption) {
  lb_CityName->setText(caption);
  lb_CityName->adjustSize();
}

int Form4::CityUnder(QPoint position) const {
  for (int city = 0; city < kCityCount; ++city) {
    if (Pic_ico[static_cast<std::size_t>(city)]->geometry().contains(position)) return city;
  }
  return -1;
}

void Form4::FollowPointer() {
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  const int city = rect().contains(pointer) ? CityUnder(pointer) : -1;
  if (city != hovered_) {
    hovered_ = city;
    ShowIconLooks();
  }
  if (city < 0) {
    Lb_MoveCityName->hide();
    return;
  }
  Lb_MoveCityName->setText(Caption(CityNameOf(city)));
  Lb_MoveCityName->adjustSize();
  // Right of and above the pointer, clear of its arrow and of the tooltip that opens below it;
  // below the pointer only where the window's top edge leaves no room; always inside the window.
  const int right = TwipsToPixels(layout::kPointerLabelOffsetTwips.x());
  const int gap = TwipsToPixels(layout::kPointerLabelOffsetTwips.y());
  QPoint place(pointer.x() + right, pointer.y() - gap - Lb_MoveCityName->height());
  if (place.y() < 2) place.setY(pointer.y() + 2 * gap + Lb_MoveCityName->height());
  place.setX(std::min(place.x(), width() - Lb_MoveCityName->width() - 2));
  place.setY(std::min(place.y(), height() - Lb_MoveCityName->height() - 2));
  Lb_MoveCityName->move(place);
  Lb_MoveCityName->show();
  Lb_MoveCityName->raise();
}

void Form4::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, CityMapPicture());
  PaintSelectionMark(painter,
                     QRectF(Pic_ico[static_cast<std::size_t>(selection_.Selected())]->geometry()).center());
}

// The name follows the pointer only while the map is on the screen (a language switch may
// prepare the picker long before it is opened).
void Form4::showEvent(QShowEvent* event) {
  Timer1->start();
  QWidget::showEvent(event);
}

void Form4::hideEvent(QHideEvent* event) {
  Timer1->stop();
  QWidget::hideEvent(event);
}

void Form4::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();  // leaves the home city as it was
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tavlor
