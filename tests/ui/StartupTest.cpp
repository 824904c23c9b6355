// The start-up sequence on folders the tests make: the messages of a missing Set.ini in order,
// defaults and an empty grid; a usable folder giving rows, portraits and the Blank slot; an
// unusable edit-data path reported without ending start-up.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/data/BuiltinGeneralLists.h"
#include "core/lang/InterfaceTexts.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/Form5.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/PictureBox.h"
#include "ui/editor/Form1.h"
#include "ui/portraits/FaceDrawing.h"

using tavlor::Form1;
using tavlor::ImageListId;
using tavlor::testing::RunningProgram;
using tavlor::testing::RunningProgramOptions;
using tavlor::testing::StartupFolder;
using tavlor::testing::TempFolder;
using tavlor::testing::TestPrompter;

namespace {

// The windows of one run with a shown splash window, started on a folder of the test's own or on
// a StartupFolder of `options`.
struct StartedProgram : RunningProgram {
  explicit StartedProgram(const std::filesystem::path& folder)
      : RunningProgram(RunningProgramOptions().WithProgramFolder(folder).WithSplash()) {}
  explicit StartedProgram(RunningProgramOptions options) : RunningProgram(std::move(options.WithSplash())) {}
};

bool ShowsImage(const Form1& editor, const tavlor::PictureBox* box, int number) {
  return box->Picture().cacheKey() == editor.ImageOf(ImageListId::IML, number).cacheKey();
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void missingSetIniReportsInOrderAndStartsWithDefaults() {
    TempFolder folder;  // nothing in it: no Set.ini, no tables, no Bk.N13
    TestPrompter prompter;
    StartedProgram program(folder.Path());

    const auto& messages = prompter.Messages();
    QVERIFY2(messages.size() >= 7, qPrintable(prompter.Texts().join(" | ")));
    const QString settingsMessage = tavlor::FromGbk(tavlor::texts::CannotLoadSettings) +
                                    tavlor::FromNativePath((folder / "Set.ini").string());
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(messages[i].What, TestPrompter::Kind::Warning);
      QCOMPARE(messages[i].Text, settingsMessage);
      QCOMPARE(messages[i].Title, tavlor::ProgramTitle());
    }
    // One message names every missing character table.
    QCOMPARE(messages[4].What, TestPrompter::Kind::Warning);
    for (const char* table : {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT"})
      QVERIFY2(messages[4].Text.contains(QLatin1String(table)), qPrintable(messages[4].Text));
    for (int i = 5; i < 7; ++i) {
      QCOMPARE(messages[i].What, TestPrompter::Kind::Error);
      QCOMPARE(messages[i].Text, tavlor::FromGbk(tavlor::texts::FaceArchiveOpenError));
      QCOMPARE(messages[i].Title, QString());
    }
    // No edit-data path: said clearly, once, and start-up went on to the end.
    QCOMPARE(messages.size(), 8);
    QCOMPARE(messages[7].What, TestPrompter::Kind::Error);
    QVERIFY(messages[7].Text.contains(QStringLiteral("SET.INI")));
    QVERIFY(program.Splash().isHidden());

    QCOMPARE(program.Context->Table.GeneralCount, 0);
    QCOMPARE(program.List->FlexRows(), 1);
    QCOMPARE(program.List->CellText(1, 0), QStringLiteral("编号"));
    QVERIFY(program.List->isVisible());
    QCOMPARE(program.Context->State, tavlor::EditorState{});
    QCOMPARE(program.Context->State.CurCity, 36);
    QCOMPARE(program.Editor->lb_CityName->text(), QStringLiteral("室町御所"));
    QVERIFY(program.Editor->CG_PIC->IsEmpty());
    QVERIFY(program.Editor->PIC_SWJ[0]->IsEmpty());
    QCOMPARE(program.Editor->COB_ZF->currentIndex(), 0);
    for (QComboBox* aptitude : program.Editor->Com_SS) QCOMPARE(aptitude->currentIndex(), 0);
    // Origin 0 and status 家臣 shown as chosen, the other origins as not.
    QVERIFY(ShowsImage(*program.Editor, program.Editor->Pic_opt_CZ[0], 13));
    for (int k = 1; k < 8; ++k) QVERIFY(ShowsImage(*program.Editor, program.Editor->Pic_opt_CZ[k], k + 5));
    QVERIFY(ShowsImage(*program.Editor, program.Editor->Pic_opt_SF[0], 23));
    QVERIFY(ShowsImage(*program.Editor, program.Editor->Pic_opt_SF[1], 22));
    // Bk.N13 missing: the Blank slot stays zero.
    QVERIFY(std::all_of(program.Context->Table.BlankSlot.begin(), program.Context->Table.BlankSlot.end(),
                        [](uint8_t byte) { return byte == 0; }));
  }

  void usableFolderLoadsGeneralsDrawsFacesAndPlacesWindows() {
    TestPrompter prompter;
    StartedProgram program(RunningProgramOptions().WithGeneralCount(3));

    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
    QCOMPARE(program.Context->Table.GeneralCount, 3);
    QCOMPARE(program.List->FlexRows(), 4);
    QCOMPARE(program.List->CellText(2, 1), QStringLiteral("织田信长"));
    QCOMPARE(program.List->CellText(3, 2), QStringLiteral("待机"));
    QCOMPARE(program.List->CellText(1, 3), QStringLiteral(" 2"));
    QCOMPARE(program.Editor->lb_CityName->text(), QStringLiteral("室町御所"));

    // Face 0 of each game archive (seed 9 large, seed 7 small).
    QVERIFY(!program.Editor->CG_PIC->IsEmpty());
    QCOMPARE(program.Editor->CG_PIC->Face().size(), QSize(240, 240));
    QCOMPARE(program.Editor->CG_PIC->Face().pixelColor(10, 20).red(), 9);
    QVERIFY(!program.Editor->PIC_SWJ[0]->IsEmpty());
    QCOMPARE(program.Editor->PIC_SWJ[0]->Face().pixelColor(10, 20).red(), 7);

    const std::string blank = tavlor::testing::SampleBlankSlot();
    QVERIFY(std::equal(blank.begin(), blank.end(), program.Context->Table.BlankSlot.begin(),
                       [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
    // The registered generals follow the built-in rows of the lists.
    QCOMPARE(tavlor::SharedBuiltinGeneralLists().RowCount(), tavlor::kBuiltinRowCount + 3);

    // The list window stands at the editor's left with the editor's height, tops aligned.
    QCOMPARE(program.List->frameGeometry().right() + 1, program.Editor->x());
    QCOMPARE(program.List->y(), program.Editor->y());
    QCOMPARE(program.List->frameGeometry().height(), program.Editor->height());
  }

  // The editor is built before start-up reads the character tables: its first texts (新 武将 and
  // their readings) are measured with the shipped tables, not marked as characters the game
  // cannot store.
  void firstTextsAreMeasuredWithTheLoadedTables() {
    tavlor::testing::ShippedProgramFolder folder;
    TestPrompter prompter;
    StartedProgram program(folder.Path());
    const Form1& editor = *program.Editor;

    QCOMPARE(editor.tx_Name1[0]->text(), QStringLiteral("新"));
    QCOMPARE(editor.NameBudget[0]->text(), QStringLiteral("2/11"));
    QCOMPARE(editor.NameBudget[1]->text(), QStringLiteral("4/11"));
    QCOMPARE(editor.ReadingBudget[0]->text(), QStringLiteral("8/19"));
    QCOMPARE(editor.ReadingBudget[1]->text(), QStringLiteral("8/19"));
    for (const QLineEdit* box : {editor.tx_Name1[0], editor.tx_Name1[1], editor.tx_DY[0], editor.tx_DY[1]})
      QVERIFY2(!box->property("unstorable").toBool(), qPrintable(box->text()));
  }

  void splashHandsOverOnceAtAClickOrAfterThreeSeconds() {
    tavlor::Form5 splash;
    QCOMPARE(splash.size(), QSize(543, 235));
    QVERIFY(splash.Timer1->isActive());
    QCOMPARE(splash.Timer1->interval(), 3000);
    // Our own painting: the title area is lacquer, the crest gold.
    const QImage picture = splash.grab().toImage();
    QVERIFY(picture.pixelColor(30, 200).lightness() < 80);
    QVERIFY(picture.pixelColor(splash.width() - 118, 117).red() > 120);

    QSignalSpy finished(&splash, &tavlor::Form5::finished);
    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::mouseClick(&splash, Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!splash.Timer1->isActive());

    tavlor::Form5 waiting;
    QSignalSpy timedOut(&waiting, &tavlor::Form5::finished);
    waiting.Timer1->setInterval(20);  // the same path as the three seconds, sooner
    waiting.Timer1->start();
    QTRY_COMPARE(timedOut.size(), 1);
  }

  void unusableEditDataPathIsReportedAndStartupGoesOn() {
    std::filesystem::path unreachable;
    TestPrompter prompter;
    StartedProgram program(
        RunningProgramOptions().WithGeneralCount(2).WithPrepare([&unreachable](const StartupFolder& folder) {
          unreachable = folder.Program() / "no such folder" / "EDATA000.13S";
          folder.WriteSetIni(unreachable.string());
        }));

    QCOMPARE(prompter.Messages().size(), 1);
    const auto& message = prompter.Messages().first();
    QCOMPARE(message.What, TestPrompter::Kind::Error);
    QVERIFY2(message.Text.contains(tavlor::FromNativePath(unreachable.string())), qPrintable(message.Text));
    QCOMPARE(program.Context->Table.GeneralCount, 0);
    QCOMPARE(program.List->FlexRows(), 1);
    QVERIFY(program.Splash().isHidden());
    QVERIFY(!program.Editor->CG_PIC->IsEmpty());  // the rest of start-up still ran
  }

  void aFileThatIsNoEditDataFileIsReportedAndNeverSavedOver() {
    const std::string picture = "\x89PNG\r\n\x1a\n" + std::string(4000, 'p');
    TestPrompter prompter;
    StartedProgram program(
        RunningProgramOptions().WithGeneralCount(2).WithPrepare([&picture](const StartupFolder& folder) {
          tavlor::testing::WriteFileBytes(folder.EditDataFile(), picture);
        }));
    const StartupFolder& folder = program.Folder();

    QCOMPARE(prompter.Messages().size(), 1);
    const auto& message = prompter.Messages().first();
    QCOMPARE(message.What, TestPrompter::Kind::Error);
    QVERIFY2(message.Text.contains(QStringLiteral("这不是武将数据文件")), qPrintable(message.Text));
    QVERIFY2(message.Text.contains(tavlor::FromNativePath(folder.EditDataFile().string())),
             qPrintable(message.Text));
    QCOMPARE(program.Context->Table.GeneralCount, 0);

    // Saving all is refused, and the file stays as it is.
    prompter.Clear();
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QCOMPARE(prompter.Messages().size(), 2);
    QCOMPARE(prompter.Messages()[1].What, TestPrompter::Kind::Error);
    QVERIFY2(prompter.Messages()[1].Text.contains(QStringLiteral("这不是武将数据文件")),
             qPrintable(prompter.Messages()[1].Text));
    QCOMPARE(tavlor::testing::ReadFileBytes(folder.EditDataFile()), picture);
    QVERIFY(!std::filesystem::exists(tavlor::BackupPathOf(folder.EditDataFile())));
  }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
