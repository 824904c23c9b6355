// Names through the real windows on the shipped character tables: a switch of the interface
// language while a general is shown never changes what "change" and "save" write, typed text
// follows the switch, a character that cannot be stored is named before anything is written, and
// the name and reading boxes show their byte budgets.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/data/EditData.h"
#include "core/lang/LanguageState.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"

using tavlor::FieldBytes;
using tavlor::Form1;
using tavlor::GeneralTable;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;

namespace {

std::string Sjis(const QString& text) {
  return tavlor::ToSjis(text);
}

std::string Padded(std::string bytes, std::size_t width) {
  bytes.resize(width, '\0');
  return bytes;
}

// 佐々木 峠之介 (ささき とうげのすけ): 々 and 峠 are the characters an earlier switch lost.
std::unique_ptr<GeneralTable> NamesTable() {
  auto table = tavlor::testing::SampleTable(2);
  tavlor::GeneralRecord& record = table->Slots[0].Record;
  tavlor::StoreField(record.FamilyName, Sjis(QStringLiteral("佐々木")));
  tavlor::StoreField(record.GivenName, Sjis(QStringLiteral("峠之介")));
  tavlor::StoreField(record.FamilyReading, Sjis(QStringLiteral("ささき")));
  tavlor::StoreField(record.GivenReading, Sjis(QStringLiteral("とうげのすけ")));
  tavlor::StoreField(record.BioLine1, Sjis(QStringLiteral("峠の々")));
  return table;
}

constexpr const char* kTableFiles[] = {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT"};

// The windows of one run on a program folder holding the shipped character tables but
// `removedTables`, and the names table.
struct ShippedTablesProgram : tavlor::testing::RunningProgram {
  std::shared_ptr<const GeneralTable> Original;

  explicit ShippedTablesProgram(const std::vector<std::string>& removedTables = {},
                                std::shared_ptr<const GeneralTable> original = NamesTable())
      : RunningProgram(tavlor::testing::RunningProgramOptions()
                           .WithGeneralCount(2)
                           .WithTable(original)
                           .WithShippedFiles({std::begin(kTableFiles), std::end(kTableFiles)})
                           .WithPrepare([removedTables](const StartupFolder& folder) {
                             for (const std::string& name : removedTables)
                               std::filesystem::remove(folder.Program() / name);
                           })),
        Original(std::move(original)) {}

  void PressChange() const { tavlor::testing::Click(Editor->Pic_YN[0]); }
  void PressAdd() const { tavlor::testing::Click(Editor->Pic_YN[1]); }
  void SaveAll() const { QTest::mouseClick(List->Command1, Qt::LeftButton); }
};

bool ShipsTables() {
  for (const char* name : kTableFiles) {
    if (!std::filesystem::exists(tavlor::testing::ShippedFile(name))) return false;
  }
  return true;
}

}  // namespace

class TraditionalTextTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    if (!ShipsTables()) QSKIP("the shipped character tables are not in this checkout");
  }

  void switchWhileShownThenChangeAndSaveKeepsTheNames() {
    tavlor::testing::LanguageGuard language;
    TestPrompter prompter;
    ShippedTablesProgram program;
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));
    QCOMPARE(editor.tx_Name1[0]->text(), QStringLiteral("佐々木"));

    tavlor::SharedLanguageState().SetSimplified(false);
    QCOMPARE(editor.tx_Name1[0]->text(), QStringLiteral("佐々木"));
    QCOMPARE(editor.tx_Name1[1]->text(), QStringLiteral("峠之介"));
    QCOMPARE(editor.tx_DY[1]->text(), QStringLiteral("とうげのすけ"));

    prompter.AnswerNext(true);
    program.PressChange();
    prompter.AnswerNext(true);
    program.SaveAll();
    const auto saved = program.ReadBack();
    QVERIFY(saved);
    const tavlor::GeneralRecord& record = saved->Slots[0].Record;
    const tavlor::GeneralRecord& original = program.Original->Slots[0].Record;
    QCOMPARE(FieldBytes(record.FamilyName), FieldBytes(original.FamilyName));
    QCOMPARE(FieldBytes(record.GivenName), FieldBytes(original.GivenName));
    QCOMPARE(FieldBytes(record.FamilyReading), FieldBytes(original.FamilyReading));
    QCOMPARE(FieldBytes(record.GivenReading), FieldBytes(original.GivenReading));
    QCOMPARE(FieldBytes(record.BioLine1), FieldBytes(original.BioLine1));

    // Back to Simplified: the boxes show the stored names again, not a conversion of a conversion.
    tavlor::SharedLanguageState().SetSimplified(true);
    QCOMPARE(editor.tx_Name1[0]->text(), QStringLiteral("佐々木"));
    QCOMPARE(editor.tx_Name1[1]->text(), QStringLiteral("峠之介"));
  }

  void typedTextFollowsTheSwitchAndIsStoredInItsJapaneseForm() {
    tavlor::testing::LanguageGuard language;
    TestPrompter prompter;
    ShippedTablesProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));
    editor.tx_Name1[0]->setText(QStringLiteral("织田"));  // typed in Simplified, not yet written
    editor.tx_DY[0]->setText(QStringLiteral("한"));       // no code in either language
    tavlor::SharedLanguageState().SetSimplified(false);
    QCOMPARE(editor.tx_Name1[0]->text(), QStringLiteral("織田"));
    QCOMPARE(editor.tx_Name1[1]->text(), QStringLiteral("峠之介"));
    QCOMPARE(editor.tx_DY[0]->text(), QStringLiteral("한"));  // kept as typed, never turned into '?'
    QVERIFY(editor.ReadingBudget[0]->text().contains(QStringLiteral("한")));
    QVERIFY(editor.ReadingBudget[0]->property("overBudget").toBool());
    editor.tx_DY[0]->setText(QStringLiteral("ささき"));

    prompter.AnswerNext(true);
    program.PressChange();
    const tavlor::GeneralRecord& record = program.Context->Table.Slots[0].Record;
    QCOMPARE(FieldBytes(record.FamilyName), Padded(Sjis(QStringLiteral("織田")), 11));
    QCOMPARE(FieldBytes(record.GivenName), FieldBytes(program.Original->Slots[0].Record.GivenName));

    // 織田 typed in Traditional stores the same bytes.
    editor.tx_Name1[1]->setText(QStringLiteral("織田"));
    prompter.AnswerNext(true);
    program.PressChange();
    QCOMPARE(FieldBytes(record.GivenName), Padded(Sjis(QStringLiteral("織田")), 11));
  }

  void unstorableCharacterIsNamedBeforeAnythingIsAskedOrWritten() {
    TestPrompter prompter;
    ShippedTablesProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));
    const tavlor::GeneralEntry before = program.Context->Table.Slots[0];
    for (const QString& typed : {QStringLiteral("佐한"), QStringLiteral("佐A")}) {
      prompter.Clear();
      editor.tx_Name1[0]->setText(typed);
      program.PressChange();
      program.PressAdd();
      QCOMPARE(prompter.CountOf(TestPrompter::Kind::Question), 0);
      QCOMPARE(prompter.CountOf(TestPrompter::Kind::Warning), 2);
      QVERIFY2(prompter.Messages()[0].Text.contains(typed.right(1)), qPrintable(prompter.Messages()[0].Text));
      QVERIFY(program.Context->Table.Slots[0] == before);
      QCOMPARE(program.Context->Table.GeneralCount, 2);
      // The budget under the box names the character before any button is pressed.
      QVERIFY2(editor.NameBudget[0]->text().contains(typed.right(1)),
               qPrintable(editor.NameBudget[0]->text()));
      QVERIFY(editor.NameBudget[0]->property("overBudget").toBool());
      QVERIFY(editor.tx_Name1[0]->property("unstorable").toBool());
    }
    // A biography line is marked too, and the refusal names its line.
    editor.tx_Name1[0]->setText(QStringLiteral("佐々木"));
    QVERIFY(!editor.tx_Name1[0]->property("unstorable").toBool());
    editor.Tx_Lz[0]->setText(QStringLiteral("峠A"));
    QVERIFY(editor.Tx_Lz[0]->property("unstorable").toBool());
    QVERIFY(editor.Tx_Lz[0]->toolTip().contains(QStringLiteral("A")));
    prompter.Clear();
    program.PressChange();
    QCOMPARE(prompter.CountOf(TestPrompter::Kind::Question), 0);
    QVERIFY2(prompter.Messages()[0].Text.contains(QStringLiteral("列传第 1 行")),
             qPrintable(prompter.Texts().join("|")));
  }

  void budgetsCountShiftJisBytesAgainstTheWidth() {
    TestPrompter prompter;
    ShippedTablesProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));
    QCOMPARE(editor.NameBudget[0]->text(), QStringLiteral("6/11"));      // 佐々木 as stored
    QCOMPARE(editor.ReadingBudget[1]->text(), QStringLiteral("12/19"));  // とうげのすけ
    editor.tx_Name1[0]->setText(QStringLiteral("長宗我部元"));           // 10 bytes
    QCOMPARE(editor.NameBudget[0]->text(), QStringLiteral("10/11"));
    QVERIFY(!editor.NameBudget[0]->property("overBudget").toBool());
    editor.tx_Name1[0]->setText(QStringLiteral("長宗我部元親"));  // 12 bytes: one character too many
    QCOMPARE(editor.NameBudget[0]->text(), QStringLiteral("12/11"));
    QVERIFY(editor.NameBudget[0]->property("overBudget").toBool());
  }

  void missingTableFilesAreNamedOnceAtStartup_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("typingRefused");
    QTest::newRow("GBKN.dat") << QStringLiteral("GBKN.dat") << false;
    QTest::newRow("JISN.dat") << QStringLiteral("JISN.dat") << true;
    QTest::newRow("GB.DAT") << QStringLiteral("GB.DAT") << false;
    QTest::newRow("BIG5.DAT") << QStringLiteral("BIG5.DAT") << false;
  }

  void missingTableFilesAreNamedOnceAtStartup() {
    QFETCH(QString, file);
    QFETCH(bool, typingRefused);
    tavlor::testing::LanguageGuard language;
    TestPrompter prompter;
    ShippedTablesProgram program({file.toStdString()});
    QCOMPARE(prompter.CountOf(TestPrompter::Kind::Warning), 1);
    QVERIFY2(prompter.Messages()[0].Text.contains(file), qPrintable(prompter.Messages()[0].Text));
    prompter.Clear();

    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));
    // The remaining tables still show the names (through JISN.dat read backwards without GBKN.dat).
    QCOMPARE(editor.tx_Name1[0]->text(), QStringLiteral("佐々木"));
    // In Traditional the names still show (as Simplified text without GB.DAT or BIG5.DAT).
    tavlor::SharedLanguageState().SetSimplified(false);
    QCOMPARE(editor.tx_Name1[1]->text(), QStringLiteral("峠之介"));

    // Untouched names are written back as they were, whatever table is missing.
    prompter.AnswerNext(true);
    program.PressChange();
    QVERIFY(program.Context->Table.Slots[0].Record.FamilyName ==
            program.Original->Slots[0].Record.FamilyName);

    // A typed name needs JISN.dat: without it the write is refused with a message naming the file.
    prompter.Clear();
    editor.tx_Name1[0]->setText(QStringLiteral("織田"));
    prompter.AnswerNext(true);
    program.PressChange();
    const bool stored = FieldBytes(program.Context->Table.Slots[0].Record.FamilyName) ==
                        Padded(Sjis(QStringLiteral("織田")), 11);
    QCOMPARE(stored, !typingRefused);
    if (typingRefused) {
      QCOMPARE(prompter.CountOf(TestPrompter::Kind::Question), 0);
      QVERIFY2(prompter.Messages().size() == 1 && prompter.Messages()[0].Text.contains(file),
               qPrintable(prompter.Texts().join(" | ")));
    }
  }
};

QTEST_MAIN(TraditionalTextTest)
#include "TraditionalTextTest.moc"
