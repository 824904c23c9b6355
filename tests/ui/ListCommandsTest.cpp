// The list window's commands over many generals, through the real windows: sorting by a heading,
// selecting several rows, 出场/待机, delete, move, merge and the spreadsheet, each undone whole.
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include "core/data/EditData.h"
#include "core/lang/LanguageState.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;
using Kind = tavlor::testing::TestPrompter::Kind;

namespace {

constexpr const char* kTableFiles[] = {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT"};

// The windows of one run on a game holding `count` sample generals (slot 0 and the even slots
// appear, the odd ones, all named 伊达政宗, stand by).
struct ListProgram : tavlor::testing::RunningProgram {
  TestPrompter& Prompts = Prompter();  // cleared after start-up

  // `shippedTables`: the program folder gets the shipped character tables (for real Traditional
  // text) in place of the small ones.
  explicit ListProgram(int count, bool shippedTables = false)
      : RunningProgram(tavlor::testing::RunningProgramOptions()
                           .WithGeneralCount(count)
                           .WithOwnPrompter()
                           .WithShippedFiles(shippedTables ? std::vector<std::string>(std::begin(kTableFiles),
                                                                                      std::end(kTableFiles))
                                                           : std::vector<std::string>())) {
    Prompts.Clear();
  }

  void ClickHeading(int column) const {
    QHeaderView* header = List->MFLX->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
  }
  QList<int> ShownSlots() const {
    QList<int> shown;
    for (int row = 1; row <= List->MFLX->rowCount(); ++row)
      if (!List->MFLX->isRowHidden(row - 1)) shown.append(List->SlotOfRow(row));
    return shown;
  }
  std::string TableBytes() const { return tavlor::SerializeEditData(Context->Table); }
  int Flag(int slot) const {
    return Context->Table.Slots[static_cast<std::size_t>(slot)].Appendix.AppearFlag;
  }
};

bool ShipsTables() {
  for (const char* name : kTableFiles)
    if (!std::filesystem::exists(tavlor::testing::ShippedFile(name))) return false;
  return true;
}

}  // namespace

class ListCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void headingsSortTheRowsOnlyAndAPickFollowsTheShownSlot() {
    ListProgram program(5);
    const std::string before = program.TableBytes();
    QCOMPARE(program.ShownSlots(), (QList<int>{0, 1, 2, 3, 4}));

    program.ClickHeading(1);  // already by number: the other way
    QCOMPARE(program.ShownSlots(), (QList<int>{4, 3, 2, 1, 0}));
    QCOMPARE(program.List->CellText(1, 1), QStringLiteral(" 4"));
    QVERIFY(program.PickRow(2));
    QCOMPARE(program.Context->SelectedSlot, 3);
    QCOMPARE(program.Editor->tx_Name1[0]->text(), QStringLiteral("伊达"));

    program.ClickHeading(3);  // appearing first, each group in slot order
    QCOMPARE(program.ShownSlots(), (QList<int>{0, 2, 4, 1, 3}));
    QCOMPARE(program.List->CellText(3, 4), QStringLiteral("待机"));
    QCOMPARE(program.List->SelectedSlots(), std::vector<int>{3});  // the pick stayed on its general
    program.ClickHeading(3);
    QCOMPARE(program.ShownSlots(), (QList<int>{1, 3, 0, 2, 4}));

    program.List->TxtFind->setText(QStringLiteral("伊达"));  // filtering a sorted grid
    QCOMPARE(program.ShownSlots(), (QList<int>{1, 3}));
    QVERIFY(program.TableBytes() == before);
    QCOMPARE(program.Context->History.CanUndo(), false);
  }

  void appearAndStandbyForTheSelectionKeepOtherStandbyValues() {
    ListProgram program(4);
    program.Context->Table.Slots[3].Appendix.AppearFlag = 2;
    QVERIFY(program.PickRow(1));
    QVERIFY(program.PickRow(2, Qt::ControlModifier));
    QVERIFY(program.PickRow(4, Qt::ControlModifier));
    QCOMPARE(program.List->SelectedSlots(), (std::vector<int>{0, 1, 3}));
    QCOMPARE(program.Context->SelectedSlot, 3);  // the last clicked is shown

    program.List->M_Standby->trigger();
    QCOMPARE(program.Flag(0), 0);
    QCOMPARE(program.Flag(1), 0);
    QCOMPARE(program.Flag(3), 2);
    QCOMPARE(program.List->CellText(3, 1), QStringLiteral("待机"));

    program.List->M_Appear->trigger();
    QCOMPARE(program.Flag(0), 1);
    QCOMPARE(program.Flag(1), 1);
    QCOMPARE(program.Flag(3), 1);
    QCOMPARE(program.Flag(2), 1);

    program.List->M_Undo->trigger();
    QCOMPARE(program.Flag(3), 2);
    QCOMPARE(program.Flag(0), 0);
    program.List->M_Undo->trigger();
    QCOMPARE(program.Flag(0), 1);
    QCOMPARE(program.Flag(1), 0);
  }

  void deleteNamesTenThenCountsTheRestAndOneUndoRestoresEveryByte() {
    ListProgram program(12);
    const std::string before = program.TableBytes();
    program.List->M_Delete->trigger();  // nothing selected
    QCOMPARE(program.Prompts.CountOf(Kind::Warning), 1);
    QCOMPARE(program.Prompts.Messages().last().Text, QStringLiteral("请先在列表中选择武将。"));

    program.List->MFLX->selectAll();
    program.List->M_Delete->trigger();  // answered No
    const QString question = program.Prompts.Messages().last().Text;
    QCOMPARE(question.split(QLatin1Char('\n')).size(), 12);  // the question, ten names, the rest
    QVERIFY2(question.contains(QStringLiteral("\n1  伊达政宗")), qPrintable(question));
    QVERIFY(question.endsWith(QStringLiteral("\n……另有 2 名")));
    QVERIFY(program.TableBytes() == before);

    // The Delete key asks from the grid; in the search box it only deletes a character.
    program.List->show();
    program.List->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.List.get()));
    const int asked = program.Prompts.CountOf(Kind::Question);
    program.List->TxtFind->setFocus();
    program.List->TxtFind->setText(QStringLiteral("12"));
    program.List->TxtFind->home(false);
    QTest::keyClick(program.List->TxtFind, Qt::Key_Delete);
    QCOMPARE(program.List->TxtFind->text(), QStringLiteral("2"));
    QCOMPARE(program.Prompts.CountOf(Kind::Question), asked);
    program.List->TxtFind->clear();
    program.List->MFLX->setFocus();
    QTest::keyClick(program.List->MFLX, Qt::Key_Delete);
    QCOMPARE(program.Prompts.CountOf(Kind::Question), asked + 1);

    QVERIFY(program.PickRow(4));                       // slot 3
    QVERIFY(program.PickRow(2, Qt::ControlModifier));  // slot 1, shown
    program.Prompts.AnswerNext(true);
    program.List->M_Delete->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 10);
    QCOMPARE(program.List->FlexRows(), 11);
    QCOMPARE(program.List->CellText(1, 10), QStringLiteral(" 9"));
    // Slot 1 went: the general that moved up into it (slot 2 before) is the picked one now.
    QCOMPARE(program.Context->SelectedSlot, 1);
    QVERIFY(program.Context->RowPicked);
    QCOMPARE(program.List->SelectedSlots(), std::vector<int>{1});
    QCOMPARE(program.List->CellText(3, 2), QStringLiteral("出场"));

    program.List->M_Undo->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 12);
    QVERIFY(program.TableBytes() == before);
    program.List->M_Redo->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 10);
  }

  void moveDownTakesThePickedGeneralAlongAndUndoes() {
    ListProgram program(3);
    const std::string before = program.TableBytes();
    const tavlor::GeneralEntry first = program.Context->Table.Slots[0];
    QVERIFY(program.PickRow(1));
    program.List->M_MoveDown->trigger();
    QVERIFY(program.Context->Table.Slots[1] == first);
    QCOMPARE(program.Context->SelectedSlot, 1);
    QCOMPARE(program.List->SelectedSlots(), std::vector<int>{1});
    QCOMPARE(program.List->CellText(3, 1), QStringLiteral("待机"));  // 伊达政宗 came up
    program.List->M_MoveUp->trigger();
    program.List->M_MoveUp->trigger();  // at the top already: no step
    QVERIFY(program.TableBytes() == before);
    program.List->M_Undo->trigger();
    program.List->M_Undo->trigger();
    QVERIFY(program.TableBytes() == before);
    QVERIFY(!program.Context->History.CanUndo());
  }

  void mergeAddsAnotherFilesGeneralsAndRefusesAForeignFile() {
    ListProgram program(3);
    StartupFolder other(2);
    program.Prompts.ChooseNextFile(QString::fromStdString(other.EditDataFile().string()));
    program.List->M_Merge->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 5);
    QCOMPARE(program.List->CellText(1, 5), QStringLiteral(" 4"));
    QCOMPARE(program.List->SelectedSlots(), (std::vector<int>{3, 4}));
    QCOMPARE(program.Prompts.Messages().last().Text, QStringLiteral("已加入 2 名武将。"));

    const std::filesystem::path foreign = other.Game() / "picture.png";
    tavlor::testing::WriteFileBytes(foreign, std::string(600, 'x'));
    program.Prompts.ChooseNextFile(QString::fromStdString(foreign.string()));
    program.List->M_Merge->trigger();
    QCOMPARE(program.Prompts.Messages().last().What, Kind::Warning);
    QVERIFY(program.Prompts.Messages().last().Text.startsWith(QStringLiteral("不是武将数据文件")));
    QCOMPARE(program.Context->Table.GeneralCount, 5);

    program.Prompts.ChooseNextFile(QString::fromStdString((other.Game() / "missing.13S").string()));
    program.List->M_Merge->trigger();
    QCOMPARE(program.Prompts.Messages().last().What, Kind::Error);
    QVERIFY(!std::filesystem::exists(other.Game() / "missing.13S"));  // not made by the attempt

    program.List->M_Undo->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 3);
  }

  void aMergeThatDoesNotFitAllSaysHowManyFitAndAddsThoseOnlyWhenAsked() {
    ListProgram program(998);
    StartupFolder other(3);
    const QString file = QString::fromStdString(other.EditDataFile().string());
    program.Prompts.ChooseNextFile(file);
    program.List->M_Merge->trigger();  // answered No
    QCOMPARE(program.Prompts.Messages().last().Text,
             QStringLiteral("文件中有 3 名武将，只能再加入 2 名。要加入这 2 名吗？"));
    QCOMPARE(program.Context->Table.GeneralCount, 998);

    program.Prompts.ChooseNextFile(file);
    program.Prompts.AnswerNext(true);
    program.List->M_Merge->trigger();
    QCOMPARE(program.Context->Table.GeneralCount, 1000);
    QCOMPARE(program.List->CellText(1, 1000), QStringLiteral(" 999"));

    program.Prompts.ChooseNextFile(file);
    program.List->M_Merge->trigger();  // full: told so, nothing asked
    QCOMPARE(program.Prompts.Messages().last().What, Kind::Warning);
    QCOMPARE(program.Context->Table.GeneralCount, 1000);
  }

  void aSheetComesBackUnchangedAndABadOneNamesItsLineAndChangesNothing() {
    ListProgram program(3);
    const std::string before = program.TableBytes();
    const QString sheet = QString::fromStdString((program.Folder().Game() / "generals.csv").string());
    program.Prompts.ChooseNextFile(sheet);
    program.List->M_SheetExport->trigger();
    QCOMPARE(program.Prompts.Messages().last().What, Kind::Information);
    program.Prompts.ChooseNextFile(sheet);
    program.List->M_SheetImport->trigger();
    QCOMPARE(program.Prompts.Messages().last().Text, QStringLiteral("已修改 0 名武将，新增 0 名。"));
    QVERIFY(program.TableBytes() == before);

    QFile file(sheet);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    const qsizetype secondRow = text.indexOf("\r\n1,") + 2;  // slot 1's row is line 3
    QVERIFY(secondRow > 2);
    text.insert(secondRow, "\"");  // an unclosed quote in line 3
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    program.Prompts.ChooseNextFile(sheet);
    program.List->M_SheetImport->trigger();
    const QString refusal = program.Prompts.Messages().last().Text;
    QCOMPARE(program.Prompts.Messages().last().What, Kind::Warning);
    QVERIFY2(refusal.contains(QStringLiteral("第 3 行")), qPrintable(refusal));
    QVERIFY(refusal.endsWith(QStringLiteral("未导入任何内容。")));
    QVERIFY(program.TableBytes() == before);
    QVERIFY(!program.Context->History.CanUndo());
  }

  void refusalsOfASheetOrAMergeSayWhyInChineseInTheLanguageInForce() {
    tavlor::testing::LanguageGuard guard;
    const bool traditional = ShipsTables();
    ListProgram program(3, traditional);
    const std::string before = program.TableBytes();
    const std::filesystem::path sheet = program.Folder().Game() / "refused.csv";
    const auto import = [&](const std::string& text) {
      tavlor::testing::WriteFileBytes(sheet, text);
      program.Prompts.ChooseNextFile(QString::fromStdString(sheet.string()));
      program.List->M_SheetImport->trigger();
      const QString shown = program.Prompts.Messages().last().Text;
      // The file, where the sheet went wrong, why, and that nothing came in.
      return shown.section(QLatin1Char('\n'), 1);
    };
    QCOMPARE(import("Slot,Leadership\n0,121\n"),
             QStringLiteral("第 2 行，列 Leadership\n必须是 1 到 120\n未导入任何内容。"));
    QCOMPARE(import("Slot,FatherNo\n0,5\n1,20000\n"),
             QStringLiteral("第 3 行，列 FatherNo\n必须是 -1、0 到 2305，或在用武将的编号 10000 到 10002\n"
                            "未导入任何内容。"));
    QCOMPARE(import("Slot,Status\n2,5\n"),
             QStringLiteral("第 2 行，列 Status\n必须是 7（家臣）或 3（浪人）\n未导入任何内容。"));
    QCOMPARE(import("Slot\n4\n"),
             QStringLiteral("列 Slot\n缺少编号 3：新武将必须紧接在最后一名武将之后\n未导入任何内容。"));
    QCOMPARE(import("Slot,Nickname\n0,x\n"),
             QStringLiteral("第 1 行，列 Nickname\n没有这一列\n未导入任何内容。"));
    QCOMPARE(import(""), QStringLiteral("表格是空的，没有标题行\n未导入任何内容。"));
    QVERIFY(program.TableBytes() == before);
    QVERIFY(!program.Context->History.CanUndo());

    program.Prompts.ChooseNextFile(
        QString::fromStdString((program.Folder().Game() / "missing.13S").string()));
    program.List->M_Merge->trigger();
    QCOMPARE(program.Prompts.Messages().last().What, Kind::Error);
    QVERIFY(program.Prompts.Messages().last().Text.endsWith(QStringLiteral("\n找不到这个文件。")));

    if (!traditional) QSKIP("the shipped character tables are not in this checkout: Traditional not checked");
    program.List->M_BIG->trigger();
    QCOMPARE(import("Slot,Leadership\n0,12a\n"),
             QStringLiteral("第 2 行，列 Leadership\n不是整数\n未導入任何內容。"));
    QCOMPARE(import("Slot,Status\n2,5\n"),
             QStringLiteral("第 2 行，列 Status\n必須是 7（家臣）或 3（浪人）\n未導入任何內容。"));
  }

  void theMenuSpeaksTraditionalAfterASwitch() {
    if (!ShipsTables()) QSKIP("the shipped character tables are not in this checkout");
    tavlor::testing::LanguageGuard guard;
    ListProgram program(2, true);
    QCOMPARE(program.List->M_Delete->text(), QStringLiteral("删除武将"));
    program.List->M_BIG->trigger();
    // The tables' own forms, Japanese where Japanese has one (択), as in the other menus.
    QCOMPARE(program.List->M_Delete->text(), QStringLiteral("刪除武将"));
    QCOMPARE(program.List->M_SheetExport->text(), QStringLiteral("導出表格…"));
    program.List->M_Delete->trigger();
    QCOMPARE(program.Prompts.Messages().last().Text, QStringLiteral("請先在列表中選択武将。"));
    program.List->M_GB->trigger();
    QCOMPARE(program.List->M_Delete->text(), QStringLiteral("删除武将"));
  }
};

QTEST_MAIN(ListCommandsTest)
#include "ListCommandsTest.moc"
