// The portrait browser and its hover preview on archives the test makes: categories and pages,
// the preview's showing, following and hiding, choosing a face for the editor, archives that
// cannot be opened, the language switch, and a chosen face saved with the general.
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>

#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchivePaths.h"
#include "support/FaceSeed.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/Form1.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/Form_3CGBR.h"
#include "ui/portraits/Form_CGBR.h"
#include "ui/portraits/PortraitBrowsing.h"
#include "ui/portraits/ThumbnailPanel.h"

namespace fs = std::filesystem;
using tavlor::FaceChoice;
using tavlor::Form_CGBR;
using tavlor::PortraitBox;
using tavlor::testing::TestPrompter;

Q_DECLARE_METATYPE(tavlor::FaceChoice)

namespace {

// Every pixel of a face has the red value of its seed; faces not listed share one record of seed 0.
int GameSeed(int index) {
  return 1 + index % 200;
}
int EditSeed(int index) {
  return 201 + index % 50;
}

// The three sizes, small enough that the archives stay small; the preview tells them apart.
constexpr QSize kLarge{24, 24};
constexpr QSize kMedium{12, 15};
constexpr QSize kSmall{6, 6};

std::set<int> Range(int first, int last) {
  std::set<int> faces;
  for (int face = first; face <= last; ++face) faces.insert(face);
  return faces;
}

// Game faces with a picture of their own: the first pages of category 0, the last page of
// category 4 with the princesses after it, and the event faces.
std::set<int> DistinctGameFaces() {
  std::set<int> faces = Range(0, 47);
  faces.insert(80);
  faces.merge(Range(1160, 1199));
  faces.merge(Range(1227, 1253));
  return faces;
}

void WriteFaceSet(const fs::path& grp, const std::array<const char*, 3>& names, int entries,
                  const std::set<int>& distinct, int (*seed)(int)) {
  std::map<int, int> seeds;
  for (int face : distinct) seeds[face] = seed(face);
  const QSize sizes[] = {kLarge, kMedium, kSmall};
  for (int s = 0; s < 3; ++s)
    tavlor::testing::SparseArchive(entries, sizes[s].width(), sizes[s].height(), seeds, 0)
        .WriteTo(grp / names[s]);
}

// The six archives in `grp`, as many entries as the game's.
void WriteAllArchives(const fs::path& grp) {
  fs::create_directories(grp);
  WriteFaceSet(grp, {"KAO_l.N13", "KAO_M.N13", "KAO_s.N13"}, 1456, DistinctGameFaces(), GameSeed);
  WriteFaceSet(grp, {"EDIT_KAO_l.N13", "EDIT_KAO_M.n13", "EDIT_KAO_s.N13"}, 1100, {0, 250, 1099}, EditSeed);
}

// The seed of the face a box shows, or -1 when it is empty.
int Seed(const PortraitBox* box) {
  return tavlor::testing::FaceSeed(box);
}

QPoint BoxCentre(const Form_CGBR& browser, int box) {
  return browser.CGBR[box]->geometry().center();
}

// The pointer moves to `position` of the thumbnail board (the cursor goes there too, as it would).
void PointAt(Form_CGBR& browser, QPoint position) {
  QCursor::setPos(browser.Picture1->mapToGlobal(position));
  tavlor::testing::SendMouse(browser.Picture1, QEvent::MouseMove, position, Qt::NoButton, Qt::NoButton);
}
void HoverBox(Form_CGBR& browser, int box) {
  PointAt(browser, BoxCentre(browser, box));
}
// Between boxes 0 and 1 of the first row: the board itself.
void CrossBoard(Form_CGBR& browser) {
  const QRect first = browser.CGBR[0]->geometry();
  PointAt(browser, QPoint(first.right() + 8, first.center().y()));
}
void PressBox(Form_CGBR& browser, int box, Qt::MouseButton button = Qt::LeftButton) {
  tavlor::testing::Press(browser.Picture1, button, BoxCentre(browser, box));
}

bool PreviewShown(const Form_CGBR& browser) {
  return browser.Preview() != nullptr && browser.Preview()->isVisible();
}

int PagesShown(const Form_CGBR& browser) {
  int shown = 0;
  for (const QPushButton* button : browser.Cmd_CGPG) shown += button->isVisibleTo(&browser) ? 1 : 0;
  return shown;
}

void DeleteClosedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QStringList kCategoryTexts{
    QStringLiteral("史实武将①"), QStringLiteral("史实武将②"), QStringLiteral("史实武将③"),
    QStringLiteral("史实武将④"), QStringLiteral("史实武将⑤"), QStringLiteral("姬"),
    QStringLiteral("文化人"),    QStringLiteral("ィべソト"),  QStringLiteral("诸势力"),
    QStringLiteral("登录武将"),  QStringLiteral("追加①"),     QStringLiteral("追加②"),
    QStringLiteral("追加③"),     QStringLiteral("追加④"),     QStringLiteral("追加⑤")};

}  // namespace

class PortraitBrowserTest : public QObject {
  Q_OBJECT

 private:
  tavlor::testing::TempFolder folder_;
  fs::path grp_ = folder_ / "grp";
  tavlor::PathSettings paths_;

 private slots:
  // A test that switches to Traditional and fails before switching back leaves no later test in
  // Traditional.
  void cleanup() { tavlor::SharedLanguageState().SetSimplified(true); }

  void initTestCase() {
    qRegisterMetaType<FaceChoice>();
    WriteAllArchives(grp_);
    paths_ = tavlor::testing::ArchivePathsIn(grp_);
  }

  void init() {
    tavlor::SharedPreviewFlag() = tavlor::PreviewFlag();
    // Pointer events of the last test's cursor moves must not reach this test's windows.
    QCoreApplication::processEvents();
  }

  void opensAtTheFirstPageOfTheFirstCategory() {
    TestPrompter prompter;
    Form_CGBR browser(paths_);
    QCOMPARE(browser.windowTitle(), QStringLiteral("CG一览"));
    QCOMPARE(browser.size(), QSize(1000, 711));
    QCOMPARE(browser.Com_CG->count(), 15);
    for (int row = 0; row < 15; ++row) QCOMPARE(browser.Com_CG->itemText(row), kCategoryTexts[row]);
    QCOMPARE(browser.Com_CG->currentIndex(), 0);
    QCOMPARE(browser.CurrentCategory(), 0);
    QCOMPARE(browser.CurrentPage(), 0);
    QCOMPARE(PagesShown(browser), 6);
    QCOMPARE(browser.Cmd_CGPG[0]->text(), QStringLiteral("①"));
    QCOMPARE(browser.Cmd_CGPG[5]->text(), QStringLiteral("⑥"));
    QVERIFY(browser.Cmd_CGPG[0]->isChecked());
    // Box k at column k mod 8, row k div 8 of the board, 96 x 120, from the medium archive.
    QCOMPARE(browser.CGBR[9]->geometry(), QRect(24 + 120, 16 + 128, 96, 120));
    for (int box = 0; box < 40; ++box) {
      QCOMPARE(Seed(browser.CGBR[box]), GameSeed(box));
      QCOMPARE(browser.CGBR[box]->Face().size(), kMedium);
    }
    QCOMPARE(browser.Label1->text(), QString());
    QVERIFY(browser.Preview() == nullptr);
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
  }

  void pagesAndPageButtonsFollowTheCategory() {
    TestPrompter prompter;
    Form_CGBR browser(paths_);
    browser.Com_CG->setCurrentIndex(4);  // 960..1191: 232 faces
    QCOMPARE(PagesShown(browser), 6);
    QCOMPARE(Seed(browser.CGBR[0]), 0);  // face 960 shares the plain picture
    QTest::mouseClick(browser.Cmd_CGPG[5], Qt::LeftButton);
    QCOMPARE(browser.CurrentPage(), 5);
    QCOMPARE(browser.Label1->text(), QStringLiteral("4"));
    QVERIFY(browser.Cmd_CGPG[5]->isChecked());
    QVERIFY(!browser.Cmd_CGPG[0]->isChecked());
    for (int box = 0; box < 32; ++box) QCOMPARE(Seed(browser.CGBR[box]), GameSeed(1160 + box));
    for (int box = 32; box < 40; ++box) QVERIFY(browser.CGBR[box]->IsEmpty());
    QCOMPARE(browser.Picture1->BoxesInUse(), 32);

    // A new category starts again at its first page, with only its own page buttons.
    browser.Com_CG->setCurrentIndex(7);  // 1227..1253: 27 faces
    QCOMPARE(browser.CurrentPage(), 0);
    QCOMPARE(PagesShown(browser), 1);
    QVERIFY(browser.Cmd_CGPG[0]->isChecked());
    for (int box = 0; box < 27; ++box) QCOMPARE(Seed(browser.CGBR[box]), GameSeed(1227 + box));
    for (int box = 27; box < 40; ++box) QVERIFY(browser.CGBR[box]->IsEmpty());
    browser.Com_CG->setCurrentIndex(8);  // starts at 1261: 1254..1260 are never offered
    QCOMPARE(PagesShown(browser), 1);
    QCOMPARE(browser.Picture1->BoxesInUse(), 16);
    browser.Com_CG->setCurrentIndex(9);
    QCOMPARE(PagesShown(browser), 5);
    browser.Com_CG->setCurrentIndex(14);
    QCOMPARE(PagesShown(browser), 4);
    QTest::mouseClick(browser.Cmd_CGPG[3], Qt::LeftButton);  // edit faces 1080..1099
    QCOMPARE(Seed(browser.CGBR[19]), EditSeed(1099));
    QVERIFY(browser.CGBR[20]->IsEmpty());
    QCOMPARE(browser.Label1->text(), QStringLiteral("14"));
    QVERIFY(prompter.Messages().isEmpty());
  }

  void aHoverShowsThePreviewUntilThePointerCrossesTheBoard() {
    TestPrompter prompter;
    Form_CGBR browser(paths_);
    browser.move(100, 100);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QTest::mouseClick(browser.Cmd_CGPG[1], Qt::LeftButton);  // faces 40..79

    HoverBox(browser, 3);
    QVERIFY(PreviewShown(browser));
    tavlor::Form_3CGBR& preview = *browser.Preview();
    QCOMPARE(preview.lb_CGNUM->text(), QStringLiteral("CG:43"));
    QCOMPARE(preview.PIC3[0]->Face().size(), kLarge);
    QCOMPARE(preview.PIC3[1]->Face().size(), kMedium);
    QCOMPARE(preview.PIC3[2]->Face().size(), kSmall);
    for (const PortraitBox* box : preview.PIC3) QCOMPARE(Seed(box), GameSeed(43));
    QCOMPARE(qRound(preview.windowOpacity() * 255), 235);
    QVERIFY(!preview.isActiveWindow());
    // Just below and right of the pointer, or left of it where the screen ends.
    const QPoint pointer = QCursor::pos();
    const QRect screen = preview.screen()->geometry();
    const bool fitsRight = pointer.x() + 1 + preview.width() <= screen.right() + 1;
    QCOMPARE(preview.x(), fitsRight ? pointer.x() + 1 : pointer.x() - 1 - preview.width());
    QCOMPARE(preview.y(), pointer.y() + 1);
    QVERIFY(!preview.geometry().contains(pointer));
    QVERIFY(browser.Timer1->isActive());

    // The first face stays while the pointer goes from box to box.
    HoverBox(browser, 4);
    QCOMPARE(preview.lb_CGNUM->text(), QStringLiteral("CG:43"));

    // The hover left the small archive open; the next page is read from the medium one again.
    QTest::mouseClick(browser.Cmd_CGPG[2], Qt::LeftButton);
    QCOMPARE(browser.CGBR[0]->Face().size(), kMedium);
    QCOMPARE(Seed(browser.CGBR[0]), GameSeed(80));

    CrossBoard(browser);
    QVERIFY(!PreviewShown(browser));
    QVERIFY(!tavlor::SharedPreviewFlag().Shown());
    QVERIFY(!browser.Timer1->isActive());
    QTest::mouseClick(browser.Cmd_CGPG[0], Qt::LeftButton);
    HoverBox(browser, 7);
    QVERIFY(PreviewShown(browser));
    QCOMPARE(browser.Preview()->lb_CGNUM->text(), QStringLiteral("CG:7"));
    QVERIFY(prompter.Messages().isEmpty());
  }

  void thePreviewFollowsThePointerAndHidesOffTheBoard() {
    TestPrompter prompter;
    Form_CGBR browser(paths_);
    browser.move(100, 100);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    HoverBox(browser, 0);
    QVERIFY(PreviewShown(browser));

    const QPoint elsewhere = browser.Picture1->mapToGlobal(BoxCentre(browser, 10));
    QCursor::setPos(elsewhere);
    browser.FollowPointer();
    QCOMPARE(browser.Preview()->pos(), elsewhere + QPoint(1, 1));

    // A pointer that jumped off the board (to the top bar, out of the window) without a move over
    // it hides the preview at the next tick, as crossing the board does.
    for (const QPoint offBoard :
         {browser.Com_CG->mapToGlobal(QPoint(200, 5)), browser.mapToGlobal(QPoint(990, 709)),
          browser.frameGeometry().bottomRight() + QPoint(40, 40)}) {
      CrossBoard(browser);
      HoverBox(browser, 0);
      QVERIFY(PreviewShown(browser));
      QCursor::setPos(offBoard);
      browser.FollowPointer();
      QVERIFY(!PreviewShown(browser));
      QVERIFY(!tavlor::SharedPreviewFlag().Shown());
      QVERIFY(!browser.Timer1->isActive());
    }

    // A click on the preview's background closes it; the next hover makes a new one.
    HoverBox(browser, 2);
    QPointer<tavlor::Form_3CGBR> preview = browser.Preview();
    tavlor::testing::Click(preview->PIC3[0]);  // not the background: stays
    DeleteClosedWindows();
    QVERIFY(!preview.isNull() && preview->isVisible());
    tavlor::testing::Click(preview->Picture1);
    DeleteClosedWindows();
    QVERIFY(preview.isNull());
    CrossBoard(browser);
    HoverBox(browser, 5);
    QVERIFY(PreviewShown(browser));
    QCOMPARE(browser.Preview()->lb_CGNUM->text(), QStringLiteral("CG:5"));
  }

  void aNewCategoryHidesThePreviewUntilTheBoardIsCrossed() {
    TestPrompter prompter;
    Form_CGBR browser(paths_);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    HoverBox(browser, 1);
    QVERIFY(PreviewShown(browser));
    browser.Com_CG->setCurrentIndex(5);
    QVERIFY(!PreviewShown(browser));
    // Hidden, but not by the pointer: hovers show nothing until it has crossed the board.
    HoverBox(browser, 1);
    QVERIFY(!PreviewShown(browser));
    CrossBoard(browser);
    HoverBox(browser, 1);
    QVERIFY(PreviewShown(browser));
    QCOMPARE(browser.Preview()->lb_CGNUM->text(), QStringLiteral("CG:1193"));
  }

  void emptyBoxesIgnoreHoverAndPresses() {
    TestPrompter prompter;
    Form_CGBR browser(paths_);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QSignalSpy chosen(&browser, &Form_CGBR::faceChosen);
    browser.Com_CG->setCurrentIndex(5);  // 23 faces
    HoverBox(browser, 23);
    QVERIFY(!PreviewShown(browser));
    QVERIFY(!tavlor::SharedPreviewFlag().Shown());
    PressBox(browser, 30);
    PressBox(browser, 23, Qt::RightButton);
    DeleteClosedWindows();
    QCOMPARE(chosen.count(), 0);
    QVERIFY(browser.isVisible());
    // Any button chooses a used box.
    PressBox(browser, 22, Qt::RightButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen[0][0].value<FaceChoice>().Code, 1214);
  }

  void aChoiceDrawsTheFaceOnTheEditorAndClosesTheBrowser() {
    TestPrompter prompter;
    tavlor::ProgramContext context;
    context.Paths = paths_;
    tavlor::Form1 editor(context);
    context.State.CurFace = 0;

    QPointer<Form_CGBR> browser = tavlor::ShowPortraitBrowser(context, editor);
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->parentWidget(), &editor);
    browser->Com_CG->setCurrentIndex(5);
    HoverBox(*browser, 5);
    QVERIFY(PreviewShown(*browser));
    // Showing it again keeps the same window, category and page.
    QCOMPARE(tavlor::ShowPortraitBrowser(context, editor), browser.data());
    QCOMPARE(browser->CurrentCategory(), 5);

    PressBox(*browser, 5);
    QCOMPARE(context.State.CurFace, 1197);
    QCOMPARE(Seed(editor.CG_PIC), GameSeed(1197));
    QCOMPARE(editor.CG_PIC->Face().size(), kLarge);
    QVERIFY(!PreviewShown(*browser));
    DeleteClosedWindows();
    QVERIFY(browser.isNull());

    // The next browser is a new one, at the first category; the edit set's first face is 1700.
    browser = tavlor::ShowPortraitBrowser(context, editor);
    QCOMPARE(browser->CurrentCategory(), 0);
    browser->Com_CG->setCurrentIndex(10);
    PressBox(*browser, 0);
    QCOMPARE(context.State.CurFace, 1700);
    QCOMPARE(Seed(editor.CG_PIC), EditSeed(0));
    DeleteClosedWindows();
    QVERIFY(browser.isNull());

    // Closed from its frame: no choice, and no preview left behind on the screen.
    browser = tavlor::ShowPortraitBrowser(context, editor);
    CrossBoard(*browser);
    HoverBox(*browser, 1);
    QPointer<tavlor::Form_3CGBR> preview = browser->Preview();
    QVERIFY(preview && preview->isVisible());
    browser->close();
    DeleteClosedWindows();
    QVERIFY(browser.isNull());
    QVERIFY(preview.isNull());
    QCOMPARE(context.State.CurFace, 1700);
    QVERIFY(prompter.Messages().isEmpty());
  }

  void anArchiveThatCannotBeOpenedIsReportedOnce() {
    TestPrompter prompter;
    tavlor::PathSettings paths = paths_;
    paths.EditKaoMPath = (grp_ / "missing" / "EDIT_KAO_M.n13").string();
    const fs::path damaged = folder_ / "damaged_KAO_l.N13";
    tavlor::testing::WriteFileBytes(damaged, std::string("TKAO\x05\x00\x00\x00\xff\xff", 10));
    paths.KaoLPath = damaged.string();

    Form_CGBR browser(paths);
    // The pointer rests on the top bar, not on a thumbnail, while the window appears.
    browser.move(0, 0);
    QCursor::setPos(QPoint(600, 5));
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
    browser.Com_CG->setCurrentIndex(10);
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Error);
    QVERIFY(prompter.Messages()[0].Text.startsWith(QStringLiteral("打开CG文件错误!!")));
    QCOMPARE(prompter.Messages()[0].Title, QString());
    for (const PortraitBox* box : browser.CGBR) QVERIFY(box->IsEmpty());
    QCOMPARE(PagesShown(browser), 6);  // the browser still knows the category
    QTest::mouseClick(browser.Cmd_CGPG[1], Qt::LeftButton);
    browser.Com_CG->setCurrentIndex(11);
    QCOMPARE(prompter.Messages().size(), 1);

    // Hovering an edit face still shows its large and small faces.
    HoverBox(browser, 10);
    QVERIFY(PreviewShown(browser));
    QCOMPARE(Seed(browser.Preview()->PIC3[0]), EditSeed(250));
    QVERIFY(browser.Preview()->PIC3[1]->IsEmpty());
    QCOMPARE(Seed(browser.Preview()->PIC3[2]), EditSeed(250));
    QCOMPARE(prompter.Messages().size(), 1);

    // The game categories work; the damaged large archive is reported at the first hover only.
    CrossBoard(browser);
    browser.Com_CG->setCurrentIndex(0);
    QCOMPARE(Seed(browser.CGBR[3]), GameSeed(3));
    HoverBox(browser, 3);
    QCOMPARE(prompter.Messages().size(), 2);
    QVERIFY(browser.Preview()->PIC3[0]->IsEmpty());
    QCOMPARE(Seed(browser.Preview()->PIC3[1]), GameSeed(3));
    CrossBoard(browser);
    HoverBox(browser, 4);
    QCOMPARE(browser.Preview()->lb_CGNUM->text(), QStringLiteral("CG:4"));
    QCOMPARE(prompter.Messages().size(), 2);
  }

  void theLanguageSwitchRewritesTheTextsAndKeepsThePlace() {
    TestPrompter prompter;
    tavlor::LoadAllTextTables(tavlor::testing::ShippedFolder());
    Form_CGBR browser(paths_);
    browser.Com_CG->setCurrentIndex(4);
    QTest::mouseClick(browser.Cmd_CGPG[2], Qt::LeftButton);

    tavlor::SharedLanguageState().SetSimplified(false);
    browser.ApplyInterfaceLanguage();
    // Where Japanese has both forms (覧 and 覽, 実 and 實), Traditional mode shows the GBK code of
    // the Japanese one as that one, so that names keep them apart.
    QCOMPARE(browser.windowTitle(), QStringLiteral("CG一覧"));
    // (The circled numbers and the kana are the character tables' business.)
    QVERIFY(browser.Com_CG->itemText(0).startsWith(QStringLiteral("史実武将")));
    QCOMPARE(browser.Com_CG->itemText(8), QStringLiteral("諸勢力"));
    QCOMPARE(browser.Com_CG->itemText(9), QStringLiteral("登錄武将"));
    QVERIFY(browser.Com_CG->itemText(10).startsWith(QStringLiteral("追加")));
    QCOMPARE(browser.CurrentCategory(), 4);
    QCOMPARE(browser.CurrentPage(), 2);

    tavlor::SharedLanguageState().SetSimplified(true);
    browser.ApplyInterfaceLanguage();
    // Back in Simplified, the events category reads as the switch writes it.
    for (int row = 0; row < 15; ++row) {
      QCOMPARE(browser.Com_CG->itemText(row), row == 7 ? QStringLiteral("ィべント") : kCategoryTexts[row]);
    }
    QCOMPARE(browser.windowTitle(), QStringLiteral("CG一览"));
    QCOMPARE(browser.Com_CG->currentIndex(), 4);
    QCOMPARE(browser.CurrentPage(), 2);
    QCOMPARE(Seed(browser.CGBR[0]), 0);
  }

  // The whole road: the editor's face button, a choice, "change", "save all", and the file read
  // back holds the face number of the chosen face.
  void aChosenFaceIsSavedWithTheGeneral() {
    TestPrompter prompter;
    tavlor::testing::RunningProgram program(
        tavlor::testing::RunningProgramOptions().WithGeneralCount(2).WithPrepare(
            [](const tavlor::testing::StartupFolder& folder) { WriteAllArchives(folder.Game() / "grp"); }));
    tavlor::ProgramContext& context = *program.Context;
    tavlor::Form1& editor = *program.Editor;
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
    tavlor::ShowPickedGeneral(context, editor, 2);

    // False when the browser does not open or does not close at the choice.
    const auto chooseAndSave = [&](int category, int page, int box) {
      tavlor::testing::Press(editor.Pic_CG, Qt::LeftButton);
      auto* browser = editor.findChild<Form_CGBR*>();
      if (browser == nullptr) return false;
      browser->Com_CG->setCurrentIndex(category);
      if (page > 0) QTest::mouseClick(browser->Cmd_CGPG[page], Qt::LeftButton);
      PressBox(*browser, box);
      DeleteClosedWindows();
      if (editor.findChild<Form_CGBR*>() != nullptr) return false;
      prompter.AnswerNext(true);
      tavlor::testing::Click(editor.Pic_YN[0]);
      prompter.AnswerNext(true);
      program.List->Command1->click();
      return true;
    };
    const auto storedFace = [&]() {
      const auto table = program.ReadBack();
      return table == nullptr ? -1 : table->Slots[1].Record.FaceNo;
    };

    QVERIFY(chooseAndSave(5, 0, 5));
    QCOMPARE(context.State.CurFace, 1197);
    QCOMPARE(storedFace(), 4005);
    QVERIFY(chooseAndSave(11, 0, 10));
    QCOMPARE(context.State.CurFace, 1950);
    QCOMPARE(storedFace(), 1950);
    QVERIFY(chooseAndSave(9, 4, 18));  // the game's last registered face
    QCOMPARE(storedFace(), 8178);
    // A re-shown general shows the stored face again.
    tavlor::ShowPickedGeneral(context, editor, 2);
    QCOMPARE(context.State.CurFace, 1455);
    QVERIFY2(prompter.UnansweredQuestions() == 0, qPrintable(prompter.Texts().join(" | ")));
  }
};

QTEST_MAIN(PortraitBrowserTest)
#include "PortraitBrowserTest.moc"
