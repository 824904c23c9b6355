// The editor's chrome: hover, pressed and normal looks with the shared watch, dragging the
// borderless window, docking the list window, translucency and the quit prompt.
#include <QCheckBox>
#include <QCursor>
#include <QTimer>
#include <QtTest>

#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/WaitForEvents.h"
#include "ui/app/ProgramContext.h"
#include "ui/chrome/WindowChrome.h"
#include "ui/editor/Form1.h"

using namespace tavlor;
using namespace tavlor::testing;

namespace {
QPoint CentreOf(const QWidget* widget) {
  return widget->mapToGlobal(widget->rect().center());
}

// Moves the cursor and lets the window system's move event arrive before the test goes on.
void PlaceCursor(QPoint global) {
  QCursor::setPos(global);
  QTest::qWait(20);
}
}  // namespace

class Form1ChromeTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramContext> context_;
  std::unique_ptr<Form1> form_;

 private slots:
  void init() {
    context_ = std::make_unique<ProgramContext>();
    form_ = std::make_unique<Form1>(*context_);
    form_->move(300, 100);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() {
    form_.reset();
    context_.reset();
  }

  void ButtonsStartWithTheirNormalImages() {
    for (int k = 0; k < 3; ++k) QCOMPARE(ImageNumber(form_->Pic_YN[k], ImageListId::IML1), k + 1);
    QCOMPARE(ImageNumber(form_->Pic_cancel[2]), 43);
    QCOMPARE(ImageNumber(form_->Pic_CG), 47);
    QCOMPARE(ImageNumber(form_->Pic_Chang_LL[7]), 27);
    QCOMPARE(ImageNumber(form_->Pic_Max[0]), 39);
    QCOMPARE(ImageNumber(form_->Pic_Min[1]), 35);
    QCOMPARE(form_->ImageOf(ImageListId::IML, 13).cacheKey(),
             EditorImageList(ImageListId::IML).Image(13).cacheKey());
    for (int number = 1; number <= 26; ++number) QVERIFY(!form_->ImageOf(ImageListId::IML, number).isNull());
  }

  void HoverLooksComeAndGoWithTheCursor() {
    PictureBox* maximum = form_->Pic_Max[1];
    PlaceCursor(CentreOf(maximum));
    MoveOver(maximum, Qt::NoButton);
    QCOMPARE(ImageNumber(maximum), 40);
    QVERIFY(form_->Timer6->isActive());
    form_->Family(6).CheckCursor();  // still on it
    QCOMPARE(ImageNumber(maximum), 40);
    PlaceCursor(form_->mapToGlobal(QPoint(500, 20)));
    QTRY_COMPARE_WITH_TIMEOUT(ImageNumber(maximum), 39, 1000);
    QVERIFY(!form_->Timer6->isActive());
  }

  void PressKeepsThePressedLookUntilTheCursorLeaves() {
    PictureBox* change = form_->Pic_Chang_LL[4];
    PlaceCursor(CentreOf(change));
    const int before = ImageNumber(change);  // the cursor arriving may already show the hover look
    Press(change, Qt::RightButton);
    QCOMPARE(ImageNumber(change), before);
    Press(change, Qt::LeftButton);
    QCOMPARE(ImageNumber(change), 46);
    Release(change, Qt::LeftButton);
    QVERIFY(WaitForTimeouts(form_->Timer1, 1));  // the hover watch looked again: still pressed
    QCOMPARE(ImageNumber(change), 46);
    MoveOver(change, Qt::LeftButton);  // dragging over a change button shows the hover look
    QCOMPARE(ImageNumber(change), 28);
    PlaceCursor(form_->mapToGlobal(QPoint(500, 20)));
    QTRY_COMPARE_WITH_TIMEOUT(ImageNumber(change), 27, 1000);

    // Pic_YN shows its pressed look while the left button is held; Pic_Max keeps its look.
    MoveOver(form_->Pic_YN[2], Qt::LeftButton);
    QCOMPARE(ImageNumber(form_->Pic_YN[2], ImageListId::IML1), 9);
    MoveOver(form_->Pic_YN[2], Qt::NoButton);
    QCOMPARE(ImageNumber(form_->Pic_YN[2], ImageListId::IML1), 6);
    MoveOver(form_->Pic_Max[0], Qt::LeftButton);
    QCOMPARE(ImageNumber(form_->Pic_Max[0]), 39);

    // The face button asks for the portrait browser on the press itself.
    QSignalSpy browser(form_.get(), &Form1::portraitBrowserRequested);
    Press(form_->Pic_CG, Qt::LeftButton);
    QCOMPARE(ImageNumber(form_->Pic_CG), 49);
    QCOMPARE(browser.count(), 1);
  }

  void TouchingAnotherFamilyStopsTheFirstWatch() {
    PictureBox* minimum = form_->Pic_Min[0];
    PlaceCursor(CentreOf(minimum));
    MoveOver(minimum, Qt::NoButton);
    QVERIFY(form_->Timer5->isActive());
    PlaceCursor(CentreOf(form_->Pic_YN[0]));
    MoveOver(form_->Pic_YN[0], Qt::NoButton);
    QVERIFY(!form_->Timer5->isActive());
    QVERIFY(WaitForTimeouts(form_->Timer4, 1));
    QCOMPARE(ImageNumber(minimum), 36);  // keeps its hover look until passed over again
    QCOMPARE(form_->Hover().HoverIndex, 0);
  }

  void TheWatchedRectangleIncludesItsEdges() {
    HoverWatch watch;
    watch.Watch(2, QRect(100, 50, 40, 20));
    QVERIFY(watch.CursorInside({100, 50}));
    QVERIFY(watch.CursorInside({140, 70}));  // right and bottom edge
    QVERIFY(!watch.CursorInside({141, 60}));
    QVERIFY(!watch.CursorInside({120, 71}));
    QVERIFY(!watch.CursorInside({99, 60}));
  }

  void TheBackgroundDragsTheWindow() {
    const QPoint start = form_->pos();
    const QPoint grab(500, 20);
    SendMouse(form_.get(), QEvent::MouseButtonPress, grab, Qt::RightButton, Qt::RightButton);
    SendMouse(form_.get(), QEvent::MouseMove, grab + QPoint(40, 30), Qt::NoButton, Qt::RightButton);
    QCOMPARE(form_->pos(), start);
    SendMouse(form_.get(), QEvent::MouseButtonRelease, grab, Qt::RightButton, Qt::NoButton);

    SendMouse(form_.get(), QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    // Global positions are taken before the window moves, as the window system reports them.
    QMouseEvent move(QEvent::MouseMove, grab, form_->mapToGlobal(grab) + QPoint(40, 30), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form_.get(), &move);
    QTRY_COMPARE_WITH_TIMEOUT(form_->pos(), start + QPoint(40, 30), 1000);
    SendMouse(form_.get(), QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
  }

  void TheListWindowFollowsWhileAutoFollowIsChecked() {
    QWidget list;
    list.resize(300, 500);
    list.move(0, 0);
    list.show();
    QCheckBox autoFollow;
    autoFollow.setChecked(true);
    form_->SetDockedWindow(&list, &autoFollow);
    QVERIFY(form_->Timer3->isActive());
    QCOMPARE(form_->Timer3->interval(), 100);
    form_->move(500, 120);
    QTRY_COMPARE_WITH_TIMEOUT(list.frameGeometry().topLeft(),
                              QPoint(form_->frameGeometry().left() - list.frameGeometry().width(), 120),
                              1000);
    autoFollow.setChecked(false);
    const QPoint parked = list.pos();
    form_->move(600, 200);
    QVERIFY(WaitForTimeouts(form_->Timer3, 2));  // the docking timer looked at least once since
    QCOMPARE(list.pos(), parked);
    form_->SetDockedWindow(nullptr, nullptr);
  }

  void FormAlphaMakesAWindowTranslucent() {
    QWidget preview;
    SetFormAlpha(&preview, 235);
    QVERIFY(qAbs(preview.windowOpacity() - 235.0 / 255.0) < 0.01);
    SetFormAlpha(&preview, 400);
    QCOMPARE(preview.windowOpacity(), 1.0);
  }

  void QuitAsksFirstAndEndsOnlyOnYes() {
    TestPrompter prompter;
    prompter.AnswerNext(false);
    QTimer::singleShot(0, this, [this] { Release(form_->Pic_YN[2], Qt::LeftButton); });
    QTimer::singleShot(300, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 7);  // No: still running until the test ends the loop
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].Text, QStringLiteral("你确定要退出编辑器吗？"));
    QCOMPARE(prompter.Messages()[0].Title, QStringLiteral("提示"));

    prompter.AnswerNext(true);
    QTimer::singleShot(0, this, [this] { Release(form_->Pic_YN[2], Qt::RightButton); });
    QTimer::singleShot(2000, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(prompter.Messages().size(), 2);
  }
};

QTEST_MAIN(Form1ChromeTest)
#include "Form1ChromeTest.moc"
