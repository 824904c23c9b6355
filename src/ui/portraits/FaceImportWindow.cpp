// The face import window: widgets to a face slot, a picture and three frames, and back; the cutting
// is imaging/FacePicture's, the storing FaceImportActions'.
#include "ui/portraits/FaceImportWindow.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "imaging/FacePicture.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/ArrowComboBox.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/portraits/FaceCropView.h"
#include "ui/portraits/FaceDrawing.h"

namespace tavlor {
namespace {

const char* const kWindowStyleSheet =
    "QDialog { background: #2a1711; }"
    "QLabel { color: #f0d68c; background: transparent; }"
    "QLabel[role=\"note\"] { color: #d9c08a; }"
    "QLabel[role=\"done\"] { color: #9be07a; }"
    // The window sits over the editor and would take its drop-down look: the set choice is drawn as
    // the portrait browser's (lacquer, with the painted gold arrow), the number as paper.
    "QComboBox { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a2619, stop:1 #24120c);"
    " color: #f7e3a3; border: 1px solid #c9a14a; border-radius: 2px; padding: 2px 6px; padding-right: 18px; }"
    "QComboBox::drop-down { width: 18px; border: none; border-left: 1px solid #80622e; background: "
    "transparent; }"
    "QComboBox QAbstractItemView { background: #2a1711; color: #f0d68c; border: 1px solid #c9a14a;"
    " selection-background-color: #8c2a1c; selection-color: #fff2c4; outline: 0; }"
    "QSpinBox { color: #22180f; background: #f7f0e0; selection-background-color: #c9a14a; }"
    "QPushButton:disabled { color: #8a7658; border-color: #5c4630; background: #3a221a; }"
    "QPushButton:checked { color: #2a1711; background: #c9a14a; border-color: #fff2c4; }"
    "QPushButton[role=\"swatch\"] { padding: 0; border: 1px solid #c9a14a; border-radius: 2px; }"
    "QPushButton[role=\"swatch\"]:checked { border: 2px solid #fff2c4; }"
    "tavlor--PortraitBox { background: #1a0e0a; border: 1px solid #80622e; }";

constexpr int kRoughSide = 1024;  // longest side of the copy that previews use while dragging
// ms after the last wheel notch before the exact previews, which take a good part of a second on a
// large photo: long enough not to fall between the notches of one turn of the wheel.
constexpr int kExactPreviewDelay = 300;
constexpr int kEditFaceCodeBase = 1700;  // an edit face's code is its index + 1700

const QColor kFillColours[4] = {QColor(0, 0, 0), QColor(255, 255, 255), QColor(0x2a, 0x17, 0x11),
                                QColor(0x80, 0x80, 0x80)};
const char* const kFillNames[4] = {"黑色", "白色", "漆色", "灰色"};
const char* const kSizeNames[3] = {"大", "中", "小"};

QString Title() {
  return InInterfaceScript(QStringLiteral("导入肖像"));
}

QString ImportedText() {
  return InInterfaceScript(QStringLiteral("已导入，按“保存数据”后写入肖像文件。"));
}

std::optional<FaceCategory> CategoryOf(FaceSlot slot) {
  for (const FaceCategory& category : FaceCategories()) {
    if (category.Set == slot.Set && slot.Index >= category.FirstFace && slot.Index <= category.LastFace)
      return category;
  }
  return std::nullopt;
}

// The picture formats this build reads, as a file dialog filter.
QString PictureFilter() {
  QString patterns = QStringLiteral("*.png *.jpg *.jpeg *.bmp *.gif");
  if (QImageReader::supportedImageFormats().contains("webp")) patterns += QStringLiteral(" *.webp");
  return InInterfaceScript(QStringLiteral("图片 (%1);;所有文件 (*)")).arg(patterns);
}

// The picture shrunk for the previews that follow the mouse; none for a picture already small.
QImage RoughCopy(const QImage& picture) {
  if (std::max(picture.width(), picture.height()) <= kRoughSide) return QImage();
  return picture.scaled(kRoughSide, kRoughSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPushButton* MakeButton(const char* name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* MakeLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

FaceImportWindow::FaceImportWindow(ProgramContext& context, FaceSlot slot, QWidget* parent)
    : QDialog(parent), context_(context), slot_(slot) {
  setObjectName(QStringLiteral("FaceImportWindow"));
  setWindowTitle(Title());
  setModal(false);
  setAcceptDrops(true);
  setFont(ProgramFont());
  setStyleSheet(ProgramStyleSheet() + QString::fromLatin1(kWindowStyleSheet));

  // Which face.
  Com_FaceSet = new ArrowComboBox(this);
  Com_FaceSet->setObjectName(QStringLiteral("Com_FaceSet"));
  Com_FaceSet->addItem(QString(), static_cast<int>(FaceSet::Edit));
  Com_FaceSet->addItem(QString(), static_cast<int>(FaceSet::Game));
  Spin_FaceIndex = new QSpinBox(this);
  Spin_FaceIndex->setObjectName(QStringLiteral("Spin_FaceIndex"));
  Spin_FaceIndex->setMinimumWidth(80);
  lb_Category = MakeLabel("lb_Category", this);
  Pic_Current = new PortraitBox(this);
  Pic_Current->setObjectName(QStringLiteral("Pic_Current"));
  Pic_Current->setFixedSize(72, 72);
  Pic_Current->setAttribute(Qt::WA_StyledBackground);
  lb_Users = MakeLabel("lb_Users", this);
  lb_Users->setWordWrap(true);
  lb_Users->setProperty("role", QStringLiteral("note"));

  // The picture and its frames.
  Command_ChoosePicture = MakeButton("Command_ChoosePicture", this);
  lb_PictureFile = MakeLabel("lb_PictureFile", this);
  lb_PictureFile->setProperty("role", QStringLiteral("note"));
  CropView = new FaceCropView(this);
  CropView->setObjectName(QStringLiteral("CropView"));
  CropView->setMinimumSize(560, 480);
  auto* frameGroup = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    Option_Frame[i] = MakeButton(QStringLiteral("Option_Frame_%1").arg(i).toLatin1().constData(), this);
    Option_Frame[i]->setCheckable(true);
    Option_Frame[i]->setFixedWidth(34);
    frameGroup->addButton(Option_Frame[i], i);
  }
  Option_Frame[0]->setChecked(true);
  Command_FollowRule = MakeButton("Command_FollowRule", this);
  for (int i = 0; i < 4; ++i) {
    Command_Fill[i] = MakeButton(QStringLiteral("Command_Fill_%1").arg(i).toLatin1().constData(), this);
    Command_Fill[i]->setProperty("role", QStringLiteral("swatch"));
    Command_Fill[i]->setCheckable(true);
    Command_Fill[i]->setFixedSize(24, 24);
    Command_Fill[i]->setStyleSheet(QStringLiteral("background: %1;").arg(kFillColours[i].name()));
  }
  Command_OtherColour = MakeButton("Command_OtherColour", this);

  // The faces as stored.
  for (int i = 0; i < 3; ++i) {
    Pic_Preview[i] = new PortraitBox(this);
    Pic_Preview[i]->setObjectName(QStringLiteral("Pic_Preview_%1").arg(i));
    Pic_Preview[i]->setAttribute(Qt::WA_StyledBackground);
    lb_PreviewSize[i] = MakeLabel(QStringLiteral("lb_PreviewSize_%1").arg(i).toLatin1().constData(), this);
    lb_PreviewSize[i]->setAlignment(Qt::AlignHCenter);
  }
  Command_Import = MakeButton("Command_Import", this);
  Command_UseForGeneral = MakeButton("Command_UseForGeneral", this);
  Command_Restore = MakeButton("Command_Restore", this);
  Command_RestoreAll = MakeButton("Command_RestoreAll", this);
  Command_Close = MakeButton("Command_Close", this);
  lb_Status = MakeLabel("lb_Status", this);
  lb_Status->setWordWrap(true);

  // Left: the face chosen, then the picture with its tools; right: the stored faces and the actions.
  auto* faceGrid = new QGridLayout;
  faceGrid->addWidget(Com_FaceSet, 0, 0);
  faceGrid->addWidget(Spin_FaceIndex, 0, 1);
  faceGrid->addWidget(lb_Category, 0, 2);
  faceGrid->setColumnStretch(2, 1);
  faceGrid->addWidget(lb_Users, 1, 0, 1, 3);
  auto* faceRow = new QHBoxLayout;
  faceRow->addWidget(Pic_Current, 0, Qt::AlignTop);
  faceRow->addLayout(faceGrid, 1);

  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(Command_ChoosePicture);
  pictureRow->addWidget(lb_PictureFile, 1);
  auto* toolRow = new QHBoxLayout;
  adjustCaption_ = new QLabel(this);
  toolRow->addWidget(adjustCaption_);
  for (QPushButton* button : Option_Frame) toolRow->addWidget(button);
  toolRow->addWidget(Command_FollowRule);
  toolRow->addStretch(1);
  fillCaption_ = new QLabel(this);
  toolRow->addWidget(fillCaption_);
  for (QPushButton* button : Command_Fill) toolRow->addWidget(button);
  toolRow->addWidget(Command_OtherColour);

  auto* left = new QVBoxLayout;
  left->addLayout(faceRow);
  left->addLayout(pictureRow);
  left->addWidget(CropView, 1);
  left->addLayout(toolRow);

  auto* smallPreviews = new QGridLayout;
  for (int i = 1; i < 3; ++i) {
    smallPreviews->addWidget(Pic_Preview[i], 0, i - 1, Qt::AlignHCenter | Qt::AlignBottom);
    smallPreviews->addWidget(lb_PreviewSize[i], 1, i - 1);
  }
  auto* right = new QVBoxLayout;
  previewCaption_ = new QLabel(this);
  right->addWidget(previewCaption_);
  right->addWidget(Pic_Preview[0], 0, Qt::AlignHCenter);
  right->addWidget(lb_PreviewSize[0]);
  right->addLayout(smallPreviews);
  right->addStretch(1);
  right->addWidget(Command_Import);
  right->addWidget(Command_UseForGeneral);
  right->addWidget(lb_Status);
  right->addSpacing(10);
  auto* restoreRow = new QHBoxLayout;
  restoreRow->addWidget(Command_Restore);
  restoreRow->addWidget(Command_RestoreAll);
  right->addLayout(restoreRow);
  right->addSpacing(10);
  right->addWidget(Command_Close);

  auto* rightPanel = new QWidget(this);
  rightPanel->setLayout(right);
  rightPanel->setFixedWidth(280);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 14);
  layout->setSpacing(16);
  layout->addLayout(left, 1);
  layout->addWidget(rightPanel);

  exactPreviewTimer_.setSingleShot(true);
  exactPreviewTimer_.setInterval(kExactPreviewDelay);
  connect(&exactPreviewTimer_, &QTimer::timeout, this, &FaceImportWindow::ShowExactPreviews);
  connect(Com_FaceSet, &QComboBox::currentIndexChanged, this, [this] {
    if (switchingSlot_) return;
    ShowSlot({static_cast<FaceSet>(Com_FaceSet->currentData().toInt()), Spin_FaceIndex->value()});
  });
  connect(Spin_FaceIndex, &QSpinBox::valueChanged, this, [this](int index) {
    if (!switchingSlot_) ShowSlot({slot_.Set, index});
  });
  connect(Command_ChoosePicture, &QPushButton::clicked, this, &FaceImportWindow::ChoosePicture);
  for (int i = 0; i < 4; ++i)
    connect(Command_Fill[i], &QPushButton::clicked, this, [this, i] { SetFillColour(kFillColours[i]); });
  connect(Command_OtherColour, &QPushButton::clicked, this, &FaceImportWindow::ChooseOtherColour);
  connect(frameGroup, &QButtonGroup::idClicked, this,
          [this](int id) { CropView->SetActiveFrame(static_cast<FaceCropView::Frame>(id)); });
  connect(Command_FollowRule, &QPushButton::clicked, CropView, &FaceCropView::FollowRule);
  connect(CropView, &FaceCropView::framesChanged, this, &FaceImportWindow::OnFramesChanged);
  connect(CropView, &FaceCropView::dragFinished, this, &FaceImportWindow::ShowExactPreviews);
  connect(Command_Import, &QPushButton::clicked, this, &FaceImportWindow::Import);
  connect(Command_UseForGeneral, &QPushButton::clicked, this, [this] {
    const int32_t code = slot_.Set == FaceSet::Edit ? slot_.Index + kEditFaceCodeBase : slot_.Index;
    emit shownGeneralTakesFace(FaceChoice{slot_.Set, slot_.Index, code});
  });
  connect(Command_Restore, &QPushButton::clicked, this, &FaceImportWindow::Restore);
  connect(Command_RestoreAll, &QPushButton::clicked, this, &FaceImportWindow::RestoreAll);
  connect(Command_Close, &QPushButton::clicked, this, &QDialog::hide);
  connect(&FaceEvents::Instance(), &FaceEvents::facesChanged, this, &FaceImportWindow::RefreshFace);

  Command_Fill[0]->setChecked(true);
  ApplyInterfaceLanguage();
  RetextOnSwitch(this, SwitchStep::OtherTexts, [this] { ApplyInterfaceLanguage(); });
  ShowSlot(slot);
}

void FaceImportWindow::ApplyInterfaceLanguage() {
  setWindowTitle(Title());
  Com_FaceSet->setItemText(0, InInterfaceScript(QStringLiteral("追加肖像")));
  Com_FaceSet->setItemText(1, InInterfaceScript(QStringLiteral("游戏肖像")));
  Command_ChoosePicture->setText(InInterfaceScript(QStringLiteral("选择图片…")));
  adjustCaption_->setText(InInterfaceScript(QStringLiteral("调整")));
  for (int i = 0; i < 3; ++i) Option_Frame[i]->setText(InInterfaceScript(QString::fromUtf8(kSizeNames[i])));
  Option_Frame[0]->setToolTip(InInterfaceScript(QStringLiteral("拖动、滚轮和四角调整大肖像的范围")));
  Option_Frame[1]->setToolTip(InInterfaceScript(QStringLiteral("单独调整中肖像的范围")));
  Option_Frame[2]->setToolTip(InInterfaceScript(QStringLiteral("单独调整小肖像的范围")));
  Command_FollowRule->setText(InInterfaceScript(QStringLiteral("按规则")));
  Command_FollowRule->setToolTip(InInterfaceScript(QStringLiteral("中、小肖像的范围重新跟随大肖像")));
  fillCaption_->setText(InInterfaceScript(QStringLiteral("透明处填色")));
  for (int i = 0; i < 4; ++i)
    Command_Fill[i]->setToolTip(InInterfaceScript(QString::fromUtf8(kFillNames[i])));
  Command_OtherColour->setText(InInterfaceScript(QStringLiteral("其他颜色…")));
  previewCaption_->setText(InInterfaceScript(QStringLiteral("导入后的肖像")));
  Command_Import->setText(InInterfaceScript(QStringLiteral("导入")));
  Command_UseForGeneral->setText(InInterfaceScript(QStringLiteral("给当前武将使用")));
  Command_Restore->setText(InInterfaceScript(QStringLiteral("恢复原肖像")));
  Command_RestoreAll->setText(InInterfaceScript(QStringLiteral("全部恢复")));
  Command_Close->setText(InInterfaceScript(QStringLiteral("关闭")));
  ShowPreviewSizes();
  if (importedShown_) SetStatus(ImportedText(), true);
  RefreshFace();
  CropView->update();  // its frame names and hint are drawn in the language in force
}

void FaceImportWindow::SetStatus(const QString& text, bool imported) {
  importedShown_ = imported;
  lb_Status->setText(text);
  lb_Status->setProperty("role", imported ? QStringLiteral("done") : QString());
  lb_Status->style()->unpolish(lb_Status);
  lb_Status->style()->polish(lb_Status);
}

void FaceImportWindow::ShowPreviewSizes() {
  for (int i = 0; i < 3; ++i) {
    lb_PreviewSize[i]->setText(InInterfaceScript(QStringLiteral("%1 %2×%3"))
                                   .arg(InInterfaceScript(QString::fromUtf8(kSizeNames[i])))
                                   .arg(sizes_[i].width())
                                   .arg(sizes_[i].height()));
  }
}

void FaceImportWindow::ShowSlot(FaceSlot slot) {
  slot_ = slot;
  switchingSlot_ = true;
  Com_FaceSet->setCurrentIndex(slot.Set == FaceSet::Game ? 1 : 0);
  const int count = FaceCountOf(context_, slot.Set);
  Spin_FaceIndex->setRange(0, std::max(0, count - 1));
  Spin_FaceIndex->setValue(slot.Index);
  slot_.Index = Spin_FaceIndex->value();
  switchingSlot_ = false;

  SetStatus(QString(), false);
  QString error;
  const std::optional<std::array<QSize, 3>> sizes = StoredFaceSizes(context_, slot_, &error);
  if (sizes) {
    sizes_ = *sizes;
  } else {
    SetStatus(error, false);
  }
  for (int i = 0; i < 3; ++i) Pic_Preview[i]->setFixedSize(sizes_[i]);
  ShowPreviewSizes();
  CropView->SetFaceSizes(sizes_);
  RefreshFace();
  ShowExactPreviews();
}

void FaceImportWindow::RefreshFace() {
  const std::optional<FaceCategory> category = CategoryOf(slot_);
  lb_Category->setText(category ? Caption(category->ListText)
                                : InInterfaceScript(QStringLiteral("（不属于任何分类）")));
  Pic_Current->SetFace(CurrentFacePictures(context_, slot_)[0]);
  const QStringList users = GeneralsUsingFace(context_, slot_);
  lb_Users->setText(users.isEmpty() ? InInterfaceScript(QStringLiteral("没有登录武将使用此肖像"))
                                    : InInterfaceScript(QStringLiteral("使用此肖像的登录武将：")) +
                                          users.join(InInterfaceScript(QStringLiteral("、"))));
  Command_Restore->setEnabled(CanRestoreFace(context_, slot_.Set, slot_.Index));
  Command_RestoreAll->setEnabled(CanRestoreFace(context_, slot_.Set, std::nullopt));
  Command_Import->setEnabled(CropView->HasPicture());
  Command_UseForGeneral->setEnabled(imported_ == slot_);
}

QString FaceImportWindow::CategoryText() const {
  const std::optional<FaceCategory> category = CategoryOf(slot_);
  return category ? Caption(category->ListText) : InInterfaceScript(QStringLiteral("不属于任何分类"));
}

void FaceImportWindow::ChoosePicture() {
  const QString start = pictureFile_.isEmpty() ? QDir::homePath() : QFileInfo(pictureFile_).absolutePath();
  const QString file = CurrentPrompter().ChooseFileToOpen(InInterfaceScript(QStringLiteral("选择图片")),
                                                          start, PictureFilter());
  if (!file.isEmpty()) OpenPicture(file);
}

bool FaceImportWindow::OpenPicture(const QString& file) {
  QString error;
  const std::optional<QImage> picture = imaging::ReadPicture(file, fill_, &error);
  if (!picture) {
    CurrentPrompter().Error(error, Title());
    return false;
  }
  pictureFile_ = file;
  lb_PictureFile->setText(QStringLiteral("%1  (%2×%3)")
                              .arg(QFileInfo(file).fileName())
                              .arg(picture->width())
                              .arg(picture->height()));
  lb_PictureFile->setToolTip(QDir::toNativeSeparators(file));
  roughPicture_ = RoughCopy(*picture);
  CropView->SetPicture(*picture);
  SetStatus(QString(), false);
  RefreshFace();
  ShowExactPreviews();
  return true;
}

namespace {

// The one local file a drag carries, or nothing.
QString DraggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return QString();
  const QUrl url = data->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void FaceImportWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FaceImportWindow::dropEvent(QDropEvent* event) {
  const QString file = DraggedFile(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  OpenPicture(file);
}

void FaceImportWindow::SetFillColour(const QColor& colour) {
  fill_ = colour;
  for (int i = 0; i < 4; ++i) Command_Fill[i]->setChecked(kFillColours[i] == colour);
  if (pictureFile_.isEmpty()) return;
  QString error;
  const std::optional<QImage> picture = imaging::ReadPicture(pictureFile_, fill_, &error);
  if (!picture) {
    CurrentPrompter().Error(error, Title());
    return;
  }
  roughPicture_ = RoughCopy(*picture);  // the file may have changed since
  CropView->SetPicture(*picture, true);
  ShowExactPreviews();
}

void FaceImportWindow::ChooseOtherColour() {
  const QColor colour = QColorDialog::getColor(fill_, this, InInterfaceScript(QStringLiteral("其他颜色…")));
  if (colour.isValid()) SetFillColour(colour);
}

std::array<QImage, 3> FaceImportWindow::CutFaces(const QImage& picture) const {
  std::array<QImage, 3> faces;
  if (!CropView->HasPicture() || picture.isNull()) return faces;
  const QImage& full = CropView->Picture();
  const double scaleX = static_cast<double>(picture.width()) / full.width();
  const double scaleY = static_cast<double>(picture.height()) / full.height();
  for (int i = 0; i < 3; ++i) {
    QRect region = CropView->FrameRect(static_cast<FaceCropView::Frame>(i));
    if (picture.size() != full.size()) {
      // The frame over the shrunk copy: every pixel it touches.
      const int left = static_cast<int>(std::floor(region.x() * scaleX));
      const int top = static_cast<int>(std::floor(region.y() * scaleY));
      const int right = static_cast<int>(std::ceil((region.x() + region.width()) * scaleX));
      const int bottom = static_cast<int>(std::ceil((region.y() + region.height()) * scaleY));
      region = QRect(left, top, std::max(1, right - left), std::max(1, bottom - top)) & picture.rect();
    }
    faces[i] = FaceImageToQImage(
        imaging::ToFaceImage(imaging::ScaleRegion(picture, region, sizes_[i].width(), sizes_[i].height())));
  }
  return faces;
}

void FaceImportWindow::RefreshPreviews(bool exact) {
  const bool rough = !exact && !roughPicture_.isNull();
  const std::array<QImage, 3> faces = CutFaces(rough ? roughPicture_ : CropView->Picture());
  for (int i = 0; i < 3; ++i) Pic_Preview[i]->SetFace(faces[i]);
}

void FaceImportWindow::ShowExactPreviews() {
  exactPreviewTimer_.stop();
  RefreshPreviews(true);
}

void FaceImportWindow::OnFramesChanged() {
  if (roughPicture_.isNull()) return RefreshPreviews(true);
  // A large picture: the rough previews follow the mouse, the exact ones come when it rests.
  RefreshPreviews(false);
  if (!CropView->IsDragging()) exactPreviewTimer_.start();
}

bool FaceImportWindow::Import() {
  if (!CropView->HasPicture()) return false;
  if (slot_.Set == FaceSet::Game &&
      !CurrentPrompter().AskYesNo(
          InInterfaceScript(
              QStringLiteral(
                  "这是游戏自带的肖像（%1），替换后游戏中使用它的武将都会显示新肖像。确定要替换吗？"))
              .arg(CategoryText()),
          Title()))
    return false;
  QString error;
  const std::optional<std::array<QSize, 3>> sizes = StoredFaceSizes(context_, slot_, &error);
  if (!sizes) {
    CurrentPrompter().Error(error, Title());
    return false;
  }
  if (*sizes != sizes_) {
    sizes_ = *sizes;
    CropView->SetFaceSizes(sizes_);
  }
  // Always from the full picture, whatever the previews showed last.
  std::array<FaceImage, 3> faces;
  for (int i = 0; i < 3; ++i) {
    const QRect frame = CropView->FrameRect(static_cast<FaceCropView::Frame>(i));
    faces[i] = imaging::ToFaceImage(
        imaging::ScaleRegion(CropView->Picture(), frame, sizes_[i].width(), sizes_[i].height()));
    Pic_Preview[i]->SetFace(FaceImageToQImage(faces[i]));
  }
  exactPreviewTimer_.stop();
  if (!ImportPendingFace(context_, slot_, faces, &error)) {
    CurrentPrompter().Error(error, Title());
    return false;
  }
  imported_ = slot_;
  SetStatus(ImportedText(), true);
  RefreshFace();
  return true;
}

void FaceImportWindow::Restore() {
  QString error;
  if (!RestorePendingFaces(context_, slot_.Set, slot_.Index, &error)) CurrentPrompter().Error(error, Title());
  RefreshFace();
}

void FaceImportWindow::RestoreAll() {
  if (!CurrentPrompter().AskYesNo(
          InInterfaceScript(QStringLiteral("要把这一组中所有改过的肖像都恢复为原肖像吗？")), Title()))
    return;
  QString error;
  if (!RestorePendingFaces(context_, slot_.Set, std::nullopt, &error))
    CurrentPrompter().Error(error, Title());
  RefreshFace();
}

FaceImportWindow* ShowFaceImportWindow(ProgramContext& context, QWidget* parent, FaceSlot slot) {
  // One window at a time; one made for another program context (a test's earlier program) is not
  // reused.
  static QPointer<FaceImportWindow> open;
  static ProgramContext* openContext = nullptr;
  if (open && (openContext != &context || open->parentWidget() != parent)) {
    delete open.data();
    open = nullptr;
  }
  const bool wasVisible = open && open->isVisible();
  if (!open) {
    open = new FaceImportWindow(context, slot, parent);
    openContext = &context;
  } else if (open->Slot() != slot) {
    open->ShowSlot(slot);
  }
  if (!wasVisible) {
    // Over the window it was opened from, and wholly on that window's screen.
    open->adjustSize();
    QRect place(QPoint(), open->size());
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    place.moveCenter(parent != nullptr ? parent->frameGeometry().center()
                                       : screen->availableGeometry().center());
    if (screen != nullptr) {
      const QRect room = screen->availableGeometry();
      place.moveLeft(
          std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width())));
      place.moveTop(
          std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height())));
    }
    open->move(place.topLeft());
  }
  open->show();
  open->raise();
  open->activateWindow();
  return open;
}

}  // namespace tavlor
