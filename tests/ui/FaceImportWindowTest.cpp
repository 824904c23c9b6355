// "导入肖像": the three frames follow the rule, stay inside the picture and answer the mouse and
// the keys; a frame the player placed follows the large one; the previews are the stored pixels
// (checked on a picture of four solid quadrants) and what the import stores; transparent parts take
// the fill colour; a damaged file is refused by name and leaves the window as it was, and a dropped
// file opens; replacing a game face is asked once, and "no" imports nothing; an imported face goes
// to the shown general and back to its original; one window at a time, retexted by a language
// switch.
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "core/lang/LanguageState.h"
#include "core/portraits/FaceCategories.h"
#include "imaging/FacePicture.h"
#include "support/ArchiveBuilder.h"
#include "support/FaceSeed.h"
#include "support/TempFolder.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/TextCodec.h"
#include "ui/portraits/FaceCropView.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/FaceImportWindow.h"

using tavlor::FaceCropView;
using tavlor::FaceImportWindow;
using tavlor::FaceSet;
using tavlor::FaceSlot;
using tavlor::testing::RunningProgram;
using tavlor::testing::RunningProgramOptions;
using tavlor::testing::TempFolder;
using tavlor::testing::TestPrompter;
using Frame = tavlor::FaceCropView::Frame;

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kWhite(255, 255, 255), kBlack(0, 0, 0);

// A picture of four solid quadrants: red top left, green top right, blue bottom left, white bottom
// right.
QImage Quadrants(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  QPainter painter(&image);
  painter.fillRect(0, 0, width / 2, height / 2, kRed);
  painter.fillRect(width / 2, 0, width - width / 2, height / 2, kGreen);
  painter.fillRect(0, height / 2, width / 2, height - height / 2, kBlue);
  painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, kWhite);
  return image;
}

QString SavePicture(const TempFolder& folder, const std::string& name, const QImage& image) {
  const QString file = QString::fromStdString((folder / name).string());
  image.save(file);
  return file;
}

// The game's six archives with their faces' own sizes, for the program the window works on.
void WriteFaceSets(const tavlor::testing::StartupFolder& folder) {
  const std::filesystem::path grp = folder.Game() / "grp";
  const QSize sizes[3] = {QSize(240, 240), QSize(96, 120), QSize(60, 60)};
  const char* const game[3] = {"KAO_l.N13", "KAO_M.N13", "KAO_s.N13"};
  const char* const edit[3] = {"EDIT_KAO_l.N13", "EDIT_KAO_M.n13", "EDIT_KAO_s.N13"};
  for (int i = 0; i < 3; ++i) {
    tavlor::testing::SparseArchive(1300, sizes[i].width(), sizes[i].height(), {}, 5).WriteTo(grp / game[i]);
    tavlor::testing::SparseArchive(300, sizes[i].width(), sizes[i].height(), {}, 6).WriteTo(grp / edit[i]);
  }
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void Drag(QWidget* widget, QPointF from, QPointF to) {
  SendMouse(widget, QEvent::MouseButtonPress, from);
  SendMouse(widget, QEvent::MouseMove, (from + to) / 2);
  SendMouse(widget, QEvent::MouseMove, to);
  SendMouse(widget, QEvent::MouseButtonRelease, to);
}

void WheelUp(QWidget* widget, QPointF at) {
  QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &event);
}

QColor PreviewPixel(const FaceImportWindow& window, int size, int x, int y) {
  return window.Pic_Preview[size]->Face().pixelColor(x, y);
}

// Three sample generals; the first and the third wear edit face 5 (code 1705).
std::shared_ptr<const tavlor::GeneralTable> TableWearingEditFace5() {
  std::shared_ptr<tavlor::GeneralTable> table = tavlor::testing::SampleTable(3);
  table->Slots[0].Record.FaceNo = 1705;
  table->Slots[2].Record.FaceNo = 1705;
  return table;
}

// A program with its face sets and the window open over the list on edit face 5.
struct ImportSetUp {
  TestPrompter prompter;
  TempFolder pictures;
  RunningProgram program{
      RunningProgramOptions().WithPrepare(WriteFaceSets).WithTable(TableWearingEditFace5())};
  FaceImportWindow* window =
      tavlor::ShowFaceImportWindow(*program.Context, program.List.get(), FaceSlot{FaceSet::Edit, 5});
  bool Open(const QString& file) {
    prompter.ChooseNextFile(file);
    window->Command_ChoosePicture->click();
    return window->CropView->HasPicture();
  }
};

}  // namespace

class FaceImportWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theFramesFollowTheRuleAndStayInsideThePicture() {
    FaceCropView view;
    view.resize(400, 300);  // the 400 x 300 picture is drawn at one widget pixel per picture pixel
    view.SetPicture(Quadrants(400, 300));
    QCOMPARE(view.FrameRect(Frame::Large), QRect(50, 0, 300, 300));
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(80, 0, 240, 300));  // 5/4 would be too tall
    QCOMPARE(view.FrameRect(Frame::Small), QRect(87, 37, 225, 225));

    view.SetFrameRect(Frame::Large, QRect(0, 0, 100, 100));
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(0, 0, 100, 125));  // moved down into the picture
    QCOMPARE(view.FrameRect(Frame::Small), QRect(12, 12, 75, 75));
    // Beyond the corner and larger than the picture: moved and shrunk inside, the others with it.
    view.SetFrameRect(Frame::Large, QRect(350, 250, 200, 200));
    QCOMPARE(view.FrameRect(Frame::Large), QRect(200, 100, 200, 200));
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(200, 50, 200, 250));
    QSignalSpy changed(&view, &FaceCropView::framesChanged);
    view.SetFrameRect(Frame::Large, QRect(0, 0, 1000, 1000));
    QCOMPARE(view.FrameRect(Frame::Large), QRect(100, 0, 300, 300));
    QCOMPARE(changed.count(), 1);

    // The mouse: a drag moves the frame, the wheel zooms it around its centre, a corner resizes it
    // up to the picture's edge.
    view.SetFrameRect(Frame::Large, QRect(200, 100, 200, 200));
    QSignalSpy finished(&view, &FaceCropView::dragFinished);
    SendMouse(&view, QEvent::MouseButtonPress, QPointF(300, 200));
    SendMouse(&view, QEvent::MouseMove, QPointF(270, 180));
    QVERIFY(view.IsDragging());
    QCOMPARE(view.FrameRect(Frame::Large), QRect(170, 80, 200, 200));
    SendMouse(&view, QEvent::MouseMove, QPointF(250, 160));
    SendMouse(&view, QEvent::MouseButtonRelease, QPointF(250, 160));
    QVERIFY(!view.IsDragging());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(view.FrameRect(Frame::Large), QRect(150, 60, 200, 200));
    WheelUp(&view, QPointF(250, 160));
    QCOMPARE(view.FrameRect(Frame::Large), QRect(160, 70, 180, 180));
    Drag(&view, QPointF(340, 250), QPointF(400, 400));  // the bottom right corner, far out
    QCOMPARE(view.FrameRect(Frame::Large), QRect(160, 70, 230, 230));
    for (Frame frame : {Frame::Large, Frame::Medium, Frame::Small})
      QVERIFY(QRect(0, 0, 400, 300).contains(view.FrameRect(frame)));
  }

  void theKeysMoveAndZoomTheActiveFrame() {
    FaceCropView view;
    view.resize(400, 300);
    view.SetPicture(Quadrants(800, 600));  // two picture pixels to one on the screen
    QCOMPARE(view.FrameRect(Frame::Large), QRect(100, 0, 600, 600));
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.FrameRect(Frame::Large), QRect(102, 0, 600, 600));
    QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(view.FrameRect(Frame::Large), QRect(82, 0, 600, 600));
    QTest::keyClick(&view, Qt::Key_Down);  // already at the bottom
    QCOMPARE(view.FrameRect(Frame::Large), QRect(82, 0, 600, 600));
    QTest::keyClick(&view, Qt::Key_Plus);  // nine tenths around the centre (382, 300)
    QCOMPARE(view.FrameRect(Frame::Large), QRect(112, 30, 540, 540));
    QTest::keyClick(&view, Qt::Key_Minus);
    QCOMPARE(view.FrameRect(Frame::Large), QRect(82, 0, 600, 600));
    view.SetActiveFrame(Frame::Small);
    const QRect small = view.FrameRect(Frame::Small);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.FrameRect(Frame::Small), small.translated(0, -2));
    QVERIFY(view.IsAdjusted(Frame::Small));
    QCOMPARE(view.FrameRect(Frame::Large), QRect(82, 0, 600, 600));
  }

  void aFaceStoredAtAnotherShapeKeepsTheRuleCentreAndItsOwnShape() {
    FaceCropView view;
    view.SetPicture(Quadrants(400, 300));
    view.SetFaceSizes({QSize(240, 240), QSize(100, 100), QSize(60, 48)});
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(80, 30, 240, 240));
    QCOMPARE(view.FrameRect(Frame::Small), QRect(87, 60, 225, 180));
  }

  void anAdjustedFrameFollowsTheLargeOneUntilPutBackOnTheRule() {
    FaceCropView view;
    view.resize(400, 300);
    view.SetPicture(Quadrants(400, 300));
    view.SetActiveFrame(Frame::Medium);
    view.SetFrameRect(Frame::Medium, QRect(100, 20, 120, 150));
    QVERIFY(view.IsAdjusted(Frame::Medium));
    QVERIFY(!view.IsAdjusted(Frame::Small));
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(100, 20, 120, 150));

    view.SetFrameRect(Frame::Large, QRect(20, 0, 300, 300));  // moved 30 to the left
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(70, 20, 120, 150));
    QCOMPARE(view.FrameRect(Frame::Small), QRect(57, 37, 225, 225));  // still by the rule
    view.SetFrameRect(Frame::Large, QRect(95, 75, 150, 150));         // half the size, same centre
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(120, 85, 60, 75));

    // The mouse moves the active frame only; the large one stays.
    Drag(&view, QPointF(150, 120), QPointF(160, 130));
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(130, 95, 60, 75));
    QCOMPARE(view.FrameRect(Frame::Large), QRect(95, 75, 150, 150));

    view.FollowRule();
    QVERIFY(!view.IsAdjusted(Frame::Medium));
    QCOMPARE(view.FrameRect(Frame::Medium), QRect(95, 56, 150, 187));
  }

  void thePreviewsAreThePixelsThatWillBeStored() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    QVERIFY(!window.Command_Import->isEnabled());  // nothing to import yet
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "quadrants.png", Quadrants(480, 480))));
    QVERIFY(window.Command_Import->isEnabled());
    for (int i = 0; i < 3; ++i) QCOMPARE(window.Pic_Preview[i]->size(), window.Pic_Preview[i]->Face().size());
    QCOMPARE(window.Pic_Preview[0]->Face().size(), QSize(240, 240));
    QCOMPARE(window.Pic_Preview[1]->Face().size(), QSize(96, 120));
    QCOMPARE(window.Pic_Preview[2]->Face().size(), QSize(60, 60));

    // The whole picture for the large face; 48..432 across for the medium face (4:5 within the
    // picture's height); the middle 360 for the small one.
    QCOMPARE(PreviewPixel(window, 0, 60, 60), kRed);
    QCOMPARE(PreviewPixel(window, 0, 180, 60), kGreen);
    QCOMPARE(PreviewPixel(window, 0, 60, 180), kBlue);
    QCOMPARE(PreviewPixel(window, 0, 180, 180), kWhite);
    QCOMPARE(PreviewPixel(window, 1, 20, 30), kRed);
    QCOMPARE(PreviewPixel(window, 1, 76, 30), kGreen);
    QCOMPARE(PreviewPixel(window, 1, 20, 100), kBlue);
    QCOMPARE(PreviewPixel(window, 1, 76, 100), kWhite);
    QCOMPARE(PreviewPixel(window, 2, 10, 10), kRed);
    QCOMPARE(PreviewPixel(window, 2, 50, 10), kGreen);
    QCOMPARE(PreviewPixel(window, 2, 10, 50), kBlue);
    QCOMPARE(PreviewPixel(window, 2, 50, 50), kWhite);

    // The green quadrant as the large face: the medium face reaches down into the white one.
    window.CropView->SetFrameRect(Frame::Large, QRect(240, 0, 240, 240));
    QCOMPARE(PreviewPixel(window, 0, 10, 10), kGreen);
    QCOMPARE(PreviewPixel(window, 0, 230, 230), kGreen);
    QCOMPARE(PreviewPixel(window, 1, 48, 60), kGreen);
    QCOMPARE(PreviewPixel(window, 1, 48, 115), kWhite);
  }

  void aLargePhotoPreviewsRoughlyWhileDraggingAndExactlyOnRelease() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    const QImage photo = Quadrants(2400, 1800);
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "photo.png", photo)));
    FaceCropView* view = window.CropView;
    view->resize(560, 480);
    const QRectF large = view->ToWidget(view->FrameRect(Frame::Large));
    SendMouse(view, QEvent::MouseButtonPress, large.center());
    SendMouse(view, QEvent::MouseMove, large.center() + QPointF(-40, 0));
    QVERIFY(view->IsDragging());
    QCOMPARE(PreviewPixel(window, 0, 20, 20), kRed);  // while dragging: rough, but the right place
    SendMouse(view, QEvent::MouseButtonRelease, large.center() + QPointF(-40, 0));
    for (int i = 0; i < 3; ++i) {
      const QRect frame = view->FrameRect(static_cast<Frame>(i));
      const QSize size = window.Pic_Preview[i]->Face().size();
      const QImage stored = tavlor::FaceImageToQImage(tavlor::imaging::ToFaceImage(
          tavlor::imaging::ScaleRegion(photo, frame, size.width(), size.height())));
      QCOMPARE(window.Pic_Preview[i]->Face(), stored);
    }
  }

  void transparentPartsTakeTheFillColourAndTheFramesStay() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    QImage picture(100, 100, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(50, 0, 50, 100, kBlue);
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "halfclear.png", picture)));
    QCOMPARE(PreviewPixel(window, 0, 30, 120), kBlack);  // black until another colour is chosen
    window.CropView->SetFrameRect(Frame::Large, QRect(10, 10, 80, 80));
    window.Command_Fill[1]->click();
    QCOMPARE(window.FillColour(), kWhite);
    QCOMPARE(window.CropView->FrameRect(Frame::Large), QRect(10, 10, 80, 80));
    QCOMPARE(window.CropView->Picture().pixelColor(20, 50), kWhite);
    QCOMPARE(PreviewPixel(window, 0, 30, 120), kWhite);
    QCOMPARE(PreviewPixel(window, 0, 220, 120), kBlue);
    QVERIFY(window.Command_Fill[1]->isChecked());
    QVERIFY(!window.Command_Fill[0]->isChecked());
  }

  void aDamagedFileIsRefusedByNameAndTheWindowStaysAsItWas() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "good.png", Quadrants(300, 200))));
    window.CropView->SetFrameRect(Frame::Large, QRect(20, 10, 150, 150));
    const QImage before = window.Pic_Preview[0]->Face();

    const std::filesystem::path damaged = setUp.pictures / "damaged.png";
    tavlor::testing::WriteFileBytes(damaged, "\x89PNG\r\n\x1a\n" + std::string(3000, '\x7f'));
    const std::filesystem::path missing = setUp.pictures / "missing.jpg";
    for (const std::filesystem::path& file : {damaged, missing}) {
      setUp.prompter.Clear();
      const QString name = QString::fromStdString(file.string());
      QVERIFY(setUp.Open(name));  // the picture before is still there
      // The file dialog starts in the folder of the picture before; then the one error.
      QCOMPARE(setUp.prompter.Messages().size(), 2);
      QCOMPARE(setUp.prompter.Messages()[0].What, TestPrompter::Kind::FileChoice);
      QCOMPARE(setUp.prompter.Messages()[0].Text, QString::fromStdString(setUp.pictures.Path().string()));
      const TestPrompter::Message& error = setUp.prompter.Messages()[1];
      QCOMPARE(error.What, TestPrompter::Kind::Error);
      QVERIFY2(error.Text.startsWith(name + QStringLiteral(": ")), qPrintable(error.Text));
      QCOMPARE(error.Title, QStringLiteral("导入肖像"));
      QCOMPARE(window.CropView->Picture().size(), QSize(300, 200));
      QCOMPARE(window.CropView->FrameRect(Frame::Large), QRect(20, 10, 150, 150));
      QCOMPARE(window.Pic_Preview[0]->Face(), before);
      QVERIFY(window.Command_Import->isEnabled());
    }
    // Still usable: the next good picture opens, its frames at the default square; so does one
    // dropped on the window.
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "tall.png", Quadrants(200, 300))));
    QCOMPARE(window.CropView->FrameRect(Frame::Large), QRect(0, 0, 200, 200));
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(SavePicture(setUp.pictures, "dropped.png", Quadrants(120, 90)))});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QCOMPARE(window.CropView->Picture().size(), QSize(120, 90));
    QCOMPARE(window.CropView->FrameRect(Frame::Large), QRect(15, 0, 90, 90));
  }

  void replacingAGameFaceIsAskedOnceAndNoImportsNothing() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "face.png", Quadrants(240, 240))));
    window.ShowSlot({FaceSet::Game, 1254});
    QCOMPARE(window.lb_Category->text(), QStringLiteral("（不属于任何分类）"));
    setUp.prompter.Clear();
    setUp.prompter.AnswerNext(false);
    window.Command_Import->click();
    QCOMPARE(setUp.prompter.Messages().size(), 1);
    QCOMPARE(setUp.prompter.Messages().constFirst().What, TestPrompter::Kind::Question);
    QCOMPARE(setUp.prompter.Messages().constFirst().Text,
             QStringLiteral("这是游戏自带的肖像（不属于任何分类），替换后游戏中使用它的武将都会显示新肖像。"
                            "确定要替换吗？"));
    QCOMPARE(setUp.prompter.Messages().constFirst().Title, QStringLiteral("导入肖像"));
    QVERIFY(window.lb_Status->text().isEmpty());
    QVERIFY(!window.Command_UseForGeneral->isEnabled());
    QVERIFY(!window.Command_Restore->isEnabled());  // nothing pending

    // A face of a category names it in the question.
    const tavlor::FaceCategory& category = tavlor::FaceCategories()[0];
    QCOMPARE(category.Set, FaceSet::Game);
    window.ShowSlot({FaceSet::Game, category.FirstFace});
    const QString name = tavlor::Caption(category.ListText);
    QCOMPARE(window.lb_Category->text(), name);
    setUp.prompter.Clear();
    QVERIFY(!window.Import());  // no answer queued: "no"
    QCOMPARE(setUp.prompter.Messages().size(), 1);
    QVERIFY(setUp.prompter.Messages().constFirst().Text.startsWith(
        QStringLiteral("这是游戏自带的肖像（%1），").arg(name)));
    QVERIFY(window.lb_Status->text().isEmpty());
  }

  void oneWindowAtATimeOverItsParentAndOnScreen() {
    ImportSetUp setUp;
    FaceImportWindow* window = setUp.window;
    QCOMPARE(window->windowTitle(), QStringLiteral("导入肖像"));
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->Slot(), (FaceSlot{FaceSet::Edit, 5}));
    QCOMPARE(window->Com_FaceSet->currentText(), QStringLiteral("追加肖像"));
    QCOMPARE(window->Spin_FaceIndex->value(), 5);
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(screen.contains(window->frameGeometry().topLeft()));

    FaceImportWindow* again = tavlor::ShowFaceImportWindow(*setUp.program.Context, setUp.program.List.get(),
                                                           FaceSlot{FaceSet::Game, 3});
    QCOMPARE(again, window);
    QCOMPARE(window->Slot(), (FaceSlot{FaceSet::Game, 3}));
    QCOMPARE(window->Com_FaceSet->currentText(), QStringLiteral("游戏肖像"));
    QCOMPARE(window->Spin_FaceIndex->value(), 3);

    // The choices drive the slot too.
    window->Spin_FaceIndex->setValue(7);
    QCOMPARE(window->Slot(), (FaceSlot{FaceSet::Game, 7}));
    window->Com_FaceSet->setCurrentIndex(0);
    QCOMPARE(window->Slot(), (FaceSlot{FaceSet::Edit, 7}));

    window->Command_Close->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(tavlor::ShowFaceImportWindow(*setUp.program.Context, setUp.program.List.get(),
                                          FaceSlot{FaceSet::Edit, 2}),
             window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->Slot(), (FaceSlot{FaceSet::Edit, 2}));
  }

  void anEditFaceIsImportedAsPreviewedThenOfferedAndRestored() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    tavlor::ProgramContext& context = *setUp.program.Context;
    const FaceSlot slot{FaceSet::Edit, 5};
    QCOMPARE(window.lb_Users->text(), QStringLiteral("使用此肖像的登录武将：织田信长、太郎之助"));
    QCOMPARE(tavlor::testing::FaceSeed(window.Pic_Current), 6);  // the archive's own face
    QVERIFY(!window.Command_Restore->isEnabled());
    QVERIFY(!window.Command_RestoreAll->isEnabled());
    QVERIFY(!window.Command_UseForGeneral->isEnabled());

    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "quadrants.png", Quadrants(480, 480))));
    setUp.prompter.Clear();
    window.Command_Import->click();
    QVERIFY2(setUp.prompter.Messages().isEmpty(),
             qPrintable(setUp.prompter.Texts().join('\n')));  // no question
    QCOMPARE(window.lb_Status->text(), QStringLiteral("已导入，按“保存数据”后写入肖像文件。"));
    const std::array<QImage, 3> stored = tavlor::CurrentFacePictures(context, slot);
    for (int i = 0; i < 3; ++i) QCOMPARE(stored[i], window.Pic_Preview[i]->Face());
    QCOMPARE(stored[0].pixelColor(60, 60), kRed);
    QCOMPARE(stored[1].pixelColor(76, 100), kWhite);
    QCOMPARE(window.Pic_Current->Face(), stored[0]);
    QVERIFY(window.Command_Restore->isEnabled());
    QVERIFY(window.Command_RestoreAll->isEnabled());

    // The shown general takes it by its code.
    std::optional<tavlor::FaceChoice> taken;
    QObject::connect(&window, &FaceImportWindow::shownGeneralTakesFace,
                     [&taken](const tavlor::FaceChoice& choice) { taken = choice; });
    QVERIFY(window.Command_UseForGeneral->isEnabled());
    window.Command_UseForGeneral->click();
    QVERIFY(taken.has_value());
    QCOMPARE(*taken, (tavlor::FaceChoice{FaceSet::Edit, 5, 1705}));

    // 全部恢复 is asked first: "no" keeps the new face, 恢复原肖像 puts the archive's back.
    setUp.prompter.Clear();
    window.Command_RestoreAll->click();
    QCOMPARE(setUp.prompter.CountOf(TestPrompter::Kind::Question), 1);
    QCOMPARE(setUp.prompter.Messages().constFirst().Text,
             QStringLiteral("要把这一组中所有改过的肖像都恢复为原肖像吗？"));
    QCOMPARE(tavlor::CurrentFacePictures(context, slot)[0], stored[0]);
    window.Command_Restore->click();
    QCOMPARE(tavlor::testing::FaceSeed(window.Pic_Current), 6);
    QCOMPARE(tavlor::CurrentFacePictures(context, slot)[0].pixelColor(1, 1).red(), 6);
    QCOMPARE(setUp.prompter.CountOf(TestPrompter::Kind::Error), 0);
    QVERIFY(!window.Command_Restore->isEnabled());  // nothing more to put back
    QVERIFY(!window.Command_RestoreAll->isEnabled());
  }

  void aGameFaceIsReplacedAfterOneYes() {
    ImportSetUp setUp;
    FaceImportWindow& window = *setUp.window;
    QVERIFY(setUp.Open(SavePicture(setUp.pictures, "face.png", Quadrants(240, 240))));
    window.ShowSlot({FaceSet::Game, 1254});
    setUp.prompter.Clear();
    setUp.prompter.AnswerNext(true);
    window.Command_Import->click();
    QCOMPARE(setUp.prompter.Messages().size(), 1);
    QCOMPARE(setUp.prompter.Messages().constFirst().What, TestPrompter::Kind::Question);
    QCOMPARE(window.lb_Status->text(), QStringLiteral("已导入，按“保存数据”后写入肖像文件。"));
    const QImage large = tavlor::CurrentFacePictures(*setUp.program.Context, {FaceSet::Game, 1254})[0];
    QCOMPARE(large.pixelColor(180, 60), kGreen);
    // Another face of the set is untouched, and nothing is offered for it.
    QCOMPARE(
        tavlor::CurrentFacePictures(*setUp.program.Context, {FaceSet::Game, 1253})[0].pixelColor(1, 1).red(),
        5);
    window.ShowSlot({FaceSet::Game, 1253});
    QVERIFY(!window.Command_UseForGeneral->isEnabled());
    QVERIFY(!window.Command_Restore->isEnabled());
    QVERIFY(window.Command_RestoreAll->isEnabled());  // face 1254 of this set can go back

    // A change made elsewhere (here the program's own restore) is shown at once.
    window.ShowSlot({FaceSet::Game, 1254});
    QVERIFY(window.Command_Restore->isEnabled());
    QString error;
    QVERIFY(tavlor::RestorePendingFaces(*setUp.program.Context, FaceSet::Game, 1254, &error));
    QCOMPARE(tavlor::testing::FaceSeed(window.Pic_Current), 5);
    QVERIFY(!window.Command_Restore->isEnabled());
    QVERIFY(!window.Command_RestoreAll->isEnabled());
  }

  void aLanguageSwitchRetextsTheOpenWindow() {
    tavlor::testing::LanguageGuard language;
    TestPrompter prompter;
    RunningProgram program(RunningProgramOptions()
                               .WithPrepare(WriteFaceSets)
                               .WithShippedFiles({"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT"}));
    FaceImportWindow* window =
        tavlor::ShowFaceImportWindow(*program.Context, program.List.get(), FaceSlot{FaceSet::Game, 1254});
    tavlor::SharedLanguageState().SetSimplified(false);
    QCOMPARE(window->windowTitle(), QStringLiteral("導入肖像"));
    // The rest as the program's own tables turn them.
    QCOMPARE(window->Command_Close->text(), tavlor::InInterfaceScript(QStringLiteral("关闭")));
    QVERIFY(window->Command_Close->text() != QStringLiteral("关闭"));
    QCOMPARE(window->Command_RestoreAll->text(), tavlor::InInterfaceScript(QStringLiteral("全部恢复")));
    QCOMPARE(window->Com_FaceSet->itemText(0), QStringLiteral("追加肖像"));
    QCOMPARE(window->lb_Category->text(), tavlor::InInterfaceScript(QStringLiteral("（不属于任何分类）")));
    QVERIFY(window->lb_Category->text() != QStringLiteral("（不属于任何分类）"));
    QCOMPARE(window->lb_PreviewSize[1]->text(), QStringLiteral("中 96×120"));
    tavlor::SharedLanguageState().SetSimplified(true);
    QCOMPARE(window->windowTitle(), QStringLiteral("导入肖像"));
    QCOMPARE(window->Command_Close->text(), QStringLiteral("关闭"));
    QCOMPARE(window->lb_Category->text(), QStringLiteral("（不属于任何分类）"));
  }
};

QTEST_MAIN(FaceImportWindowTest)
#include "FaceImportWindowTest.moc"
