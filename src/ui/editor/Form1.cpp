// Form1, the editor window: construction, painting, dragging and the event routing of its controls.
#include "ui/editor/Form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QVariantAnimation>

#include "ui/app/ProgramContext.h"
#include "ui/chrome/PictureBox.h"
#include "ui/editor/Form1Background.h"
#include "ui/editor/Form1Layout.h"
#include "ui/editor/Form1Style.h"
#include "ui/portraits/FaceDrawing.h"

namespace tavlor {

namespace {
constexpr int kDockIntervalMilliseconds = 100;
}  // namespace

Form1::Form1(ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), dragger_(this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("武将编辑"));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  background_ = PaintForm1Background();
  setStyleSheet(Form1StyleSheet());

  BuildTimers();
  BuildNameFields();
  BuildYearFields();
  BuildLifespanLine();
  BuildOptions();
  BuildAbilityFields();
  BuildRelationRows();
  BuildBiographyLines();
  BuildTextBudgets();
  BuildButtons();
  BuildCommand2();
  BuildVoicePanel();  // last, so the open panel lies over the fields below it
  ConnectButtons();
  FollowLanguageSwitches();

  ApplyValues(DefaultEditorValues());
  ApplyState(context_.State);
  SMJS();
}

Form1::~Form1() = default;

void Form1::BuildTimers() {
  auto makeTimer = [this](const char* name) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromLatin1(name));
    return timer;
  };
  Timer1 = makeTimer("Timer1");
  Timer3 = makeTimer("Timer3");
  Timer4 = makeTimer("Timer4");
  Timer5 = makeTimer("Timer5");
  Timer6 = makeTimer("Timer6");
  Timer7 = makeTimer("Timer7");
  Timer8 = makeTimer("Timer8");
  families_ = {new HoverFamily(hover_, Timer1, LeftButtonMoveLook::Hover, this),
               new HoverFamily(hover_, Timer4, LeftButtonMoveLook::Pressed, this),
               new HoverFamily(hover_, Timer5, LeftButtonMoveLook::Unchanged, this),
               new HoverFamily(hover_, Timer6, LeftButtonMoveLook::Unchanged, this),
               new HoverFamily(hover_, Timer7, LeftButtonMoveLook::Hover, this),
               new HoverFamily(hover_, Timer8, LeftButtonMoveLook::Hover, this)};
  Timer3->setInterval(kDockIntervalMilliseconds);
  connect(Timer3, &QTimer::timeout, this, &Form1::DockListWindow);
  Timer3->start();
}

HoverFamily& Form1::Family(int timerNumber) {
  switch (timerNumber) {
    case 1:
      return *families_[0];
    case 4:
      return *families_[1];
    case 5:
      return *families_[2];
    case 6:
      return *families_[3];
    case 7:
      return *families_[4];
    default:
      return *families_[5];
  }
}

void Form1::BuildButtons() {
  namespace layout = form1_layout;
  const ImageList& iml = EditorImageList(ImageListId::IML);
  const ImageList& iml1 = EditorImageList(ImageListId::IML1);
  auto makeButton = [this](const QString& name, QPoint place, HoverFamily& family, const HoverLooks& looks) {
    auto* button = new PictureBox(this);
    button->setObjectName(name);
    button->move(place);
    family.Add(button, looks);
    button->resize(looks.Normal.deviceIndependentSize().toSize());
    button->setCursor(Qt::PointingHandCursor);
    return button;
  };
  const HoverLooks change{iml.Image(27), iml.Image(28), iml.Image(46)};
  for (int k = 0; k < 8; ++k) {
    Pic_Chang_LL[k] =
        makeButton(QStringLiteral("Pic_Chang_LL_%1").arg(k), layout::ChangeButton(k), Family(1), change);
  }
  for (int k = 0; k < 3; ++k) {
    Pic_YN[k] = makeButton(QStringLiteral("Pic_YN_%1").arg(k), layout::FinishButton(k), Family(4),
                           {iml1.Image(k + 1), iml1.Image(k + 4), iml1.Image(k + 7)});
  }
  for (int k = 0; k < 2; ++k) {
    Pic_Min[k] = makeButton(QStringLiteral("Pic_Min_%1").arg(k), layout::kMinimumButtons[k], Family(5),
                            {iml.Image(35), iml.Image(36), iml.Image(37)});
    Pic_Max[k] = makeButton(QStringLiteral("Pic_Max_%1").arg(k), layout::kMaximumButtons[k], Family(6),
                            {iml.Image(39), iml.Image(40), iml.Image(41)});
  }
  for (int k = 0; k < 3; ++k) {
    Pic_cancel[k] = makeButton(QStringLiteral("Pic_cancel_%1").arg(k), layout::DeleteButton(k), Family(7),
                               {iml.Image(43), iml.Image(44), iml.Image(45)});
  }
  Pic_CG = makeButton(QStringLiteral("Pic_CG"), layout::kPortraitButton, Family(8),
                      {iml.Image(47), iml.Image(48), iml.Image(49)});
}

void Form1::ConnectButtons() {
  connect(&Family(1), &HoverFamily::Released, this, [this](int k, Qt::MouseButton button) {
    if (button == Qt::LeftButton) OnChangeButton(k);
  });
  connect(&Family(4), &HoverFamily::Released, this, [this](int k, Qt::MouseButton) {
    if (k == 0) emit changeRequested();
    if (k == 1) emit addRequested();
    if (k == 2) OnQuit();
  });
  connect(&Family(5), &HoverFamily::Released, this, [this](int k, Qt::MouseButton) {
    (k == 0 ? TX_year : TX_age)->setText(QString::number(k == 0 ? 1460 : 16));
    SMJS();
  });
  connect(&Family(6), &HoverFamily::Released, this, [this](int k, Qt::MouseButton) {
    (k == 0 ? TX_year : TX_age)->setText(QString::number(k == 0 ? 1650 : 110));
    SMJS();
  });
  connect(&Family(7), &HoverFamily::Released, this,
          [this](int k, Qt::MouseButton) { tx_XXWJ[k + 1]->setText(QStringLiteral("-1")); });
  connect(&Family(8), &HoverFamily::LeftPressed, this, [this](int) { emit portraitBrowserRequested(); });
}

const QPixmap& Form1::ImageOf(ImageListId list, int number) const {
  return EditorImageList(list).Image(number);
}

void Form1::SetUnsavedChangesGuard(std::function<bool()> guard) {
  unsavedChangesGuard_ = std::move(guard);
}

void Form1::closeEvent(QCloseEvent* event) {
  if (unsavedChangesGuard_ && context_.History.HasUnsavedChanges() && !unsavedChangesGuard_()) {
    event->ignore();
    return;
  }
  event->accept();
  emit exitRequested();
}

void Form1::SetDockedWindow(QWidget* listWindow, QCheckBox* autoFollow) {
  dockedWindow_ = listWindow;
  autoFollow_ = autoFollow;
  DockListWindow();
}

void Form1::DockListWindow() {
  if (dockedWindow_.isNull()) return;
  DockToLeft(this, dockedWindow_, autoFollow_);
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

void Form1::mousePressEvent(QMouseEvent* event) {
  // A disabled biography line takes no clicks itself; the press reaches the form instead.
  for (QLineEdit* line : Tx_Lz) {
    if (!line->isEnabled() && line->geometry().contains(event->position().toPoint())) {
      if (event->button() == Qt::LeftButton) FocusText(Tx_Lz[0], 2);
      return;
    }
  }
  if (!dragger_.Press(event)) QWidget::mousePressEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  if (!dragger_.Move(event)) QWidget::mouseMoveEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragger_.Release(event)) QWidget::mouseReleaseEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pbar_year || watched == pbar_age) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      OnSliderMouse(static_cast<QProgressBar*>(watched), mouse->position().x(), mouse->buttons());
      return true;
    }
    return false;
  }
  for (int line = 0; line < static_cast<int>(Tx_Lz.size()); ++line) {
    if (watched != Tx_Lz[line]) continue;
    if (event->type() == QEvent::KeyPress) return OnBiographyKey(line, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod) {
      return OnBiographyInput(Tx_Lz[line], static_cast<QInputMethodEvent*>(event));
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tavlor
