// The list window's search box and appear filter: rows are hidden, the table and the pick stay.
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/Form2.h"

using tavlor::Form2;
using tavlor::ProgramContext;
using tavlor::testing::SampleTable;
using tavlor::testing::StartupFolder;

namespace {

// Table rows (slot numbers) the grid shows.
QList<int> ShownSlots(const Form2& list) {
  QList<int> shown;
  for (int row = 0; row < list.MFLX->rowCount(); ++row)
    if (!list.MFLX->isRowHidden(row)) shown.append(row);
  return shown;
}

}  // namespace

class ListFilterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { tavlor::SharedTextTables() = *tavlor::testing::SmallTextTables(); }

  void typingAndTheAppearFilterHideRowsButKeepTheTableAndThePick() {
    StartupFolder folder(0);
    auto table = SampleTable(3);
    table->Slots[1].Appendix.AppearFlag = 2;  // 伊达政宗 stands by
    ProgramContext context;
    context.ProgramFolder = folder.Program();
    context.Paths.CustomizeFile = folder.EditDataFile().string();
    context.Table = *table;
    Form2 list(context);
    list.ResetMflx();
    list.SelectGridRow(1);
    const int pickedRow = list.MFLX->currentRow();
    QCOMPARE(ShownSlots(list), (QList<int>{0, 1, 2}));

    list.TxtFind->setText(QStringLiteral("伊达"));
    QCOMPARE(ShownSlots(list), (QList<int>{1}));
    QCOMPARE(list.MFLX->currentRow(), pickedRow);
    QCOMPARE(list.CellText(2, 2), QStringLiteral("伊达政宗"));  // the rows keep their slots

    list.TxtFind->setText(QStringLiteral("2"));  // a slot number
    QCOMPARE(ShownSlots(list), (QList<int>{2}));
    list.TxtFind->setText(QStringLiteral("无此人"));
    QCOMPARE(ShownSlots(list), QList<int>{});

    list.TxtFind->clear();
    list.CmbAppear->setCurrentIndex(2);  // 待机
    QCOMPARE(ShownSlots(list), (QList<int>{1}));
    list.CmbAppear->setCurrentIndex(1);  // 出场
    QCOMPARE(ShownSlots(list), (QList<int>{0, 2}));
    list.TxtFind->setText(QStringLiteral("伊达"));  // both at once: none left
    QCOMPARE(ShownSlots(list), QList<int>{});

    // A refill (after an edit or a language switch) keeps the filter in force.
    list.CmbAppear->setCurrentIndex(0);
    list.ResetMflx();
    QCOMPARE(ShownSlots(list), (QList<int>{1}));
    QCOMPARE(list.CmbAppear->itemText(2), QStringLiteral("待机"));
    QCOMPARE(context.Table.GeneralCount, 3);
  }
};

QTEST_MAIN(ListFilterTest)
#include "ListFilterTest.moc"
