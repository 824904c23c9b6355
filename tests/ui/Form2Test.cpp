// The list window: grid texts, colours and widths, picks, the language menu, reload, save with its
// questions and failures, docking to the editor, and the menus.
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "core/data/EditData.h"
#include "core/editor/GridRows.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/FaultyFileCalls.h"
#include "support/TestPrompter.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/WaitForEvents.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

using tavlor::Form2;
using tavlor::ProgramContext;
using tavlor::testing::ReadFileBytes;
using tavlor::testing::SampleTable;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;

namespace {

// A context whose edit-data path is the folder's file, holding `table`.
std::unique_ptr<ProgramContext> ContextFor(const StartupFolder& folder, const tavlor::GeneralTable& table) {
  auto context = std::make_unique<ProgramContext>();
  context->ProgramFolder = folder.Program();
  context->Paths.CustomizeFile = folder.EditDataFile().string();
  context->Table = table;
  return context;
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { tavlor::SharedTextTables() = *tavlor::testing::SmallTextTables(); }
  void cleanup() { tavlor::SharedLanguageState().SetSimplified(true); }

  void gridShowsNumbersNamesAndAppearanceInTheirColours() {
    StartupFolder folder(0);
    auto table = SampleTable(3);
    table->Slots[1].Appendix.AppearFlag = 2;  // anything but 1 stands by
    // Blanks around a name are trimmed before the halves are joined.
    tavlor::StoreField(table->Slots[2].Record.FamilyName, " " + tavlor::testing::SjisOf({6}) + " ");
    auto context = ContextFor(folder, *table);
    Form2 list(*context);
    list.SetFlexRows(4);
    list.ResetMflx();

    QCOMPARE(list.windowTitle(), QStringLiteral("TavlorV1.2"));
    QCOMPARE(list.FlexRows(), 4);
    const QStringList headings{QString(), QStringLiteral("编号"), QStringLiteral("武将"),
                               QStringLiteral("出/退")};
    for (int column = 0; column < 4; ++column) {
      QCOMPARE(list.CellText(column, 0), headings[column]);
      QCOMPARE(list.CellColour(column, 0), tavlor::kGridLightBlue);
    }
    QCOMPARE(list.CellText(1, 1), QStringLiteral(" 0"));
    QCOMPARE(list.CellText(2, 1), QStringLiteral("织田信长"));
    QCOMPARE(list.CellText(3, 1), QStringLiteral("出场"));
    QCOMPARE(list.CellColour(3, 1), tavlor::kGridAppearRed);
    QCOMPARE(list.CellText(2, 2), QStringLiteral("伊达政宗"));
    QCOMPARE(list.CellText(3, 2), QStringLiteral("待机"));
    QCOMPARE(list.CellColour(3, 2), tavlor::kGridStandbyGreen);
    QCOMPARE(list.CellText(2, 3), QStringLiteral("太之助"));
    for (int row = 1; row <= 3; ++row) {
      QCOMPARE(list.CellColour(1, row), tavlor::kGridLightBlue);
      QCOMPARE(list.CellColour(2, row), tavlor::kGridLightBlue);
      QCOMPARE(list.CellText(0, row), QString());
    }
    // Widths in pixels from twips; column 0 is hidden.
    QCOMPARE(list.MFLX->columnWidth(0), 0);
    QCOMPARE(list.MFLX->columnWidth(1), 40);
    QCOMPARE(list.MFLX->columnWidth(2), 93);
    QCOMPARE(list.MFLX->columnWidth(3), 53);
  }

  void thousandGeneralsEndWithRow999AndNoGeneralsLeaveTheRows() {
    StartupFolder folder(0);
    auto context = ContextFor(folder, *SampleTable(1000));
    Form2 list(*context);
    list.ResetMflx();
    QCOMPARE(list.FlexRows(), 1001);
    QCOMPARE(list.CellText(1, 1000), QStringLiteral(" 999"));
    QCOMPARE(list.CellText(2, 1000), QStringLiteral("伊达政宗"));

    // With no general the grid keeps its rows and texts.
    context->Table.GeneralCount = 0;
    list.ResetMflx();
    QCOMPARE(list.FlexRows(), 1001);
    QCOMPARE(list.CellText(1, 1000), QStringLiteral(" 999"));
  }

  void clickingARowSetsTheSelectedSlotAndAnnouncesIt() {
    StartupFolder folder(0);
    auto context = ContextFor(folder, *SampleTable(5));
    Form2 list(*context);
    list.ResetMflx();
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy picks(&list, &Form2::generalPicked);

    const QRect cell = list.MFLX->visualRect(list.MFLX->model()->index(2, 2));  // grid row 3
    QTest::mouseClick(list.MFLX->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(picks.size(), 1);
    QCOMPARE(picks[0][0].toInt(), 3);
    QCOMPARE(context->SelectedSlot, 2);
    QVERIFY(context->RowPicked);
  }

  void languageItemsFollowTheStateAndRefillTheGrid() {
    StartupFolder folder(0);
    auto context = ContextFor(folder, *SampleTable(2));
    Form2 list(*context);
    list.ResetMflx();
    QVERIFY(list.M_GB->isChecked());
    QVERIFY(!list.M_BIG->isChecked());

    list.M_BIG->trigger();
    QVERIFY(!tavlor::IsSimplified());
    QVERIFY(!list.M_GB->isChecked());
    QVERIFY(list.M_BIG->isChecked());
    QCOMPARE(list.CellText(2, 1), QStringLiteral("織田信長"));  // through Big5
    QCOMPARE(list.CellText(1, 2), QStringLiteral(" 1"));

    list.M_BIG->trigger();  // choosing the checked item again keeps it checked
    QVERIFY(list.M_BIG->isChecked());
    list.M_GB->trigger();
    QVERIFY(tavlor::IsSimplified());
    QVERIFY(list.M_GB->isChecked());
    QCOMPARE(list.CellText(2, 1), QStringLiteral("织田信长"));
  }

  void reloadReadsTheFileAgainWithoutAsking() {
    StartupFolder folder(2);
    TestPrompter prompter;
    auto context = ContextFor(folder, tavlor::GeneralTable{});
    Form2 list(*context);
    list.Command2->click();
    QCOMPARE(list.FlexRows(), 3);
    context->SelectedSlot = 1;

    // Unsaved changes are dropped; the file's contents come back.
    context->Table.Slots[0].Appendix.AppearFlag = 0;
    folder.WriteTable(*SampleTable(4));
    list.Command2->click();
    QVERIFY(prompter.Messages().isEmpty());
    QCOMPARE(list.FlexRows(), 5);
    QCOMPARE(list.CellText(3, 1), QStringLiteral("出场"));
    QCOMPARE(context->SelectedSlot, 1);

    // An emptied file keeps the rows, empty.
    folder.WriteTable(*SampleTable(0));
    list.Command2->click();
    QCOMPARE(list.FlexRows(), 5);
    QCOMPARE(list.CellText(2, 1), QString());
    QCOMPARE(list.CellText(1, 0), QStringLiteral("编号"));
  }

  void reloadFailureKeepsTheTable() {
    StartupFolder folder(2);
    TestPrompter prompter;
    auto table = SampleTable(3);
    auto context = ContextFor(folder, *table);
    context->Paths.CustomizeFile = (folder.Program() / "missing folder" / "EDATA000.13S").string();
    Form2 list(*context);
    list.Command2->click();
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Error);
    QVERIFY(prompter.Messages()[0].Text.contains(QStringLiteral("missing folder")));
    QCOMPARE(context->Table, *table);
    QCOMPARE(list.FlexRows(), 4);
  }

  void saveAsksThenWritesAndReports() {
    StartupFolder folder(1);
    TestPrompter prompter;
    auto context = ContextFor(folder, *SampleTable(3));
    Form2 list(*context);
    const std::string before = ReadFileBytes(folder.EditDataFile());

    prompter.AnswerNext(false);
    list.Command1->click();
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Question);
    QCOMPARE(prompter.Messages()[0].Text, QStringLiteral("你确定要保存所有数据吗？"));
    QCOMPARE(prompter.Messages()[0].Title, QStringLiteral("保存数据"));
    QCOMPARE(ReadFileBytes(folder.EditDataFile()), before);

    prompter.Clear();
    prompter.AnswerNext(true);
    list.Command1->click();
    QCOMPARE(prompter.Messages().size(), 2);
    QCOMPARE(prompter.Messages()[1].What, TestPrompter::Kind::Information);
    QCOMPARE(prompter.Messages()[1].Text, QStringLiteral("写入完成！"));
    QCOMPARE(prompter.Messages()[1].Title, QStringLiteral("完成提示！"));
    QCOMPARE(ReadFileBytes(folder.EditDataFile()), tavlor::SerializeEditData(context->Table));
  }

  void saveFailureReportsAndKeepsTableAndFile() {
    StartupFolder folder(1);
    TestPrompter prompter;
    auto table = SampleTable(3);
    auto context = ContextFor(folder, *table);
    Form2 list(*context);
    const std::string before = ReadFileBytes(folder.EditDataFile());
    const int rows = list.FlexRows();

    // The temporary file cannot be created, as in a folder nobody may write into.
    {
      tavlor::testing::FaultyFileCalls calls;
      calls.FailAt(0, std::errc::permission_denied);
      tavlor::ScopedFileCalls use(calls);
      prompter.AnswerNext(true);
      list.Command1->click();
    }
    QCOMPARE(prompter.Messages().size(), 2);
    const auto& report = prompter.Messages()[1];
    QCOMPARE(report.What, TestPrompter::Kind::Error);
    QVERIFY2(report.Text.contains(QString::fromStdString(folder.Game().string())), qPrintable(report.Text));
    QVERIFY2(report.Text.contains(QStringLiteral("Permission denied")), qPrintable(report.Text));
    QVERIFY(!report.Text.contains(QStringLiteral("写入完成")));
    QCOMPARE(ReadFileBytes(folder.EditDataFile()), before);
    QCOMPARE(context->Table, *table);
    QCOMPARE(list.FlexRows(), rows);  // nothing in the window changed either
    QCOMPARE(list.CellText(2, 1), QStringLiteral("织田信长"));

    // A path whose folder is a file.
    prompter.Clear();
    context->Paths.CustomizeFile = (folder.EditDataFile() / "EDATA000.13S").string();
    prompter.AnswerNext(true);
    list.Command1->click();
    QCOMPARE(prompter.Messages().size(), 2);
    QCOMPARE(prompter.Messages()[1].What, TestPrompter::Kind::Error);
    QCOMPARE(ReadFileBytes(folder.EditDataFile()), before);

    // The last step, flushing the folder after the rename, fails: the file holds the new data and
    // the player is warned that it is not confirmed on the disk, not told that nothing was saved.
    prompter.Clear();
    context->Paths.CustomizeFile = folder.EditDataFile().string();
    {
      tavlor::testing::FaultyFileCalls reference;
      {  // the same save over a copy, to count its calls
        std::filesystem::copy_file(folder.EditDataFile(), folder.Game() / "copy.13S");
        tavlor::ScopedFileCalls use(reference);
        QVERIFY(!tavlor::SaveEditData(folder.Game() / "copy.13S", context->Table));
      }
      tavlor::testing::FaultyFileCalls calls;
      calls.FailAt(static_cast<int>(reference.Log().size()) - 1, std::errc::io_error);
      tavlor::ScopedFileCalls use(calls);
      prompter.AnswerNext(true);
      list.Command1->click();
    }
    QVERIFY(prompter.Messages().size() >= 2);
    QCOMPARE(prompter.Messages()[1].What, TestPrompter::Kind::Warning);
    QVERIFY2(!prompter.Messages()[1].Text.contains(QStringLiteral("原文件未被改动")),
             qPrintable(prompter.Messages()[1].Text));
    QCOMPARE(ReadFileBytes(folder.EditDataFile()), tavlor::SerializeEditData(*table));
  }

  void dockingFollowsTheEditorWhileAutoFollowIsChecked() {
    const tavlor::testing::RunningProgram program(
        tavlor::testing::RunningProgramOptions().WithGeneralCount(0).WithoutStartUp());
    tavlor::Form1& editor = *program.Editor;
    Form2& list = *program.List;
    editor.move(700, 100);
    editor.show();
    list.show();
    editor.SetDockedWindow(&list, list.CKAuto);
    QVERIFY(list.CKAuto->isChecked());

    editor.move(900, 150);
    QTRY_COMPARE_WITH_TIMEOUT(list.frameGeometry().right() + 1, 900, 150);
    QCOMPARE(list.y(), 150);

    list.CKAuto->setChecked(false);
    const QPoint parked = list.pos();
    editor.move(600, 40);
    QVERIFY(tavlor::testing::WaitForTimeouts(editor.Timer3, 2));  // the docking timer looked since
    QCOMPARE(list.pos(), parked);
  }

  void menusShowAboutAndEndTheProgram() {
    StartupFolder folder(0);
    TestPrompter prompter;
    auto context = ContextFor(folder, tavlor::GeneralTable{});
    Form2 list(*context);
    QCOMPARE(list.M_system->title(), QStringLiteral("系统"));
    QCOMPARE(list.M_Help->title(), QStringLiteral("帮助"));

    list.M_about->trigger();
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Information);
    // The name and version on the first line, then what the program edits.
    const QStringList about = prompter.Messages()[0].Text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(about.size(), 2);
    QCOMPARE(about[0], QStringLiteral("Tavlor V1.2"));
    QVERIFY(about[1].contains(QStringLiteral("登录武将")));
    QVERIFY(about[1].contains(QStringLiteral("EDATA000.13S")));
    QCOMPARE(prompter.Messages()[0].Title, QStringLiteral("帮助"));

    QSignalSpy exits(&list, &Form2::exitRequested);
    list.M_Exit->trigger();
    QCOMPARE(exits.size(), 1);
    list.show();
    list.close();
    QCOMPARE(exits.size(), 2);
    QCOMPARE(prompter.Messages().size(), 1);  // ending asks nothing and saves nothing
  }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
