// Editing without fear through the real windows: undo and redo across change, add and a failed
// save; the unsaved mark and the save/discard/cancel question before quitting, reloading and
// closing; a file changed behind the program's back; sharing a general by menu and by drop.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <functional>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/data/SharedGeneral.h"
#include "core/lang/EditSafetyTexts.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/WaitForEvents.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Startup.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

using tavlor::Form1;
using tavlor::Form2;
using tavlor::GeneralTable;
using tavlor::ProgramContext;
using tavlor::testing::ReadFileBytes;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;
using tavlor::testing::WriteFileBytes;
using Answer = tavlor::UnsavedChangesAnswer;
using DiskAnswer = tavlor::ChangedOnDiskAnswer;
using Kind = TestPrompter::Kind;

namespace {

const QString kSavedTitle = QStringLiteral("TavlorV1.2");
const QString kUnsavedTitle = QStringLiteral("TavlorV1.2 *");

using tavlor::testing::WithProgramBlank;

// The windows of one run on a program folder of three sample generals.
struct Program : tavlor::testing::RunningProgram {
  Program()
      : RunningProgram(tavlor::testing::RunningProgramOptions().WithTable(
            WithProgramBlank(tavlor::testing::SampleTable(3)))) {}

  // Picks `row`, types a family name and confirms "change".
  void ChangeFamilyName(TestPrompter& prompter, int row, const QString& name) const {
    Pick(row);
    Editor->tx_Name1[0]->setText(name);
    prompter.AnswerNext(true);
    tavlor::testing::Click(Editor->Pic_YN[0]);
  }
  void Add(TestPrompter& prompter) const {
    prompter.AnswerNext(true);
    tavlor::testing::Click(Editor->Pic_YN[1]);
  }
  std::string File() const { return SavedBytes(); }
  std::string TableBytes() const { return tavlor::SerializeEditData(Context->Table); }
};

std::vector<tavlor::ListRow> RegisteredRows() {
  const tavlor::BuiltinGeneralLists& lists = tavlor::SharedBuiltinGeneralLists();
  std::vector<tavlor::ListRow> rows;
  for (int row = tavlor::kBuiltinRowCount; row < lists.RowCount(); ++row) rows.push_back(lists.Row(row));
  return rows;
}

QString Messages(const TestPrompter& prompter) {
  return prompter.Texts().join(QStringLiteral(" | "));
}

}  // namespace

class EditSafetyTest : public QObject {
  Q_OBJECT

 private slots:
  void undoAndRedoAcrossChangeAddAndAFailedSave() {
    TestPrompter prompter;
    Program program;
    const auto loadedTable = std::make_unique<GeneralTable>(program.Context->Table);
    const auto loadedRows = RegisteredRows();
    QCOMPARE(program.List->windowTitle(), kSavedTitle);
    QVERIFY(!program.List->M_Undo->isEnabled());

    program.ChangeFamilyName(prompter, 2, QStringLiteral("织田"));
    program.Add(prompter);
    QCOMPARE(program.Context->Table.GeneralCount, 4);
    QCOMPARE(program.List->FlexRows(), 5);
    QCOMPARE(program.List->CellText(2, 2), QStringLiteral("织田政宗"));
    QCOMPARE(program.List->windowTitle(), kUnsavedTitle);
    const std::string edited = program.TableBytes();

    // The save fails (the game folder went away): the file question comes first, then the
    // failure; the edits and their mark stay.
    const auto game = program.Folder().Game();
    const auto away = program.Folder().Program() / "game-away";
    std::filesystem::rename(game, away);
    prompter.Clear();
    prompter.AnswerNext(true);
    prompter.AnswerNext(DiskAnswer::Overwrite);
    program.List->Command1->click();
    std::filesystem::rename(away, game);
    QCOMPARE(prompter.CountOf(Kind::Error), 1);
    QCOMPARE(prompter.CountOf(Kind::Information), 0);
    QCOMPARE(program.List->windowTitle(), kUnsavedTitle);
    QCOMPARE(program.File(), program.Loaded);
    QVERIFY(program.List->M_Undo->isEnabled());

    // Undo: the add, then the change; table, lists and grid are as loaded, byte for byte.
    program.List->M_Undo->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 3);
    QCOMPARE(program.List->FlexRows(), 4);
    program.List->M_Undo->trigger();
    QVERIFY(program.Context->Table == *loadedTable);
    QVERIFY(RegisteredRows() == loadedRows);
    QCOMPARE(program.List->CellText(2, 2), QStringLiteral("伊达政宗"));
    // The undone change shows its general again, as it was.
    QCOMPARE(program.Editor->tx_Name1[0]->text(), QStringLiteral("伊达"));
    QCOMPARE(program.List->windowTitle(), kSavedTitle);
    QVERIFY(!program.List->M_Undo->isEnabled());
    QVERIFY(program.List->M_Redo->isEnabled());

    // Redo both, save: the file holds the edits and the mark goes.
    program.List->M_Redo->trigger();
    program.List->M_Redo->trigger();
    QCOMPARE(program.TableBytes(), edited);
    QCOMPARE(program.List->windowTitle(), kUnsavedTitle);
    prompter.Clear();
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QVERIFY2(prompter.CountOf(Kind::Information) == 1, qPrintable(Messages(prompter)));
    QCOMPARE(program.File(), edited);
    QCOMPARE(program.List->windowTitle(), kSavedTitle);

    // A save keeps the history: the add undone after it can be saved in turn.
    program.List->M_Undo->trigger();
    QCOMPARE(program.List->windowTitle(), kUnsavedTitle);
    prompter.AnswerNext(true);
    program.List->Command1->click();
    const auto saved = std::make_unique<GeneralTable>();
    QVERIFY(!tavlor::LoadEditData(program.Folder().EditDataFile(), *saved).Error);
    QCOMPARE(saved->GeneralCount, 3);
    QVERIFY(saved->Slots[1].Record.FamilyName == saved->Slots[0].Record.FamilyName);  // 织田

    // A reload starts a new history.
    program.List->Command2->click();
    QVERIFY(!program.List->M_Undo->isEnabled());
    QVERIFY(!program.List->M_Redo->isEnabled());
  }

  void nothingChangedAsksNothingMore() {
    TestPrompter prompter;
    Program program;
    QSignalSpy listExits(program.List.get(), &Form2::exitRequested);
    QSignalSpy editorExits(program.Editor.get(), &Form1::exitRequested);
    program.List->M_Exit->trigger();
    program.List->close();
    program.Editor->close();
    program.List->Command2->click();
    QCOMPARE(listExits.size(), 2);
    QCOMPARE(editorExits.size(), 1);
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(Messages(prompter)));
    // The editor's quit button asks what it always asked, and only that.
    tavlor::testing::Click(program.Editor->Pic_YN[2]);
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, Kind::Question);
    QCOMPARE(prompter.Messages()[0].Text, QStringLiteral("你确定要退出编辑器吗？"));
  }

  void unsavedChangesAreSettledOnceBeforeQuittingReloadingOrClosing() {
    TestPrompter prompter;
    Program program;
    QSignalSpy exits(program.List.get(), &Form2::exitRequested);
    QSignalSpy editorExits(program.Editor.get(), &Form1::exitRequested);
    program.ChangeFamilyName(prompter, 1, QStringLiteral("太郎"));
    const std::string edited = program.TableBytes();
    const QString question = tavlor::Caption(tavlor::texts::UnsavedChangesQuestion);
    prompter.Clear();

    // Cancel keeps everything: no exit, no reload, the window stays.
    program.List->M_Exit->trigger();
    program.List->Command2->click();
    QVERIFY(!program.List->close());
    QVERIFY(!program.Editor->close());
    tavlor::testing::Click(program.Editor->Pic_YN[2]);
    QCOMPARE(prompter.Messages().size(), 5);
    for (const auto& message : prompter.Messages()) {
      QCOMPARE(message.What, Kind::Choice);  // one question each, the quit button's Yes/No included
      QCOMPARE(message.Text, question);
    }
    QCOMPARE(exits.size(), 0);
    QCOMPARE(editorExits.size(), 0);
    QCOMPARE(program.TableBytes(), edited);

    // Discard before a reload: the file's generals come back.
    prompter.Clear();
    prompter.AnswerNext(Answer::Discard);
    program.List->Command2->click();
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(program.TableBytes(), program.Loaded);
    QCOMPARE(program.List->windowTitle(), kSavedTitle);

    // Save before quitting: written, then the program may end.
    program.ChangeFamilyName(prompter, 1, QStringLiteral("太郎"));
    prompter.Clear();
    prompter.AnswerNext(Answer::Save);
    program.List->M_Exit->trigger();
    QCOMPARE(exits.size(), 1);
    QCOMPARE(program.File(), edited);
    QCOMPARE(prompter.CountOf(Kind::Choice), 1);
    QCOMPARE(prompter.CountOf(Kind::Question), 0);  // no second "save all?" question

    // Discard before closing the editor: it closes and the file stays as saved.
    program.ChangeFamilyName(prompter, 2, QStringLiteral("信长"));
    prompter.AnswerNext(Answer::Discard);
    QVERIFY(program.Editor->close());
    QCOMPARE(editorExits.size(), 1);
    QCOMPARE(program.File(), edited);
  }

  void endingTheProgramAsksOnceHoweverItEnds() {
    // A quit closes every window still open, each a place that could ask again: whichever way
    // the player leaves, the question comes once and its answer holds for the whole way out.
    const QString question = tavlor::Caption(tavlor::texts::UnsavedChangesQuestion);
    using Leave = std::function<void(const Program&)>;
    const QList<QPair<QString, Leave>> waysOut = {
        {"系统 → 退出", [](const Program& p) { p.List->M_Exit->trigger(); }},
        {"closing the list window", [](const Program& p) { p.List->close(); }},
        {"closing the editor", [](const Program& p) { p.Editor->close(); }},
        {"a quit from the desktop", [](const Program&) { QApplication::closeAllWindows(); }},
        {"the editor's quit button", [](const Program& p) { tavlor::testing::Click(p.Editor->Pic_YN[2]); }},
    };
    for (const Answer answer : {Answer::Discard, Answer::Save}) {
      for (const auto& [name, leave] : waysOut) {
        const QString what = name + (answer == Answer::Save ? ", saving" : ", discarding");
        TestPrompter prompter;
        Program program;
        program.Editor->show();
        program.List->show();
        program.ChangeFamilyName(prompter, 1, QStringLiteral("太郎"));
        const std::string edited = program.TableBytes();
        prompter.Clear();
        prompter.AnswerNext(answer);
        prompter.AnswerNext(Answer::Cancel);  // a second question would keep the program alive
        leave(program);
        QApplication::closeAllWindows();  // what ending the program does next
        QVERIFY2(prompter.Messages().size() == 1, qPrintable(what + ": " + Messages(prompter)));
        QCOMPARE(prompter.Messages()[0].Text, question);
        QVERIFY2(!program.Editor->isVisible() && !program.List->isVisible(), qPrintable(what));
        QVERIFY2(program.File() == (answer == Answer::Save ? edited : program.Loaded), qPrintable(what));
      }
    }

    // A save that fails on the way out keeps the program open, with its changes and their mark.
    TestPrompter prompter;
    Program program;
    QSignalSpy exits(program.List.get(), &Form2::exitRequested);
    program.ChangeFamilyName(prompter, 1, QStringLiteral("太郎"));
    const std::string edited = program.TableBytes();
    const auto game = program.Folder().Game();
    const auto away = program.Folder().Program() / "game-away";
    std::filesystem::rename(game, away);
    prompter.Clear();
    prompter.AnswerNext(Answer::Save);
    prompter.AnswerNext(DiskAnswer::Overwrite);
    program.List->M_Exit->trigger();
    std::filesystem::rename(away, game);
    QCOMPARE(exits.size(), 0);
    QCOMPARE(prompter.CountOf(Kind::Error), 1);
    QCOMPARE(program.TableBytes(), edited);
    QCOMPARE(program.List->windowTitle(), kUnsavedTitle);
    // The next way out asks again.
    prompter.AnswerNext(Answer::Cancel);
    QVERIFY(!program.List->close());
    QCOMPARE(prompter.CountOf(Kind::Choice), 3);  // save/discard, reload/overwrite, save/discard
  }

  void aFileChangedBehindTheProgramsBackIsNoticedAndNotOverwrittenUnasked() {
    TestPrompter prompter;
    Program program;
    program.ChangeFamilyName(prompter, 1, QStringLiteral("太郎"));
    prompter.Clear();

    // The game writes the file: the watcher says so once, however often it writes.
    auto theirs = WithProgramBlank(tavlor::testing::SampleTable(5));
    const std::string theirBytes = tavlor::SerializeEditData(*theirs);
    WriteFileBytes(program.Folder().EditDataFile(), theirBytes);
    QTRY_COMPARE_WITH_TIMEOUT(prompter.CountOf(Kind::Warning), 1, 5000);
    QVERIFY(prompter.Messages()[0].Text.startsWith(tavlor::Caption(tavlor::texts::ChangedOnDiskNotice)));
    theirs->Slots[0].Record.BirthYear = 1540;
    const std::string theirSecondBytes = tavlor::SerializeEditData(*theirs);
    tavlor::testing::WatchedChange secondWrite(program.List.get());
    WriteFileBytes(program.Folder().EditDataFile(), theirSecondBytes);
    QVERIFY(secondWrite.Settled());
    QCOMPARE(prompter.CountOf(Kind::Warning), 1);

    // Saving asks first; cancel writes nothing.
    prompter.Clear();
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QCOMPARE(prompter.CountOf(Kind::Choice), 1);
    QCOMPARE(prompter.CountOf(Kind::Information), 0);
    QCOMPARE(program.File(), theirSecondBytes);

    // Reload takes the file's generals and drops this program's edits.
    prompter.Clear();
    prompter.AnswerNext(true);
    prompter.AnswerNext(DiskAnswer::Reload);
    program.List->Command1->click();
    QCOMPARE(program.Context->Table.GeneralCount, 5);
    QCOMPARE(program.TableBytes(), theirSecondBytes);
    QCOMPARE(program.List->FlexRows(), 6);
    QCOMPARE(program.List->windowTitle(), kSavedTitle);

    // After the reload the next write is noticed again; overwrite then writes this table.
    program.ChangeFamilyName(prompter, 5, QStringLiteral("太郎"));
    prompter.Clear();
    WriteFileBytes(program.Folder().EditDataFile(), theirBytes);
    QTRY_COMPARE_WITH_TIMEOUT(prompter.CountOf(Kind::Warning), 1, 5000);
    prompter.AnswerNext(true);
    prompter.AnswerNext(DiskAnswer::Overwrite);
    program.List->Command1->click();
    QCOMPARE(program.File(), program.TableBytes());
    QCOMPARE(program.List->windowTitle(), kSavedTitle);

    // The program's own save is no change from outside. A file written beside it afterwards is a
    // fence: once the watch has reported that one and its quiet time has run out, whatever the
    // save itself made the watch report has been handled too.
    prompter.Clear();
    tavlor::testing::WatchedChange fence(program.List.get());
    WriteFileBytes(program.Folder().EditDataFile().parent_path() / "fence.txt", "after the save");
    QVERIFY(fence.Settled());
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(Messages(prompter)));
  }

  void theFileAsLoadedIsKeptAsTheBackupThroughTwoSaves() {
    TestPrompter prompter;
    Program program;
    const auto backup = program.Folder().Game() / "EDATA000.13S.bak";
    program.ChangeFamilyName(prompter, 1, QStringLiteral("太郎"));
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QCOMPARE(ReadFileBytes(backup), program.Loaded);
    program.Add(prompter);
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QCOMPARE(program.File(), program.TableBytes());
    QCOMPARE(ReadFileBytes(backup), program.Loaded);
    QVERIFY2(prompter.CountOf(Kind::Error) == 0, qPrintable(Messages(prompter)));
  }

  void aGeneralIsSharedByMenuAndByDrop() {
    TestPrompter prompter;
    Program program;
    const tavlor::testing::TempFolder shares;
    const QString shared = QString::fromStdString((shares / "date.n13general").string());

    // Export asks for a general first, then for the file.
    program.List->M_Export->trigger();
    QCOMPARE(prompter.CountOf(Kind::Warning), 1);
    QCOMPARE(prompter.CountOf(Kind::FileChoice), 0);
    program.Pick(2);
    prompter.ChooseNextFile(shared);
    program.List->M_Export->trigger();
    const auto decoded = tavlor::DecodeSharedGeneral(ReadFileBytes(shares / "date.n13general"));
    QVERIFY(decoded.Entry.has_value());
    QVERIFY(*decoded.Entry == program.Context->Table.Slots[1]);
    QCOMPARE(prompter.CountOf(Kind::Information), 1);
    QCOMPARE(program.List->windowTitle(), kSavedTitle);  // exporting changes nothing here

    // Import as a new general: the fourth, numbered for its slot, shown and undoable.
    prompter.Clear();
    prompter.ChooseNextFile(shared);
    prompter.AnswerNext(true);
    program.List->M_Import->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 4);
    QCOMPARE(program.Context->Table.Slots[3].Appendix.GeneralNo, 10003);
    QVERIFY(program.Context->Table.Slots[3].Record == program.Context->Table.Slots[1].Record);
    QCOMPARE(program.List->CellText(2, 4), QStringLiteral("伊达政宗"));
    QCOMPARE(program.Context->SelectedSlot, 3);
    QCOMPARE(program.List->windowTitle(), kUnsavedTitle);
    program.List->M_Undo->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 3);
    QCOMPARE(program.TableBytes(), program.Loaded);

    // Over the picked general, by the menu; a No changes nothing.
    program.Pick(1);
    prompter.ChooseNextFile(shared);
    program.List->M_ImportOver->trigger();
    QCOMPARE(program.TableBytes(), program.Loaded);
    prompter.ChooseNextFile(shared);
    prompter.AnswerNext(true);
    program.List->M_ImportOver->trigger();
    QVERIFY(program.Context->Table.Slots[0].Record == program.Context->Table.Slots[1].Record);
    QCOMPARE(program.Context->Table.Slots[0].Appendix.GeneralNo, 10000);
    QCOMPARE(program.Context->Table.GeneralCount, 3);

    // A damaged file and a foreign one are refused with a message.
    std::string damaged = ReadFileBytes(shares / "date.n13general");
    damaged.back() ^= 0x01;
    WriteFileBytes(shares / "damaged.n13general", damaged);
    WriteFileBytes(shares / "foreign.n13general", program.Loaded);
    const std::string before = program.TableBytes();
    prompter.Clear();
    for (const char* name : {"damaged.n13general", "foreign.n13general"}) {
      prompter.ChooseNextFile(QString::fromStdString((shares / name).string()));
      program.List->M_Import->trigger();
    }
    QCOMPARE(prompter.CountOf(Kind::Warning), 2);
    QCOMPARE(prompter.CountOf(Kind::Question), 0);
    QVERIFY(prompter.Messages()[1].Text.startsWith(tavlor::Caption(tavlor::texts::SharedGeneralDamaged)));
    QVERIFY(prompter.Messages()[3].Text.startsWith(tavlor::Caption(tavlor::texts::NotASharedGeneral)));
    QCOMPARE(program.TableBytes(), before);

    // Dropped on the list: imported as a new general.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(shared)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(program.List.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    prompter.Clear();
    prompter.AnswerNext(true);
    QCoreApplication::sendEvent(program.List.get(), &drop);
    QCOMPARE(prompter.CountOf(Kind::Question), 1);
    QCOMPARE(program.Context->Table.GeneralCount, 4);
  }
};

QTEST_MAIN(EditSafetyTest)
#include "EditSafetyTest.moc"
