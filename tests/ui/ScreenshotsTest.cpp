// The screenshot door: what a request names, and the pictures of a window, of windows together and
// of the part of a window around some controls.
#include <QLabel>
#include <QTest>

#include "ui/app/Screenshots.h"

using tavlor::ParseScreenshotRequest;
using tavlor::ScreenshotRequest;
using tavlor::TakeWindowScreenshot;

namespace {

// A top-level window named `name` painted in one colour, with a label at (40, 30) of 50 x 20.
std::unique_ptr<QWidget> PlainWindow(const QString& name, QColor colour, QPoint at) {
  auto window = std::make_unique<QWidget>();
  window->setObjectName(name);
  window->setAutoFillBackground(true);
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, colour);
  window->setPalette(palette);
  window->setGeometry(QRect(at, QSize(200, 100)));
  auto* label = new QLabel(QStringLiteral("x"), window.get());
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(40, 30, 50, 20);
  auto* other = new QLabel(QStringLiteral("y"), window.get());
  other->setObjectName(QStringLiteral("Label2"));
  other->setGeometry(150, 70, 40, 20);
  window->show();
  return window;
}

}  // namespace

class ScreenshotsTest : public QObject {
  Q_OBJECT

 private slots:
  void requestsNameTheScreenWindowsOrControls() {
    const auto screen = ParseScreenshotRequest(QStringLiteral("/tmp/shots/screen.png"));
    QVERIFY(screen.has_value());
    QVERIFY(screen->Windows.isEmpty());
    QCOMPARE(screen->Path, QStringLiteral("/tmp/shots/screen.png"));

    const auto window = ParseScreenshotRequest(QStringLiteral("Form2=list.png"));
    QCOMPARE(window->Windows, QStringList{QStringLiteral("Form2")});
    QVERIFY(window->Controls.isEmpty());
    QCOMPARE(window->Path, QStringLiteral("list.png"));

    const auto both = ParseScreenshotRequest(QStringLiteral("Form2,Form1=/a/b=c.png"));
    QCOMPARE(both->Windows, (QStringList{QStringLiteral("Form2"), QStringLiteral("Form1")}));
    QCOMPARE(both->Path, QStringLiteral("/a/b=c.png"));

    const auto part = ParseScreenshotRequest(QStringLiteral("Form1/Pic_YN_0+Pic_YN_2/30=buttons.png"));
    QCOMPARE(part->Windows, QStringList{QStringLiteral("Form1")});
    QCOMPARE(part->Controls, (QStringList{QStringLiteral("Pic_YN_0"), QStringLiteral("Pic_YN_2")}));
    QCOMPARE(part->Margin, QMargins(30, 30, 30, 30));
    QCOMPARE(ParseScreenshotRequest(QStringLiteral("Form1/tx_DY_0=r.png"))->Margin,
             ScreenshotRequest{}.Margin);
    QCOMPARE(ParseScreenshotRequest(QStringLiteral("Form1/tx_DY_0/40,6,2,0=r.png"))->Margin,
             QMargins(40, 6, 2, 0));
    // Two numbers are no margin: the whole text is then a path for the screen.
    QVERIFY(ParseScreenshotRequest(QStringLiteral("Form1/tx_DY_0/40,6=r.png"))->Windows.isEmpty());

    QVERIFY(!ParseScreenshotRequest(QString()).has_value());
    QVERIFY(!ParseScreenshotRequest(QStringLiteral("Form1,Form2/Label1=x.png")).has_value());
  }

  void picturesShowAWindowItsControlsOrWindowsTogether() {
    const auto left = PlainWindow(QStringLiteral("Left"), Qt::red, QPoint(100, 100));
    const auto right = PlainWindow(QStringLiteral("Right"), Qt::blue, QPoint(300, 120));
    QVERIFY(QTest::qWaitForWindowExposed(right.get()));
    QString problem;

    const QImage whole = TakeWindowScreenshot({QString(), {QStringLiteral("Left")}, {}, {}}, &problem);
    QCOMPARE(whole.size(), QSize(200, 100));
    QCOMPARE(whole.pixelColor(5, 5), QColor(Qt::red));

    // Around both labels with a margin of 12, cut at the window's edge.
    const QStringList labels{QStringLiteral("Label1"), QStringLiteral("Label2")};
    const QImage part =
        TakeWindowScreenshot({QString(), {QStringLiteral("Left")}, labels, {12, 12, 12, 12}}, &problem);
    QCOMPARE(part.size(), QSize(200 - 28, 100 - 18));
    // Room on each side of its own: 5 left, 0 above, 2 right, 4 below the labels (40,30)-(190,90).
    const QImage tight =
        TakeWindowScreenshot({QString(), {QStringLiteral("Left")}, labels, {5, 0, 2, 4}}, &problem);
    QCOMPARE(tight.size(), QSize(150 + 7, 60 + 4));

    // Side by side as they stand: 400 wide, from the top of the left to the bottom of the right.
    const QImage together = TakeWindowScreenshot(
        {QString(), {QStringLiteral("Left"), QStringLiteral("Right")}, {}, {}}, &problem);
    QCOMPARE(together.size(), QSize(400, 120));
    QCOMPARE(together.pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(together.pixelColor(395, 115), QColor(Qt::blue));
    QVERIFY(together.pixelColor(395, 5) != QColor(Qt::blue));  // above the right window

    QVERIFY(
        TakeWindowScreenshot({QString(), {QStringLiteral("Left")}, {QStringLiteral("Nothing")}, {}}, &problem)
            .isNull());
    QVERIFY(problem.contains(QStringLiteral("Nothing")));
    QVERIFY(TakeWindowScreenshot({QString(), {QStringLiteral("Gone")}, {}, {}}, &problem).isNull());
    QVERIFY(problem.contains(QStringLiteral("Gone")));
  }
};

QTEST_MAIN(ScreenshotsTest)
#include "ScreenshotsTest.moc"
