// The language switch through the real windows, on the shipped tables: every text it writes comes
// back exactly after Traditional and back, the city icons' names change while ListCity keeps its
// GBK, the item already checked writes nothing, and windows not yet opened are prepared hidden.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "core/lang/InterfaceTexts.h"
#include "core/lang/LanguageState.h"
#include "core/text/PlainTextRules.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/PictureBox.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/pickers/Form4.h"
#include "ui/pickers/Form6.h"
#include "ui/pickers/PickerActions.h"
#include "ui/portraits/Form_CGBR.h"
#include "ui/portraits/PortraitBrowsing.h"

using tavlor::Form1;
using tavlor::Form2;
using tavlor::Form4;
using tavlor::Form6;
using tavlor::Form_CGBR;
using tavlor::PickerActions;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;

namespace {

// One run of the program on the shipped tables and built-in list, with three registered generals
// (织田信长, 伊达政宗, 太郎之助).
struct SwitchProgram : tavlor::testing::RunningProgram {
  PickerActions* Pickers = nullptr;

  SwitchProgram()
      : RunningProgram(tavlor::testing::RunningProgramOptions().WithOwnPrompter().WithShippedFiles(
            {"GBKN.dat", "JISN.dat", "GB.DAT", "BIG5.DAT", "BuiltinGenerals.tsv"})) {
    Pickers = Editor->findChild<PickerActions*>();
  }

  Form_CGBR* Browser() const { return Editor->findChild<Form_CGBR*>(); }

  // Every text a switch writes, in the order it writes them (the windows must exist).
  QStringList SwitchedTexts() const {
    QStringList texts;
    const Form_CGBR* browser = Browser();
    for (const QPushButton* page : browser->Cmd_CGPG) texts << page->text();
    for (int row = 0; row < browser->Com_CG->count(); ++row) texts << browser->Com_CG->itemText(row);
    texts << List->M_system->title() << List->M_Exit->text() << List->M_MSG->title() << List->M_Help->title()
          << List->M_MkWJ->text() << List->M_about->text();
    for (int i = 0; i < Editor->COB_ZF->count(); ++i) texts << Editor->COB_ZF->itemText(i);
    texts << ListRows(Pickers->RelatedGeneralPicker(), 0);
    for (int column = 0; column < 4; ++column) {
      texts << List->CellText(column, 0) << QString::number(List->MFLX->columnWidth(column))
            << QString::number(List->CellColour(column, 0), 16);
    }
    texts << List->Command1->text() << List->Command2->text() << List->CKAuto->text();
    for (const tavlor::PictureBox* icon : Pickers->CityPicker()->Pic_ico) texts << icon->toolTip();
    return texts;
  }

  static QStringList ListRows(const Form6* picker, int element) {
    QStringList rows;
    const QAbstractItemModel* model = picker->List1[static_cast<std::size_t>(element)]->model();
    const int column = picker->List1[static_cast<std::size_t>(element)]->modelColumn();
    for (int row = 0; row < model->rowCount(); ++row) rows << model->index(row, column).data().toString();
    return rows;
  }
};

// `texts` with the four texts a switch writes differently from the windows' first texts (the
// menus' spacing and wording, the events category) as the switch writes them in Simplified.
QStringList WithTheSwitchsOwnTexts(QStringList texts) {
  const QList<std::pair<QString, QString>> differences = {
      {QStringLiteral("ィべソト"), QStringLiteral("ィべント")},
      {QStringLiteral("退   出"), QStringLiteral("退    出")},
      {QStringLiteral("如何建新武将"), QStringLiteral("如何建立新武将")},
      {QStringLiteral("关  于"), QStringLiteral("关    于")}};
  for (const auto& [first, switched] : differences) {
    const auto index = texts.indexOf(first);
    if (index < 0) return {};
    texts[index] = switched;
  }
  return texts;
}

}  // namespace

class LanguageSwitchTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { tavlor::SharedLanguageState().SetSimplified(true); }

  void traditionalAndBackRestoresEveryTextExactly() {
    SwitchProgram program;
    // The windows a switch rewrites, made before it (hidden): they rewrite themselves.
    tavlor::EnsurePortraitBrowser(*program.Context, *program.Editor);
    program.Pickers->EnsureRelatedGeneralPicker();
    program.Pickers->EnsureCityPicker();
    const QStringList before = program.SwitchedTexts();

    program.List->M_BIG->trigger();
    QVERIFY(!tavlor::IsSimplified());
    QVERIFY(program.List->M_BIG->isChecked());
    QVERIFY(!program.List->M_GB->isChecked());
    const QStringList traditional = program.SwitchedTexts();
    QCOMPARE(traditional.size(), before.size());
    // The menus and buttons in Traditional characters (the switch's own menu texts; where Japanese
    // has a form of its own the tables keep it, as in 関 and 読).
    for (const char* text : {"系統", "退    出", "語言", "幫助", "関    于", "重新読取", "自動跟随"}) {
      QVERIFY2(traditional.contains(QString::fromUtf8(text)), text);
    }
    QVERIFY(traditional.contains(QStringLiteral("如何建立新武将")));
    QCOMPARE(program.Editor->COB_ZF->itemText(0), QStringLiteral("槍衾之一"));
    QCOMPARE(program.Editor->COB_ZF_BAK->itemText(0), QStringLiteral("枪衾之一"));  // the copy stays
    const Form6* picker = program.Pickers->RelatedGeneralPicker();
    const QStringList names = SwitchProgram::ListRows(picker, 0);
    const QStringList simplifiedNames = SwitchProgram::ListRows(picker, 6);
    QCOMPARE(names.size(), simplifiedNames.size());
    QVERIFY(names.size() > 2307);
    QCOMPARE(names[2307], QStringLiteral("織田信長"));  // the first registered general
    QCOMPARE(simplifiedNames[2307], QStringLiteral("织田信长"));
    QCOMPARE(program.List->CellText(2, 1), QStringLiteral("織田信長"));
    QCOMPARE(program.List->CellText(1, 1), QStringLiteral(" 0"));

    program.List->M_GB->trigger();
    QVERIFY(tavlor::IsSimplified());
    QVERIFY(program.List->M_GB->isChecked());
    QVERIFY(!program.List->M_BIG->isChecked());
    // Back in Simplified every text is the Simplified original again; only the texts the switch
    // writes differently from the windows' first texts differ from before.
    const QStringList expected = WithTheSwitchsOwnTexts(before);
    QVERIFY(!expected.isEmpty());
    const QStringList after = program.SwitchedTexts();
    QCOMPARE(after, expected);
    QCOMPARE(SwitchProgram::ListRows(picker, 0), simplifiedNames);

    // Again and back: the Traditional texts do not drift either.
    program.List->M_BIG->trigger();
    QCOMPARE(program.SwitchedTexts(), traditional);
    program.List->M_GB->trigger();
    QCOMPARE(program.SwitchedTexts(), expected);
  }

  void withoutTheGbBig5TablesOnlyTheMarksAndTheSwitchsOwnTextsChange() {
    TestPrompter prompter;
    const tavlor::testing::RunningProgram program(tavlor::testing::RunningProgramOptions().WithPrepare(
        [](const StartupFolder& folder) { std::filesystem::remove(folder.Program() / "GB.DAT"); }));
    Form1& editor = *program.Editor;
    Form2& list = *program.List;
    tavlor::EditorValues values = editor.CollectValues();
    values.LinkNames[0] = tavlor::ToGbk(QStringLiteral("织田信长"));
    editor.ApplyValues(values);
    const QStringList grid{list.CellText(2, 1), list.CellText(3, 1), list.CellText(1, 0)};
    const QString tactic = editor.COB_ZF->itemText(0);

    list.M_BIG->trigger();
    QVERIFY(list.M_BIG->isChecked());
    QVERIFY(!tavlor::IsSimplified());
    QCOMPARE(list.M_system->title(), QStringLiteral("系统"));
    QCOMPARE(list.M_Exit->text(), QStringLiteral("退    出"));
    QCOMPARE((QStringList{list.CellText(2, 1), list.CellText(3, 1), list.CellText(1, 0)}), grid);
    QCOMPARE(editor.COB_ZF->itemText(0), tactic);
    QCOMPARE(editor.LB_XXWJ[0]->text(), QStringLiteral("织田信长"));  // not misread as Big5
    QCOMPARE(editor.lb_CityName->text(), QStringLiteral("室町御所"));
  }

  void cityIconsShowConvertedNamesWhileListCityKeepsItsGbk() {
    SwitchProgram program;
    const std::string gbkBefore(tavlor::CityNameOf(27));
    program.List->M_BIG->trigger();
    const Form4* cities = program.Pickers->CityPicker();
    QVERIFY(cities != nullptr);
    QCOMPARE(cities->Pic_ico[27]->toolTip(), QStringLiteral("駿府館"));
    QCOMPARE(cities->Pic_ico[18]->toolTip(), QStringLiteral("躑躅ケ崎館"));
    QCOMPARE(cities->Pic_ico[36]->toolTip(), QStringLiteral("室町御所"));
    // The city list itself still holds the Simplified GBK the tooltips are made from.
    QCOMPARE(std::string(tavlor::CityNameOf(27)), gbkBefore);
    QCOMPARE(tavlor::FromGbk(tavlor::CityNameOf(27)), QStringLiteral("骏府馆"));
    QCOMPARE(std::string(tavlor::texts::ListCity[27]), gbkBefore);
    // The editor's home-city label follows the language it is shown in.
    QCOMPARE(program.Editor->lb_CityName->text(), QStringLiteral("室町御所"));
    program.Context->State.CurCity = 27;
    program.List->M_GB->trigger();
    program.List->M_BIG->trigger();
    QCOMPARE(cities->Pic_ico[27]->toolTip(), QStringLiteral("駿府館"));
    program.List->M_GB->trigger();
    QCOMPARE(cities->Pic_ico[27]->toolTip(), QStringLiteral("骏府馆"));
  }

  void choosingTheCheckedItemWritesNothing() {
    SwitchProgram program;
    // Marks on texts the switch would write: they stay when the checked item is chosen.
    program.List->M_Exit->setText(QStringLiteral("mark"));
    program.Editor->COB_ZF->setItemText(0, QStringLiteral("mark"));
    program.List->WriteCell(2, 1, 1400, QStringLiteral("mark"), -1);
    program.List->M_GB->trigger();
    QVERIFY(program.List->M_GB->isChecked());  // Qt unchecks it on the trigger; it stays checked
    QVERIFY(!program.List->M_BIG->isChecked());
    QCOMPARE(program.List->M_Exit->text(), QStringLiteral("mark"));
    QCOMPARE(program.Editor->COB_ZF->itemText(0), QStringLiteral("mark"));
    QCOMPARE(program.List->CellText(2, 1), QStringLiteral("mark"));
    // Nothing was prepared either.
    QVERIFY(program.Browser() == nullptr);
    QVERIFY(program.Pickers->RelatedGeneralPicker() == nullptr);
    QVERIFY(program.Pickers->CityPicker() == nullptr);

    program.List->M_BIG->trigger();
    program.List->M_Exit->setText(QStringLiteral("mark"));
    program.List->M_BIG->trigger();
    QVERIFY(program.List->M_BIG->isChecked());
    QVERIFY(!program.List->M_GB->isChecked());
    QVERIFY(!tavlor::IsSimplified());
    QCOMPARE(program.List->M_Exit->text(), QStringLiteral("mark"));
  }

  void windowsNotYetOpenedArePreparedHiddenAndOpenLater() {
    SwitchProgram program;
    QVERIFY(program.Browser() == nullptr);
    program.List->M_BIG->trigger();

    Form_CGBR* browser = program.Browser();
    QVERIFY(browser != nullptr);
    QVERIFY(!browser->isVisible());
    QCOMPARE(browser->Com_CG->itemText(7), QStringLiteral("ィべント"));
    QCOMPARE(browser->Cmd_CGPG[0]->text(), QStringLiteral("①"));
    QCOMPARE(browser->Com_CG->itemText(8), QStringLiteral("諸勢力"));
    // A hidden browser reads no archive: nothing was said about the missing medium faces.
    QVERIFY(program.Prompter().Messages().isEmpty());
    Form6* links = program.Pickers->RelatedGeneralPicker();
    QVERIFY(links != nullptr);
    QVERIFY(!links->isVisible());
    QCOMPARE(SwitchProgram::ListRows(links, 0)[2308], QStringLiteral("伊達政宗"));
    Form4* cities = program.Pickers->CityPicker();
    QVERIFY(cities != nullptr);
    QVERIFY(!cities->isVisible());
    QVERIFY(cities->Timer1 != nullptr && !cities->Timer1->isActive());  // no pointer to follow yet
    QVERIFY(program.Editor->isEnabled());  // a prepared picker does not take the editor over

    // Their buttons open the prepared windows, placed over the editor.
    program.Editor->show();
    tavlor::testing::Click(program.Editor->Pic_Chang_LL[7]);
    QCOMPARE(program.Pickers->CityPicker(), cities);
    QVERIFY(cities->isVisible());
    QVERIFY(!program.Editor->isEnabled());
    QVERIFY(cities->Timer1->isActive());
    cities->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(program.Editor->isEnabled());
    QVERIFY(tavlor::ShowPortraitBrowser(*program.Context, *program.Editor) == browser);
    QVERIFY(browser->isVisible());
    // Its first page is read now (the test game has no medium faces to read, and says so).
    QCOMPARE(program.Prompter().Messages().size(), 1);
    QVERIFY(browser->geometry().intersects(program.Editor->geometry()));
  }

  void editorLabelsFollowTheSwitchFromWhatTheyShowed() {
    SwitchProgram program;
    Form1& editor = *program.Editor;
    tavlor::EditorValues values = editor.CollectValues();
    values.LinkNames[0] = tavlor::ToGbk(QStringLiteral("织田信长"));
    values.BirthYearText = "1534";
    values.AgeText = "49";
    editor.ApplyValues(values);
    editor.SMJS();
    const QString age = editor.lb_sm[4]->text();
    QVERIFY(age.endsWith(QStringLiteral("岁")));

    program.List->M_BIG->trigger();
    QCOMPARE(editor.LB_XXWJ[0]->text(), QStringLiteral("織田信長"));
    // As SMJS writes the age in Traditional.
    const QString retexted = editor.lb_sm[4]->text();
    QVERIFY(retexted != age);
    editor.SMJS();
    QCOMPARE(retexted, editor.lb_sm[4]->text());
    program.List->M_GB->trigger();
    QCOMPARE(editor.LB_XXWJ[0]->text(), QStringLiteral("织田信长"));
    QCOMPARE(editor.lb_sm[4]->text(), age);
    QCOMPARE(editor.lb_CityName->text(), QStringLiteral("室町御所"));
  }

  void tacticListKeepsItsChoiceAndAValueOutsideIt() {
    SwitchProgram program;
    tavlor::EditorValues values = program.Editor->CollectValues();
    values.Tactic = 60;  // stored outside the 57 names: shown as an extra entry
    program.Editor->ApplyValues(values);
    const int entries = program.Editor->COB_ZF->count();
    program.List->M_BIG->trigger();
    QCOMPARE(program.Editor->COB_ZF->count(), entries);
    QCOMPARE(program.Editor->COB_ZF->currentIndex(), entries - 1);
    QCOMPARE(program.Editor->COB_ZF->currentText(), QStringLiteral("?60"));
    QCOMPARE(program.Editor->CollectValues().Tactic, 60);

    values.Tactic = 5;
    program.Editor->ApplyValues(values);
    program.List->M_GB->trigger();
    QCOMPARE(program.Editor->COB_ZF->currentIndex(), 5);
    QCOMPARE(program.Editor->COB_ZF->currentText(), program.Editor->COB_ZF_BAK->itemText(5));
  }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
