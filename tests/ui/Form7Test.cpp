// The help viewer: reading the guide beside the program, the five buttons, the pictures a topic
// names (faces of both large archives, picture files, missing ones), the message for a faulty
// guide, "R" after an edit, and opening from the list window's menu.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/lang/InterfaceTexts.h"
#include "core/text/TextTables.h"
#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/lang/Form7.h"
#include "ui/lang/HelpPictureBox.h"

using tavlor::Form7;
using tavlor::ProgramContext;
using tavlor::testing::ArchiveBuilder;
using tavlor::testing::PatternPixel;
using tavlor::testing::TempFolder;
using tavlor::testing::TestPrompter;
using tavlor::testing::WriteFileBytes;

namespace {

constexpr int kGameSeed = 60, kEditSeed = 80;  // face k of an archive has the seed base + k

std::string Topic(const std::string& header, const std::string& cgpic, const std::string& name,
                  const std::string& content, const std::string& maxpic) {
  return header + "\r\nCGPIC=" + cgpic + "\r\nNAME=" + name + "\r\nCONTENT=" + content +
         "\r\nMAXPIC=" + maxpic + "\r\n";
}

// A program folder with a help folder of pictures, and a game folder whose large archives hold
// 13 faces each.
class HelpFolder {
 public:
  HelpFolder() {
    std::filesystem::create_directories(folder_ / "help");
    std::filesystem::create_directories(folder_ / "game" / "grp");
    ArchiveBuilder game, edit;
    for (int face = 0; face < 13; ++face) {
      game.AddFace(240, 240, kGameSeed + face);
      edit.AddFace(240, 240, kEditSeed + face);
    }
    game.WriteTo(folder_ / "game" / "grp" / "KAO_l.N13");
    edit.WriteTo(folder_ / "game" / "grp" / "EDIT_KAO_l.N13");
    Picture(QSize(320, 200), Qt::darkGreen).save(File("help/wide.png"));
    Picture(QSize(90, 150), Qt::darkBlue).save(File("help/tall.png"));
    context_.ProgramFolder = folder_.Path();
    const std::string gameFolder = (folder_ / "game").string() + "/";
    context_.Paths.KaoLPath = gameFolder + "grp\\KAO_l.N13";
    context_.Paths.EditKaoLPath = gameFolder + "grp\\EDIT_KAO_l.N13";
  }

  static QImage Picture(QSize size, Qt::GlobalColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
  }
  QString File(const std::string& name) const { return QString::fromStdString((folder_ / name).string()); }
  void WriteGuide(const std::string& text) const { WriteFileBytes(folder_ / "help.ini", text); }
  ProgramContext& Context() { return context_; }

 private:
  TempFolder folder_;
  ProgramContext context_;
};

// Three topics: a game face with a wide picture, an edit face (lower-case prefix) with none, and no
// main picture with a tall second picture.
std::string ThreeTopics() {
  return "; guide\r\n" + Topic("[1]", "KAO_12", "  One  ", "  first text  ", "\\help\\wide.png") +
         Topic("[2]", "ekao_3", "Two", "second text", "") +
         Topic("[3]", "", "Three", "third text", "help\\TALL.png");
}

QColor FaceColour(int seed, int x, int y) {
  const auto pixel = PatternPixel(seed, x, y);
  return QColor(pixel.Red, pixel.Green, pixel.Blue);
}

}  // namespace

class Form7Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { tavlor::SharedTextTables() = *tavlor::testing::SmallTextTables(); }

  void opensOnPageOneShowingNoTopicUntilAButtonIsPressed() {
    HelpFolder folder;
    folder.WriteGuide(ThreeTopics());
    TestPrompter prompter;
    Form7 viewer(folder.Context());
    QCOMPARE(viewer.objectName(), QStringLiteral("Form7"));
    QCOMPARE(viewer.Topics().size(), 3u);
    QCOMPARE(viewer.Paging().HelpPage, 1);
    QCOMPARE(viewer.Paging().HelpTopicCount, 3);
    const QString designTitle = viewer.Label1[0]->text();
    QVERIFY(designTitle != QStringLiteral("One"));
    QVERIFY(viewer.Picture5->isHidden());
    QVERIFY(prompter.Messages().isEmpty());

    QCOMPARE(viewer.Command1->text(), QStringLiteral("完成"));
    QCOMPARE(viewer.Command2->text(), QStringLiteral("上一步"));
    QCOMPARE(viewer.Command3->text(), QStringLiteral("下一步"));
    QCOMPARE(viewer.Command4->text(), QStringLiteral("开  始"));
    QCOMPARE(viewer.Command5->text(), QStringLiteral("R"));

    viewer.Command4->click();
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("One"));  // trimmed
    QCOMPARE(viewer.Label1[1]->text(), QStringLiteral("first text"));
  }

  void topicsShowFacesAndPictureFiles() {
    HelpFolder folder;
    folder.WriteGuide(ThreeTopics());
    TestPrompter prompter;
    Form7 viewer(folder.Context());

    viewer.Play(1);  // face 12 of the game archive, the wide picture below
    QCOMPARE(viewer.PicCG->Picture().size(), QSize(240, 240));
    QCOMPARE(viewer.PicCG->Picture().pixelColor(7, 9), FaceColour(kGameSeed + 12, 7, 9));
    QVERIFY(!viewer.Picture5->isHidden());
    QCOMPARE(viewer.Picture5->Picture().size(), QSize(320, 200));

    viewer.Play(2);  // "ekao_3": face 3 of the edit archive; no second picture
    QCOMPARE(viewer.PicCG->Picture().pixelColor(5, 6), FaceColour(kEditSeed + 3, 5, 6));
    QVERIFY(viewer.Picture5->isHidden());
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Two"));

    viewer.Play(3);  // no main picture: the face stays; the picture name needs no separator or case
    QCOMPARE(viewer.PicCG->Picture().pixelColor(5, 6), FaceColour(kEditSeed + 3, 5, 6));
    QVERIFY(!viewer.Picture5->isHidden());
    QCOMPARE(viewer.Picture5->Picture().size(), QSize(90, 150));

    // A number outside the topics only hides the second picture.
    viewer.Play(4);
    QVERIFY(viewer.Picture5->isHidden());
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Three"));
    viewer.Play(0);
    QCOMPARE(viewer.Label1[1]->text(), QStringLiteral("third text"));
    QVERIFY(prompter.Messages().isEmpty());

    // The pictures appear on the window: the face fills the square box's middle.
    viewer.Play(1);
    const QImage shown = viewer.PicCG->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2).red(), kGameSeed + 12);
  }

  void facePrefixesAndMissingPicturesStillShowTheTexts() {
    HelpFolder folder;
    folder.WriteGuide(Topic("[a]", "kao_", "A", "face 0", "\\help\\gone.png") +
                      Topic("[b]", "KAO_999", "B", "beyond the archive", "=KAO_1"));
    TestPrompter prompter;
    Form7 viewer(folder.Context());
    viewer.Play(1);
    QCOMPARE(viewer.PicCG->Picture().pixelColor(1, 1), FaceColour(kGameSeed, 1, 1));
    // A picture file that cannot be loaded is named in its box; the texts show all the same.
    QVERIFY(!viewer.Picture5->isHidden());
    QVERIFY(viewer.Picture5->IsEmpty());
    QCOMPARE(viewer.Picture5->MissingFile(), QStringLiteral("\\help\\gone.png"));
    QCOMPARE(viewer.Label1[1]->text(), QStringLiteral("face 0"));

    viewer.Play(2);  // a face beyond the archive draws nothing; "=KAO_1" names a file
    QVERIFY(viewer.PicCG->IsEmpty());
    QCOMPARE(viewer.Picture5->MissingFile(), QStringLiteral("=KAO_1"));
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("B"));
    QVERIFY(prompter.Messages().isEmpty());

    // An archive that cannot be opened gives the archive message and an empty box.
    folder.Context().Paths.KaoLPath = "/no/such/folder/grp\\KAO_l.N13";
    viewer.Play(1);
    QVERIFY(viewer.PicCG->IsEmpty());
    QCOMPARE(prompter.Texts(), QStringList{tavlor::FromGbk(tavlor::texts::FaceArchiveOpenError)});
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("A"));
  }

  void buttonsPageWithinTheTopics() {
    HelpFolder folder;
    folder.WriteGuide(ThreeTopics());
    TestPrompter prompter;
    Form7 viewer(folder.Context());
    viewer.Command4->click();
    for (int press = 0; press < 5; ++press) viewer.Command3->click();
    QCOMPARE(viewer.Paging().HelpPage, 3);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Three"));
    viewer.Command2->click();
    viewer.Command2->click();
    viewer.Command2->click();
    QCOMPARE(viewer.Paging().HelpPage, 1);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("One"));
    // The arrow keys page as well.
    viewer.show();
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_Right);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Two"));
    QTest::keyClick(&viewer, Qt::Key_Left);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("One"));
  }

  void reloadTakesEditsButShowsThemOnlyAtTheNextButton() {
    HelpFolder folder;
    folder.WriteGuide(ThreeTopics());
    TestPrompter prompter;
    Form7 viewer(folder.Context());
    viewer.Command3->click();
    viewer.Command3->click();
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Three"));

    folder.WriteGuide(Topic("[new]", "", "Renamed", "edited text", ""));
    viewer.Command5->click();  // "R" then each button
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Three"));
    QCOMPARE(viewer.Paging().HelpPage, 1);
    QCOMPARE(viewer.Paging().HelpTopicCount, 1);
    viewer.Command4->click();
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Renamed"));

    viewer.Command5->click();
    viewer.Command3->click();
    QCOMPARE(viewer.Label1[1]->text(), QStringLiteral("edited text"));
    viewer.Command5->click();
    viewer.Command2->click();
    QCOMPARE(viewer.Paging().HelpPage, 1);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Renamed"));

    viewer.show();
    viewer.Command5->click();
    viewer.Command1->click();
    QVERIFY(viewer.isHidden());
    QVERIFY(prompter.Messages().isEmpty());
  }

  void aFaultyGuideIsReportedOnceAndItsFirstTopicsStayUsable() {
    HelpFolder folder;
    // The third topic lacks its CONTENT line; the fourth is never reached.
    folder.WriteGuide(Topic("[1]", "", "One", "a", "") + Topic("[2]", "", "Two", "b", "") +
                      "[3]\r\nCGPIC=\r\nNAME=Three\r\nMAXPIC=\r\n" + Topic("[4]", "", "Four", "d", ""));
    TestPrompter prompter;
    Form7 viewer(folder.Context());
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Error);
    QCOMPARE(prompter.Messages()[0].Text, tavlor::FromGbk(tavlor::texts::HelpIniError));
    QCOMPARE(viewer.Paging().HelpTopicCount, 3);
    viewer.Play(2);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Two"));
    viewer.Play(3);
    QCOMPARE(viewer.Label1[0]->text(), QStringLiteral("Three"));
    QCOMPARE(viewer.Label1[1]->text(), QString());

    // "R" reads again: one message per reading.
    viewer.Command5->click();
    QCOMPARE(prompter.Messages().size(), 2);
  }

  void withoutTopicsEveryButtonShowsNothing() {
    HelpFolder folder;  // no help.ini at all: reported, and nothing to show
    TestPrompter prompter;
    Form7 viewer(folder.Context());
    QCOMPARE(prompter.Texts(), QStringList{tavlor::FromGbk(tavlor::texts::HelpIniError)});
    const QString designText = viewer.Label1[1]->text();
    viewer.Command3->click();
    QCOMPARE(viewer.Paging().HelpPage, 0);
    viewer.Command4->click();
    viewer.Command2->click();
    QCOMPARE(viewer.Paging().HelpPage, 1);
    QCOMPARE(viewer.Label1[1]->text(), designText);
    QVERIFY(viewer.Picture5->isHidden());
  }

  void theMenuOpensOneViewerAndBringsItBack() {
    TestPrompter prompter;
    const tavlor::testing::RunningProgram program(
        tavlor::testing::RunningProgramOptions().WithGeneralCount(2).WithPrepare(
            [](const tavlor::testing::StartupFolder& folder) {
              WriteFileBytes(folder.Program() / "help.ini",
                             Topic("[1]", "", "One", "a", "") + Topic("[2]", "", "Two", "b", ""));
            }));

    program.List->M_MkWJ->trigger();
    const QList<Form7*> viewers = program.List->findChildren<Form7*>();
    QCOMPARE(viewers.size(), 1);
    Form7* viewer = viewers.front();
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->isWindow());  // its own window, not modal
    QVERIFY(!viewer->isModal());
    QVERIFY(program.Editor->isEnabled());
    viewer->Command3->click();
    QCOMPARE(viewer->Label1[0]->text(), QStringLiteral("Two"));

    viewer->Command1->click();  // "完成" hides it, keeping the page
    QVERIFY(!viewer->isVisible());
    program.List->M_MkWJ->trigger();
    QCOMPARE(program.List->findChildren<Form7*>().size(), 1);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->Paging().HelpPage, 2);
    QCOMPARE(viewer->Label1[0]->text(), QStringLiteral("Two"));
    QVERIFY(prompter.Messages().isEmpty());
  }
};

QTEST_MAIN(Form7Test)
#include "Form7Test.moc"
