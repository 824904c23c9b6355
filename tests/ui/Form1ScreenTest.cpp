// The editor's painted screen: every control on the screen, none covering another, and a quick
// background. Set TAVLOR_FORM1_SHOT=<file.png> to keep a picture of the window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

#include "ui/app/ProgramContext.h"
#include "ui/chrome/PictureBox.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Background.h"
#include "ui/portraits/FaceDrawing.h"

using namespace tavlor;

class Form1ScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void WindowIsFixedAndBorderless() {
    ProgramContext context;
    Form1 form(context);
    QCOMPARE(form.size(), QSize(985, 660));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.CG_PIC->size(), QSize(201, 201));
    for (PortraitBox* box : form.PIC_SWJ) QCOMPARE(box->size(), QSize(41, 41));
  }

  void VisibleControlsLieOnTheScreenWithoutCoveringEachOther() {
    ProgramContext context;
    Form1 form(context);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QList<QWidget*> controls;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisible() && child != form.Pic_sen2) controls.append(child);
    }
    QVERIFY(controls.size() > 60);
    const QRect inside = form.rect().adjusted(10, 10, -10, -10);
    for (QWidget* control : controls) {
      QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
    }
    for (int i = 0; i < controls.size(); ++i) {
      for (int j = i + 1; j < controls.size(); ++j) {
        const bool overlap = controls[i]->geometry().intersects(controls[j]->geometry());
        QVERIFY2(!overlap, qPrintable(controls[i]->objectName() + " / " + controls[j]->objectName()));
      }
    }
    // The origin options stand in two columns, even indexes on the left.
    for (int k = 0; k + 1 < 8; k += 2) {
      QVERIFY(form.Pic_opt_CZ[k]->x() < form.Pic_opt_CZ[k + 1]->x());
      QCOMPARE(form.Pic_opt_CZ[k]->y(), form.Pic_opt_CZ[k + 1]->y());
    }
    // The finishing buttons sit at the lower right.
    for (PictureBox* button : form.Pic_YN) {
      QVERIFY(button->geometry().left() > form.width() / 2);
      QVERIFY(button->geometry().top() > form.height() * 3 / 4);
    }
    if (const QByteArray shot = qgetenv("TAVLOR_FORM1_SHOT"); !shot.isEmpty()) {
      QVERIFY(form.grab().save(QString::fromLocal8Bit(shot)));
    }
  }

  void OpenVoicePanelStaysOnTheScreenOverTheFields() {
    ProgramContext context;
    Form1 form(context);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.TX_year->setText("1560");
    form.TX_age->setText("30");
    form.SMJS();
    QTest::mouseClick(form.Pic_Sen, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(form.Pic_sen2->height(), 180, 2000);
    QVERIFY(form.rect().adjusted(10, 10, -10, -10).contains(form.Pic_sen2->geometry()));
    for (int voice = 1; voice <= 12; ++voice) {
      QVERIFY(form.Pic_sen2->rect().contains(form.PIC_snd[voice]->geometry()));
    }
    QCOMPARE(form.childAt(form.Pic_sen2->geometry().center()),
             form.Pic_sen2->childAt(form.Pic_sen2->rect().center())
                 ? form.Pic_sen2->childAt(form.Pic_sen2->rect().center())
                 : form.Pic_sen2);
    if (const QByteArray shot = qgetenv("TAVLOR_FORM1_SHOT"); !shot.isEmpty()) {
      QVERIFY(form.grab().save(QString::fromLocal8Bit(shot).replace(".png", "-voice.png")));
    }
  }

  // How long the painting takes is measured in bench/Form1PaintBench.cpp, never asserted here.
  void BackgroundIsPainted() {
    const QPixmap background = PaintForm1Background();
    QVERIFY(!background.isNull());
    QVERIFY(background.width() > 0 && background.height() > 0);
  }
};

QTEST_MAIN(Form1ScreenTest)
#include "Form1ScreenTest.moc"
