// The portrait browser: category list, page buttons and the thumbnail board; the hover preview
// and the choice. A page is filled in one go, without returning to the event loop, so no hover or
// click can switch the open archive in the middle of a fill.
#include "ui/portraits/Form_CGBR.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "core/lang/BrowserTexts.h"
#include "core/lang/LanguageState.h"
#include "core/lang/LanguageSwitchTexts.h"
#include "ui/app/ProgramArtwork.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/ArrowComboBox.h"
#include "ui/chrome/Artwork.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/portraits/BrowserArtwork.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/FaceImportActions.h"
#include "ui/portraits/Form_3CGBR.h"
#include "ui/portraits/Form_CGBRLayout.h"
#include "ui/portraits/ThumbnailPanel.h"

namespace tavlor {
namespace {

namespace layout = form_cgbr_layout;

// The preview follows the pointer about a hundred times a second: smooth to the eye without
// waking the program a thousand times a second.
constexpr int kFollowMilliseconds = 10;
constexpr int kEventsCategoryRow = 7;

QString BrowserStyleSheet() {
  return QStringLiteral(
      "QComboBox { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a2619, stop:1 #24120c);"
      " color: #f7e3a3; border: 1px solid #c9a14a; border-radius: 2px; padding: 0px 6px;"
      " padding-right: 18px; }"
      "QComboBox:focus { border-color: #f0d68c; }"
      "QComboBox::drop-down { width: 18px; border: none; border-left: 1px solid #80622e; }"
      "QComboBox QAbstractItemView { background: #2a1711; color: #f0d68c; border: 1px solid #c9a14a;"
      " selection-background-color: #8c2a1c; selection-color: #fff2c4; outline: 0; }"
      "QPushButton { color: #f0d68c; border: 1px solid #c9a14a; border-radius: 12px; padding: 0px;"
      " background: qradialgradient(cx:0.5, cy:0.35, radius:0.7, fx:0.5, fy:0.3,"
      " stop:0 #6e3322, stop:1 #2a130c); }"
      "QPushButton:hover { border-color: #f0d68c; color: #fff2c4;"
      " background: qradialgradient(cx:0.5, cy:0.35, radius:0.7, fx:0.5, fy:0.3,"
      " stop:0 #8c4430, stop:1 #3a1a10); }"
      "QPushButton:checked { color: #fff6dc; border: 1px solid #f0d68c;"
      " background: qradialgradient(cx:0.5, cy:0.35, radius:0.7, fx:0.5, fy:0.3,"
      " stop:0 #d0503a, stop:1 #7a1c12); }"
      "QLabel#Label1 { color: #f0d68c; background: transparent; }");
}

// A category's list text. From the first language switch on, the events category reads as the
// switch writes it ("ィべント"), not as the list first read ("ィべソト").
std::string_view CategoryText(int row) {
  if (row == kEventsCategoryRow && SharedLanguageState().HasSwitched()) return texts::SwitchCategoryEvents;
  return FaceCategories()[row].ListText;
}

}  // namespace

PreviewFlag& SharedPreviewFlag() {
  static PreviewFlag flag;
  return flag;
}

Form_CGBR::Form_CGBR(const PathSettings& paths, QWidget* parent, FirstFill firstFill)
    : QWidget(parent, Qt::Window), paths_(paths), fillWaits_(firstFill == FirstFill::WhenShown) {
  setObjectName(QStringLiteral("Form_CGBR"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(layout::kClientSize);
  setWindowIcon(ProgramIcon());
  setStyleSheet(BrowserStyleSheet());

  BuildTopBar();
  Picture1 = new ThumbnailPanel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(layout::kThumbnailPanel);
  CGBR = Picture1->Boxes();
  connect(Picture1, &ThumbnailPanel::boxHovered, this, &Form_CGBR::OnThumbnailHover);
  connect(Picture1, &ThumbnailPanel::boardCrossed, this, &Form_CGBR::OnBoardCrossed);
  connect(Picture1, &ThumbnailPanel::boxPressed, this,
          [this](int box, Qt::MouseButton) { OnThumbnailPressed(box); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kFollowMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &Form_CGBR::FollowPointer);

  ApplyInterfaceLanguage();
  RetextOnSwitch(this, SwitchStep::BrowserTexts, [this] { ApplyInterfaceLanguage(); });
  // A new browser always starts at the first category, first page.
  Com_CG->setCurrentIndex(0);
  ChangeCategory(0);
  connect(Com_CG, &QComboBox::currentIndexChanged, this, &Form_CGBR::ChangeCategory);
  // An imported, restored, undone or saved face shows on its thumbnail at once.
  connect(&FaceEvents::Instance(), &FaceEvents::facesChanged, this, &Form_CGBR::FillPage);
}

Form_CGBR::~Form_CGBR() = default;

Form_3CGBR* Form_CGBR::Preview() const {
  return preview_.data();
}

void Form_CGBR::BuildTopBar() {
  Com_CG = new ArrowComboBox(this);
  Com_CG->setObjectName(QStringLiteral("Com_CG"));
  Com_CG->setGeometry(layout::kCategoryList);
  Com_CG->setMaxVisibleItems(kFaceCategoryCount);
  Com_CG->setFont(art::FieldFont(13));
  for (int row = 0; row < kFaceCategoryCount; ++row) Com_CG->addItem(QString());

  for (int i = 0; i < kMostPages; ++i) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("Cmd_CGPG_%1").arg(i));
    button->setGeometry(layout::PageButton(i));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(art::CaptionFont(14));
    connect(button, &QPushButton::clicked, this, [this, i] { ChangePage(i); });
    Cmd_CGPG[i] = button;
  }

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(layout::kLabel1);
  Label1->setFont(art::CaptionFont(14));

  Cmd_Import = new QPushButton(this);
  Cmd_Import->setObjectName(QStringLiteral("Cmd_Import"));
  Cmd_Import->setGeometry(layout::kImportButton);
  Cmd_Import->setFocusPolicy(Qt::NoFocus);
  Cmd_Import->setFont(art::CaptionFont(13));
  connect(Cmd_Import, &QPushButton::clicked, this, [this] { RequestImport(false); });
  auto* underPointer = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this);
  connect(underPointer, &QShortcut::activated, this, [this] { RequestImport(true); });
}

void Form_CGBR::RequestImport(bool underPointer) {
  FaceChoice choice = lastPointed_;
  if (underPointer) {
    choice = FaceChoice{};
    const QPoint at = Picture1->mapFromGlobal(QCursor::pos());
    for (int box = 0; box < ThumbnailPanel::kBoxCount; ++box)
      if (CGBR[box]->geometry().contains(at))
        if (const std::optional<FaceChoice> under = ChooseThumbnail(Category(), page_, box)) choice = *under;
    if (choice.Set == FaceSet::None) return;
  }
  HidePreview();
  emit importRequested(choice);
}

void Form_CGBR::ApplyInterfaceLanguage() {
  setWindowTitle(Caption(texts::BrowserCaption));
  Cmd_Import->setText(InInterfaceScript(QStringLiteral("导入肖像…")));
  Cmd_Import->setToolTip(InInterfaceScript(
      QStringLiteral("把自己的图片导入为鼠标最后指向的肖像（在肖像上按 Ctrl+I：指针下的肖像）")));
  for (int row = 0; row < kFaceCategoryCount; ++row) Com_CG->setItemText(row, Caption(CategoryText(row)));
  const std::string_view pageCaptions[kMostPages] = {texts::PageButton1, texts::PageButton2,
                                                     texts::PageButton3, texts::PageButton4,
                                                     texts::PageButton5, texts::PageButton6};
  for (int i = 0; i < kMostPages; ++i) Cmd_CGPG[i]->setText(Caption(pageCaptions[i]));
  if (preview_) preview_->ApplyInterfaceLanguage();
}

FaceCategory Form_CGBR::Category() const {
  return FaceCategories()[category_];
}

void Form_CGBR::ChangeCategory(int row) {
  if (!FaceCategoryOfRow(row)) return;
  HidePreview();
  category_ = row;
  page_ = 0;
  const int pages = PageCount(Category());
  for (int i = 0; i < kMostPages; ++i) Cmd_CGPG[i]->setVisible(i < pages);
  FillPage();
}

void Form_CGBR::ChangePage(int page) {
  if (page < 0 || page >= PageCount(Category())) return;
  page_ = page;
  Label1->setText(QString::number(category_));
  FillPage();
}

void Form_CGBR::FillPage() {
  if (fillWaits_) return;
  for (int i = 0; i < kMostPages; ++i) Cmd_CGPG[i]->setChecked(i == page_);
  const FaceCategory category = Category();
  int used = 0;
  // Every fill reopens the medium archive: a hover since the last fill left another one open.
  const bool open = opener_.Open(FaceArchivePath(paths_, category.Set, FaceArchiveSize::Medium));
  for (int box = 0; box < ThumbnailPanel::kBoxCount; ++box) {
    const std::optional<int32_t> face = ThumbnailFace(category, page_, box);
    if (face) ++used;
    if (face && open) {
      DrawFace(*face, CGBR[box]);
    } else {
      CGBR[box]->Clear();
    }
  }
  Picture1->SetBoxesInUse(used);
}

void Form_CGBR::OnThumbnailHover(int box) {
  const FaceCategory category = Category();
  if (const std::optional<FaceChoice> pointed = ChooseThumbnail(category, page_, box))
    lastPointed_ = *pointed;
  const std::optional<int32_t> face = SharedPreviewFlag().Hover(ThumbnailFace(category, page_, box));
  if (!face) return;
  if (!preview_) preview_ = new Form_3CGBR(this);
  preview_->ShowFace(paths_, category.Set, *face, opener_);
  FollowPointer();                           // placed beside the pointer before it appears
  if (!SharedPreviewFlag().Shown()) return;  // the pointer was off the board by then
  preview_->show();
  Timer1->start();
}

void Form_CGBR::OnBoardCrossed() {
  if (SharedPreviewFlag().CrossPanel()) HidePreview();
}

void Form_CGBR::OnThumbnailPressed(int box) {
  const std::optional<FaceChoice> choice = ChooseThumbnail(Category(), page_, box);
  if (!choice) return;  // an empty box ignores presses
  emit faceChosen(*choice);
  HidePreview();
  close();
}

void Form_CGBR::HidePreview() {
  Timer1->stop();
  if (preview_) preview_->hide();
}

void Form_CGBR::FollowPointer() {
  if (!SharedPreviewFlag().Shown() || !preview_) return;
  const QPoint pointer = QCursor::pos();
  // A quick pointer can leave the board without a move over it being reported (to the top bar, or
  // out of the window); a preview left behind would follow it across the desktop. Off the board
  // counts as crossing it.
  if (!QRect(Picture1->mapToGlobal(QPoint(0, 0)), Picture1->size()).contains(pointer)) {
    OnBoardCrossed();
    return;
  }
  const QScreen* screen = QGuiApplication::screenAt(pointer);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1920, 1080);
  const ScreenPoint topLeft =
      PreviewTopLeft({pointer.x(), pointer.y()}, preview_->width(), preview_->height(),
                     {area.left(), area.top(), area.width(), area.height()});
  preview_->move(topLeft.X, topLeft.Y);
}

void Form_CGBR::showEvent(QShowEvent* event) {
  if (fillWaits_) {
    fillWaits_ = false;
    FillPage();
  }
  QWidget::showEvent(event);
}

void Form_CGBR::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Painted at the first show: a browser a language switch prepares may never be opened.
  if (background_.isNull()) background_ = PaintBrowserBackground();
  painter.drawPixmap(0, 0, background_);
}

}  // namespace tavlor
