// 打开… on the list window: another edit-data file for the session through the unsaved-change
// guard, the title naming it, saving writing it with its own .bak; and Escape closing the guide.
#include <QAction>
#include <QTest>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/lang/Form7.h"

using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;

namespace {

struct StartedProgram : tavlor::testing::RunningProgram {
  using RunningProgram::RunningProgram;

  // Slot 0 stands by instead of appearing: one unsaved edit.
  void ChangeSomething() const {
    Context->History.RecordStep(Context->Table, tavlor::SharedBuiltinGeneralLists(), [this] {
      Context->Table.Slots[0].Appendix.AppearFlag = 0;
      return true;
    });
    List->UpdateEditState();
  }
};

QString Native(const std::filesystem::path& path) {
  return tavlor::FromNativePath(path.string());
}

}  // namespace

class OpenFileTest : public QObject {
  Q_OBJECT

 private slots:
  void openingAnotherFileAsksAboutUnsavedChangesAndSavingWritesThatFile() {
    TestPrompter prompter;
    const StartedProgram program(
        tavlor::testing::RunningProgramOptions().WithPrepare([](const StartupFolder& folder) {
          tavlor::testing::WriteFileBytes(folder.Game() / "friend.13S",
                                          tavlor::SerializeEditData(*tavlor::testing::SampleTable(5)));
        }));
    const StartupFolder& folder = program.Folder();
    const std::filesystem::path friends = folder.Game() / "friend.13S";
    const std::string named = program.Loaded;
    QCOMPARE(program.List->windowTitle(), QStringLiteral("TavlorV1.2"));
    QCOMPARE(program.List->M_Open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));

    // Unsaved changes and Cancel: nothing happens, the change is still there.
    program.ChangeSomething();
    prompter.ChooseNextFile(Native(friends));
    prompter.AnswerNext(tavlor::UnsavedChangesAnswer::Cancel);
    program.List->M_Open->trigger();
    QCOMPARE(prompter.CountOf(TestPrompter::Kind::Choice), 1);
    QCOMPARE(program.Context->Table.GeneralCount, 3);
    QVERIFY(program.Context->History.HasUnsavedChanges());
    QCOMPARE(program.List->windowTitle(), QStringLiteral("TavlorV1.2 *"));

    // Discard: the friend's file is loaded and named in the title; the file Set.ini names is untouched.
    prompter.ChooseNextFile(Native(friends));
    prompter.AnswerNext(tavlor::UnsavedChangesAnswer::Discard);
    program.List->M_Open->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 5);
    QCOMPARE(program.List->FlexRows(), 6);
    QCOMPARE(program.List->windowTitle(), QStringLiteral("TavlorV1.2 - friend.13S"));
    QCOMPARE(tavlor::testing::ReadFileBytes(folder.EditDataFile()), named);

    // Saving writes the friend's file, keeping its own .bak.
    const std::string before = tavlor::testing::ReadFileBytes(friends);
    program.ChangeSomething();
    QVERIFY(program.List->WriteGenerals());
    QVERIFY(tavlor::testing::ReadFileBytes(friends) != before);
    QCOMPARE(tavlor::testing::ReadFileBytes(tavlor::BackupPathOf(friends)), before);
    QCOMPARE(tavlor::testing::ReadFileBytes(folder.EditDataFile()), named);
    QVERIFY(!std::filesystem::exists(tavlor::BackupPathOf(folder.EditDataFile())));

    // A file that is no edit-data file: said, and the friend's file stays the one in use.
    const std::filesystem::path picture = folder.Game() / "picture.png";
    tavlor::testing::WriteFileBytes(picture, "\x89PNG\r\n\x1a\n" + std::string(4000, 'p'));
    prompter.Clear();
    QVERIFY(!program.List->OpenEditDataFile(Native(picture)));
    QCOMPARE(prompter.CountOf(TestPrompter::Kind::Error), 1);
    QCOMPARE(program.Context->Table.GeneralCount, 5);
    QCOMPARE(program.List->windowTitle(), QStringLiteral("TavlorV1.2 - friend.13S"));

    // Opening the file Set.ini names goes back to it, and the title drops the name.
    QVERIFY(program.List->OpenEditDataFile(Native(folder.EditDataFile())));
    QCOMPARE(program.Context->Table.GeneralCount, 3);
    QCOMPARE(program.List->windowTitle(), QStringLiteral("TavlorV1.2"));
  }

  void escapeClosesTheGuide() {
    TestPrompter prompter;
    const StartedProgram program(tavlor::testing::RunningProgramOptions().WithGeneralCount(1));
    tavlor::Form7* guide = tavlor::ShowForm7(*program.Context, program.List.get());
    QVERIFY(guide->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    guide->activateWindow();
    QTest::keyClick(guide, Qt::Key_Escape);
    QTRY_VERIFY(!guide->isVisible());
  }
};

QTEST_MAIN(OpenFileTest)
#include "OpenFileTest.moc"
