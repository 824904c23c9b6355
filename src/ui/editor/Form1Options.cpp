// Form1: the sex, origin and status options and the sliding voice panel.
#include <QLabel>
#include <QTimer>
#include <QVariantAnimation>
#include <functional>

#include "ui/app/ProgramContext.h"
#include "ui/chrome/Artwork.h"
#include "ui/chrome/PictureBox.h"
#include "ui/chrome/Twips.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"

namespace tavlor {

namespace layout = form1_layout;

namespace {

constexpr int kSlideMilliseconds = 160;
constexpr int kVoiceCount = 12;

// Image numbers of IML: option k of a group shows `unselected + k`, or `selected + k` when chosen.
struct OptionImages {
  int Unselected;
  int Selected;
};
constexpr OptionImages kSexImages{1, 3};
constexpr OptionImages kOriginImages{5, 13};
constexpr OptionImages kStatusImages{21, 23};
constexpr int kArrowClosedImage = 25;
constexpr int kArrowOpenImage = 26;

// Shows option `chosen` of the group as selected and every other as not; a value the group has no
// option for leaves all of them unselected.
template <std::size_t N>
void ShowChoice(const std::array<PictureBox*, N>& group, const OptionImages& images, int chosen) {
  const ImageList& iml = EditorImageList(ImageListId::IML);
  for (int k = 0; k < static_cast<int>(N); ++k) {
    group[k]->SetPicture(iml.Image((k == chosen ? images.Selected : images.Unselected) + k));
  }
}

QString VoiceName(int voice) {
  return QStringLiteral("声音%1").arg(voice);
}

// Clicks on picture boxes: left button pressed and released over the box.
void OnClick(PictureBox* box, QObject* context, std::function<void()> action) {
  QObject::connect(box, &PictureBox::MouseUp, context,
                   [box, action](Qt::MouseButton button, QPoint position) {
                     if (button == Qt::LeftButton && box->rect().contains(position)) action();
                   });
}

}  // namespace

void Form1::BuildOptions() {
  const ImageList& iml = EditorImageList(ImageListId::IML);
  auto makeOption = [this, &iml](const QString& name, QPoint place, int image) {
    auto* box = new PictureBox(this);
    box->setObjectName(name);
    box->SetPicture(iml.Image(image));
    box->setGeometry(QRect(place, iml.Image(image).deviceIndependentSize().toSize()));
    box->setCursor(Qt::PointingHandCursor);
    return box;
  };
  for (int k = 0; k < 2; ++k) {
    Pic_opt[k] =
        makeOption(QStringLiteral("Pic_opt_%1").arg(k), layout::kSexOptions[k], kSexImages.Unselected + k);
    OnClick(Pic_opt[k], this, [this, k] { Click_opt(k); });
    Pic_opt_SF[k] = makeOption(QStringLiteral("Pic_opt_SF_%1").arg(k), layout::kStatusOptions[k],
                               kStatusImages.Unselected + k);
    OnClick(Pic_opt_SF[k], this, [this, k] { Click_opt_sf(k); });
  }
  for (int k = 0; k < 8; ++k) {
    Pic_opt_CZ[k] = makeOption(QStringLiteral("Pic_opt_CZ_%1").arg(k), layout::OriginOption(k),
                               kOriginImages.Unselected + k);
    OnClick(Pic_opt_CZ[k], this, [this, k] { Click_Pic_opt_CZ(k); });
  }
}

void Form1::Click_opt(int k) {
  ShowChoice(Pic_opt, kSexImages, k);
  context_.State.CurSex = k;
}

void Form1::Click_Pic_opt_CZ(int k) {
  ShowChoice(Pic_opt_CZ, kOriginImages, k);
  context_.State.CurOrigin = k;
}

void Form1::Click_opt_sf(int k) {
  ShowChoice(Pic_opt_SF, kStatusImages, k);
  if (k == 0) context_.State.CurStatus = 7;
  if (k == 1) context_.State.CurStatus = 3;
}

void Form1::BuildVoicePanel() {
  const ImageList& iml = EditorImageList(ImageListId::IML);
  PIC_snd[0] = new PictureBox(this);
  PIC_snd[0]->setObjectName(QStringLiteral("PIC_snd_0"));
  PIC_snd[0]->setGeometry(layout::kChosenVoice);
  PIC_snd[0]->setCursor(Qt::PointingHandCursor);
  // The chosen voice's plate opens the panel too; it does not choose a voice of its own.
  OnClick(PIC_snd[0], this, [this] { ToggleVoicePanel(); });

  Pic_Sen = new PictureBox(this);
  Pic_Sen->setObjectName(QStringLiteral("Pic_Sen"));
  Pic_Sen->SetPicture(iml.Image(kArrowClosedImage));
  Pic_Sen->setGeometry(
      QRect(layout::kVoiceArrow, iml.Image(kArrowClosedImage).deviceIndependentSize().toSize()));
  Pic_Sen->setCursor(Qt::PointingHandCursor);
  OnClick(Pic_Sen, this, [this] { ToggleVoicePanel(); });

  Pic_sen2 = new QWidget(this);
  Pic_sen2->setObjectName(QStringLiteral("Pic_sen2"));
  Pic_sen2->setAttribute(Qt::WA_StyledBackground);
  Pic_sen2->setGeometry(QRect(layout::kVoicePanel, QSize(layout::kVoicePanelWidth, 0)));
  for (int voice = 1; voice <= kVoiceCount; ++voice) {
    auto* plate = new PictureBox(Pic_sen2);
    plate->setObjectName(QStringLiteral("PIC_snd_%1").arg(voice));
    plate->SetPicture(art::VoicePlate(layout::kVoicePlate, VoiceName(voice), false));
    plate->setGeometry(QRect(layout::VoicePlate(voice), layout::kVoicePlate));
    plate->setCursor(Qt::PointingHandCursor);
    OnClick(plate, this, [this, voice] {
      context_.State.CurVoice = voice;
      Click_snd(voice);
    });
    PIC_snd[voice] = plate;
  }
  Pic_sen2->raise();

  voiceSlide_ = new QVariantAnimation(this);
  voiceSlide_->setDuration(kSlideMilliseconds);
  voiceSlide_->setEasingCurve(QEasingCurve::OutCubic);
  connect(voiceSlide_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& height) { Pic_sen2->resize(Pic_sen2->width(), height.toInt()); });
  connect(voiceSlide_, &QVariantAnimation::finished, this,
          [this] { SetVoicePanelHeight(voicePanelTarget_); });
}

void Form1::ToggleVoicePanel() {
  const int openHeight = TwipsToPixels(kVoicePanelOpenTwips);
  const bool open = Pic_sen2->height() >= openHeight;
  voicePanelTarget_ = open ? 0 : openHeight;
  Pic_Sen->SetPicture(ImageOf(ImageListId::IML, open ? kArrowClosedImage : kArrowOpenImage));
  Pic_sen2->raise();
  voiceSlide_->stop();
  voiceSlide_->setStartValue(Pic_sen2->height());
  voiceSlide_->setEndValue(voicePanelTarget_);
  voiceSlide_->start();
}

void Form1::SetVoicePanelHeight(int pixels) {
  voicePanelTarget_ = pixels;
  Pic_sen2->resize(Pic_sen2->width(), pixels);
  Pic_Sen->SetPicture(ImageOf(ImageListId::IML, pixels > 0 ? kArrowOpenImage : kArrowClosedImage));
}

void Form1::Click_snd(int k) {
  if (k == 0) return;
  if (k >= 1 && k <= kVoiceCount) {
    PIC_snd[0]->SetPicture(PIC_snd[k]->Picture());
  } else {
    // A stored voice without a plate is shown as what it is and kept, so it is written back as read.
    PIC_snd[0]->SetPicture(art::VoicePlate(layout::kVoicePlate, QStringLiteral("?%1").arg(k), false));
  }
  context_.State.CurVoice = k;
  voiceSlide_->stop();
  SetVoicePanelHeight(0);
}

void Form1::ApplyState(const EditorState& state) {
  context_.State = state;
  Click_opt(state.CurSex);
  Click_Pic_opt_CZ(state.CurOrigin);
  // Status 7 is the first option and 3 the second; any other stored status shows neither option
  // and stays as it is, so writing the general back keeps it.
  const int statusOption = state.CurStatus == 7 ? 0 : state.CurStatus == 3 ? 1 : -1;
  Click_opt_sf(statusOption);
  context_.State.CurStatus = state.CurStatus;
  if (state.CurVoice != 0) Click_snd(state.CurVoice);
  context_.State = state;
}

}  // namespace tavlor
