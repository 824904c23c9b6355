// Form3, the ability picker.
#include "ui/pickers/Form3.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "core/lang/PickerTexts.h"
#include "core/pickers/AbilityPicking.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/chrome/PictureBox.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/pickers/Form3Layout.h"
#include "ui/pickers/PickerArtwork.h"

namespace tavlor {

namespace layout = form3_layout;

namespace {

constexpr std::array<std::string_view, 5> kAbilityNames = {texts::AbilityLeadership, texts::AbilityValor,
                                                           texts::AbilityIntellect, texts::AbilityPolitics,
                                                           texts::AbilityDuty};

// The picker's image list: 1-2 confirm and cancel, 3-4 their hover looks, 5-6 pressed. Their
// captions are in the language in force when the picker is made, which is every time it opens.
std::vector<QPixmap> PaintForm3ImageList() {
  std::vector<QPixmap> images(6);
  const QString captions[] = {Caption(texts::AbilityConfirm), Caption(texts::AbilityCancel)};
  for (int k = 0; k < 2; ++k) {
    images[k] = art::ButtonPlate(layout::kButton, captions[k], art::PlateLook::Normal);
    images[k + 2] = art::ButtonPlate(layout::kButton, captions[k], art::PlateLook::Hover);
    images[k + 4] = art::ButtonPlate(layout::kButton, captions[k], art::PlateLook::Pressed);
  }
  return images;
}

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window), images_(PaintForm3ImageList()) {
  setObjectName(QStringLiteral("Form3"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(layout::kWindow);
  setStyleSheet(PickerStyleSheet());
  background_ = PaintPickerBackground(layout::kWindow, {layout::kPanel});

  for (int i = 0; i < 5; ++i) {
    const AbilityScale& scale = kAbilityScales[i];
    AbilityCaptions[i] = new QLabel(this);
    AbilityCaptions[i]->setObjectName(QStringLiteral("AbilityCaption_%1").arg(i));
    AbilityCaptions[i]->setGeometry(layout::AbilityCaption(i));
    AbilityCaptions[i]->setFont(art::CaptionFont(18));
    AbilityCaptions[i]->setAlignment(Qt::AlignCenter);

    HS[i] = new QScrollBar(Qt::Horizontal, this);
    HS[i]->setObjectName(QStringLiteral("HS_%1").arg(i));
    HS[i]->setGeometry(layout::ScrollBar(i));
    HS[i]->setRange(scale.Minimum, scale.Maximum);
    HS[i]->setValue(scale.Start);

    TX_ll[i] = new QLineEdit(QString::number(scale.Start), this);
    TX_ll[i]->setObjectName(QStringLiteral("TX_ll_%1").arg(i));
    TX_ll[i]->setGeometry(layout::ValueBox(i));
    TX_ll[i]->setFont(art::CaptionFont(17));
    TX_ll[i]->setAlignment(Qt::AlignCenter);
    // The box follows the bar (while dragging too); typing does not move the bar.
    connect(HS[i], &QScrollBar::valueChanged, TX_ll[i],
            [box = TX_ll[i]](int value) { box->setText(QString::number(value)); });
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  buttons_ = new HoverFamily(hover_, Timer1, LeftButtonMoveLook::Pressed, this);
  for (int k = 0; k < 2; ++k) {
    Pic_YN[k] = new PictureBox(this);
    Pic_YN[k]->setObjectName(QStringLiteral("Pic_YN_%1").arg(k));
    Pic_YN[k]->setGeometry(QRect(layout::Button(k), layout::kButton));
    Pic_YN[k]->setCursor(Qt::PointingHandCursor);
    buttons_->Add(Pic_YN[k], {ImageOf(k + 1), ImageOf(k + 3), ImageOf(k + 5)});
  }
  connect(buttons_, &HoverFamily::Released, this, [this](int k, Qt::MouseButton) {
    if (k == 0) Confirm();
    close();
  });

  ApplyInterfaceLanguage();
  RetextOnSwitch(this, SwitchStep::OtherTexts, [this] { ApplyInterfaceLanguage(); });
}

Form3::~Form3() = default;

const QPixmap& Form3::ImageOf(int number) const {
  static const QPixmap none;
  if (number < 1 || number > static_cast<int>(images_.size())) return none;
  return images_[static_cast<std::size_t>(number - 1)];
}

void Form3::ApplyInterfaceLanguage() {
  setWindowTitle(Caption(texts::AbilityPickerCaption));
  for (int i = 0; i < 5; ++i) AbilityCaptions[i]->setText(Caption(kAbilityNames[i]));
}

QStringList Form3::ConfirmedTexts() const {
  std::array<std::string, 5> typed;
  for (int i = 0; i < 5; ++i) typed[i] = ToInterfaceBytes(TX_ll[i]->text());
  QStringList confirmed;
  for (const std::string& text : ConfirmedAbilityTexts(typed)) confirmed << QString::fromStdString(text);
  return confirmed;
}

void Form3::Confirm() {
  emit abilitiesConfirmed(ConfirmedTexts());
}

void Form3::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

void Form3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();  // as the cancel button
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tavlor
