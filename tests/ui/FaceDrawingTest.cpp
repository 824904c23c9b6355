// Drawing faces into portrait boxes from the one open archive: upright and scaled to fill, one
// message per failed open, empty boxes until a good open.
#include <QTest>

#include "core/lang/InterfaceTexts.h"
#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"
#include "support/TestPrompter.h"
#include "ui/app/TextCodec.h"
#include "ui/portraits/FaceDrawing.h"

using tavlor::PortraitBox;
using tavlor::testing::ArchiveBuilder;
using tavlor::testing::PatternPixel;
using tavlor::testing::TempFolder;
using tavlor::testing::TestPrompter;

class FaceDrawingTest : public QObject {
  Q_OBJECT

 private:
  TempFolder folder_;
  std::string medium_;  // a game-style path: backslashes, other letter case

 private slots:
  void initTestCase() {
    ArchiveBuilder builder;
    builder.AddFace(96, 120, 40);
    builder.AddFace(60, 60, 41);
    builder.WriteTo(folder_ / "grp" / "KAO_M.N13");
    medium_ = folder_.Path().string() + "/grp\\kao_m.n13";
  }

  void drawsTheFaceUprightAndScaledToFillTheBox() {
    TestPrompter prompter;
    QVERIFY(tavlor::OpenFaceArchive(medium_));
    QVERIFY(prompter.Messages().isEmpty());

    PortraitBox box;
    box.resize(201, 201);
    tavlor::DrawFace(0, &box);
    QVERIFY(!box.IsEmpty());
    const QImage& face = box.Face();
    QCOMPARE(face.size(), QSize(96, 120));
    for (const QPoint at : {QPoint(0, 0), QPoint(95, 0), QPoint(0, 119), QPoint(50, 70)}) {
      const auto expected = PatternPixel(40, at.x(), at.y());
      QCOMPARE(face.pixelColor(at), QColor(expected.Red, expected.Green, expected.Blue));
    }

    // On screen: blue grows with the face's row, green with its column; the box is filled.
    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.size(), QSize(201, 201));
    const QColor topLeft = shown.pixelColor(2, 2);
    const QColor bottomRight = shown.pixelColor(198, 198);
    QVERIFY2(topLeft.blue() < 5 && topLeft.green() < 5, "the first stored row is at the top");
    QVERIFY(bottomRight.blue() > 110);
    QVERIFY(bottomRight.green() > 88);
    QCOMPARE(shown.pixelColor(100, 100).red(), 40);
  }

  void anUndrawableIndexClearsTheBox() {
    TestPrompter prompter;
    QVERIFY(tavlor::OpenFaceArchive(medium_));
    PortraitBox box;
    tavlor::DrawFace(1, &box);
    QVERIFY(!box.IsEmpty());
    for (int index : {-1, 2, 100000}) {
      tavlor::DrawFace(1, &box);
      tavlor::DrawFace(index, &box);
      QVERIFY(box.IsEmpty());
    }
    QVERIFY(prompter.Messages().isEmpty());
  }

  void aFailedOpenIsReportedOnceAndLeavesEveryBoxEmpty() {
    TestPrompter prompter;
    PortraitBox box;
    QVERIFY(tavlor::OpenFaceArchive(medium_));
    tavlor::DrawFace(0, &box);
    QVERIFY(!box.IsEmpty());

    const std::string missing = folder_.Path().string() + "/no folder\\grp\\KAO_l.N13";
    QVERIFY(!tavlor::OpenFaceArchive(missing));
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Error);
    QCOMPARE(prompter.Messages()[0].Text, tavlor::FromGbk(tavlor::texts::FaceArchiveOpenError));
    QVERIFY(prompter.Messages()[0].Title.isEmpty());

    for (int index : {0, 1}) {
      tavlor::DrawFace(index, &box);
      QVERIFY(box.IsEmpty());
    }
    QCOMPARE(prompter.Messages().size(), 1);  // draws after a failed open are silent

    // An empty file is refused the same way; a good open brings the faces back.
    tavlor::testing::WriteFileBytes(folder_ / "empty.N13", "");
    QVERIFY(!tavlor::OpenFaceArchive((folder_ / "empty.N13").string()));
    QCOMPARE(prompter.Messages().size(), 2);
    QVERIFY(tavlor::OpenFaceArchive(medium_));
    tavlor::DrawFace(0, &box);
    QVERIFY(!box.IsEmpty());
    QCOMPARE(prompter.Messages().size(), 2);
  }
};

QTEST_MAIN(FaceDrawingTest)
#include "FaceDrawingTest.moc"
