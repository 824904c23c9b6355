// Form7, the help viewer: builds its controls on a lacquered board, reads the guide and shows its
// topics.
#include "ui/lang/Form7.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "core/lang/InterfaceTexts.h"
#include "core/text/PlainTextRules.h"
#include "ui/app/ProgramArtwork.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/lang/Form7Layout.h"
#include "ui/lang/HelpPictureBox.h"
#include "ui/portraits/FaceDrawing.h"

namespace tavlor {
namespace {

namespace layout = form7_layout;

// The text stays dark ink on paper; the buttons take the program's lacquer sheet.
const char* const kForm7StyleSheet =
    "QLabel#Label1_0 { color: #f0d68c; background: transparent; }"
    "QLabel#Label1_1 { color: #22180f; background: transparent; }";

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QString& name) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setFont(art::CaptionFont(16));
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

}  // namespace

Form7::Form7(ProgramContext& context, QWidget* parent) : QWidget(parent, Qt::Window), context_(context) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("如何建立新武将"));
  setWindowIcon(ProgramIcon());
  setFixedSize(layout::kWindow);
  setFont(ProgramFont());
  setStyleSheet(ProgramStyleSheet() + QString::fromLatin1(kForm7StyleSheet));
  BuildControls();
  ConnectButtons();
  LoadhelpIni();
  paging_.Restart(static_cast<int>(topics_.size()));
}

void Form7::BuildControls() {
  PicCG = new HelpPictureBox(this);
  PicCG->setObjectName(QStringLiteral("PicCG"));
  PicCG->setGeometry(layout::kMainPicture);
  // Until a topic is shown the box carries the program's crest.
  PicCG->SetPicture(ProgramIcon().pixmap(64).toImage());

  Picture5 = new HelpPictureBox(this);
  Picture5->setObjectName(QStringLiteral("Picture5"));
  Picture5->setGeometry(layout::kSecondPicture);
  Picture5->hide();

  for (int k = 0; k < 2; ++k) {
    Label1[k] = new QLabel(this);
    Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
    Label1[k]->setWordWrap(true);
    Label1[k]->setTextFormat(Qt::PlainText);
  }
  Label1[0]->setGeometry(layout::kTitle);
  Label1[0]->setFont(art::CaptionFont(24));
  Label1[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label1[0]->setText(QStringLiteral("如何建立新武将"));
  Label1[1]->setGeometry(layout::kTextPanel.adjusted(layout::kTextMargin, layout::kTextMargin,
                                                     -layout::kTextMargin, -layout::kTextMargin));
  Label1[1]->setFont(art::FieldFont(17));
  Label1[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1[1]->setText(
      QStringLiteral("按“开  始”从第一步看起，“上一步”“下一步”翻页（也可用左右方向键），"
                     "“完成”关闭本窗口；编辑 help.ini 后按“R”重新读取。"));

  Command1 = MakeButton(this, QStringLiteral("完成"), QStringLiteral("Command1"));
  Command2 = MakeButton(this, QStringLiteral("上一步"), QStringLiteral("Command2"));
  Command3 = MakeButton(this, QStringLiteral("下一步"), QStringLiteral("Command3"));
  Command4 = MakeButton(this, QStringLiteral("开  始"), QStringLiteral("Command4"));
  Command5 = MakeButton(this, QStringLiteral("R"), QStringLiteral("Command5"));
  Command5->setToolTip(QStringLiteral("重新读取 help.ini"));
  Command5->setGeometry(layout::kReloadButton);
  // Right to left: 完成, 下一步, 上一步, 开  始.
  int right = layout::kPagingButtonsRight;
  for (QPushButton* button : {Command1, Command3, Command2, Command4}) {
    button->setGeometry(QRect(QPoint(right - layout::kPagingButton.width(), layout::kPagingButtonsTop),
                              layout::kPagingButton));
    right -= layout::kPagingButton.width() + layout::kPagingButtonGap;
  }
  Command4->setDefault(true);
}

void Form7::ConnectButtons() {
  connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
  connect(Command2, &QPushButton::clicked, this, [this] { Play(paging_.Previous()); });
  connect(Command3, &QPushButton::clicked, this, [this] { Play(paging_.Next()); });
  connect(Command4, &QPushButton::clicked, this, [this] { Play(paging_.Current()); });
  connect(Command5, &QPushButton::clicked, this, [this] {
    LoadhelpIni();
    paging_.Restart(static_cast<int>(topics_.size()));
  });
  auto* back = new QShortcut(QKeySequence(Qt::Key_Left), this);
  connect(back, &QShortcut::activated, Command2, &QPushButton::click);
  auto* on = new QShortcut(QKeySequence(Qt::Key_Right), this);
  connect(on, &QShortcut::activated, Command3, &QPushButton::click);
  // Escape closes the guide as it closes the pickers: the same as 完成, keeping the page.
  auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(leave, &QShortcut::activated, Command1, &QPushButton::click);
}

void Form7::LoadhelpIni() {
  HelpIniReading reading = ReadHelpIni(HelpIniPath(context_.ProgramFolder));
  topics_ = std::move(reading.Topics);
  if (reading.Failed) CurrentPrompter().Error(FromGbk(texts::HelpIniError), ProgramTitle());
}

void Form7::Play(int n) {
  Picture5->hide();
  if (n < 1 || n > static_cast<int>(topics_.size())) return;
  const HelpTopic& topic = topics_[static_cast<std::size_t>(n - 1)];
  ShowPicture(topic.CgPic, PicCG);
  Label1[0]->setText(FromGbk(TrimBlanks(topic.Name)));
  Label1[1]->setText(FromGbk(TrimBlanks(topic.Content)));
  Picture5->setVisible(ShowPicture(topic.MaxPic, Picture5));
}

bool Form7::ShowPicture(const std::string& reference, HelpPictureBox* box) {
  const HelpPicture picture = ParseHelpPicture(reference);
  switch (picture.Kind) {
    case HelpPictureKind::None:
      return false;
    case HelpPictureKind::GameFace:
    case HelpPictureKind::EditFace:
      box->Clear();
      // Opening here replaces the archive other windows last opened; they reopen before drawing.
      OpenFaceArchive(picture.Kind == HelpPictureKind::GameFace ? context_.Paths.KaoLPath
                                                                : context_.Paths.EditKaoLPath);
      box->SetPicture(ReadFaceImage(picture.FaceIndex));
      return true;
    case HelpPictureKind::File: {
      // The guide is GBK; the file system spells names in its own encoding.
      const std::filesystem::path file =
          HelpPictureFile(context_.ProgramFolder, ToNativePath(FromGbk(picture.FileName)));
      const QImage image(TextOfFilePath(file));
      if (image.isNull()) {
        box->SetMissingPicture(FromGbk(picture.FileName));
      } else {
        box->SetPicture(image);
      }
      return true;
    }
  }
  return false;
}

void Form7::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  art::PaintLacquer(painter, rect());
  art::PaintGoldFrame(painter, QRectF(rect()).adjusted(4, 4, -4, -4));
  // The title on a band of red lacquer with a gold rule under it.
  painter.fillRect(layout::kTitleBand, art::kLacquerRed);
  painter.setPen(QPen(art::kGold, 1.5));
  painter.drawLine(layout::kTitleBand.bottomLeft(), layout::kTitleBand.bottomRight());
  PaintCrest(painter, QRectF(layout::kTitleBand.right() - 44, layout::kTitleBand.top() + 6, 36, 36));
  art::PaintWashiPanel(painter, layout::kTextPanel, 7);
  art::PaintGoldFrame(painter, layout::kTextPanel);
  // Under the second picture, or in its place when a topic has none.
  const QRect second = layout::kSecondPicture;
  const int side = second.height() * 2 / 3;
  PaintCrest(painter, QRectF(second.center().x() - side / 2.0, second.center().y() - side / 2.0, side, side),
             0.08);
}

Form7* ShowForm7(ProgramContext& context, QWidget* owner) {
  Form7* viewer =
      owner != nullptr ? owner->findChild<Form7*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (viewer == nullptr) {
    viewer = new Form7(context, owner);
    // First shown in the middle of the owner's screen; afterwards where the player left it.
    if (const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen()) {
      viewer->move(screen->availableGeometry().center() - viewer->rect().center());
    }
  }
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  return viewer;
}

}  // namespace tavlor
