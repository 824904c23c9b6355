// The pickers through the real windows: the city map, the related-general list and the ability
// bars, what each hands to the editor, that every way out gives the editor back, and one road from
// a pick through the pickers to the saved file.
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdlib>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/lang/InterfaceTexts.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/FaceSeed.h"
#include "support/SampleGameFiles.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/pickers/Form3.h"
#include "ui/pickers/Form4.h"
#include "ui/pickers/Form6.h"
#include "ui/pickers/PickerActions.h"

using tavlor::Form1;
using tavlor::Form3;
using tavlor::Form4;
using tavlor::Form6;
using tavlor::PickerActions;
using tavlor::testing::FaceSeed;
using tavlor::testing::SampleFaceSeeds;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;

namespace {

// Seeds of the faces the test archives hold (the red channel of every pixel).
constexpr int kGameFace0 = SampleFaceSeeds::kGame0;
constexpr int kGameFace1700 = SampleFaceSeeds::kGame1700;
constexpr int kEditFace50 = SampleFaceSeeds::kEdit50;

// Built-in generals with a face of their own: "B<n>" has face number 0 otherwise.
constexpr int kEditFaceGeneral = 9;  // face number 1750: edit face 50
constexpr int kLateFaceGeneral = 5;  // face number 8423: game face 1700
constexpr int kNoFaceGeneral = 7;    // face number 4000: no face

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One run of the program on a folder with four registered generals (织田信长, 伊达政宗, 太郎之助,
// 伊达政宗), all based in 室町御所, with large archives and the built-in list (general n's
// abilities n % 120, 21, 33 and 150).
struct PickerProgram : tavlor::testing::RunningProgram {
  PickerActions* Pickers = Editor->findChild<PickerActions*>();

  PickerProgram()
      : RunningProgram(tavlor::testing::RunningProgramOptions().WithGeneralCount(4).WithPrepare(
            [](const StartupFolder& folder) {
              tavlor::testing::WriteLargeSampleArchives(folder.Game() / "grp");
              tavlor::testing::WriteBuiltinGeneralList(
                  folder.Program() / "BuiltinGenerals.tsv",
                  {{kEditFaceGeneral, 1750}, {kLateFaceGeneral, 8423}, {kNoFaceGeneral, 4000}},
                  [](int general) {
                    return std::array<int, 4>{general % 120, 21, 33, 150};
                  });
            })) {}

  // Pic_Chang_LL(index) released with the left button.
  void PressChangeButton(int index) const { tavlor::testing::Click(Editor->Pic_Chang_LL[index]); }

  Form3* OpenAbilities() const {
    PressChangeButton(0);
    return Pickers->AbilityPicker();
  }
  Form4* OpenCities() const {
    PressChangeButton(7);
    return Pickers->CityPicker();
  }
  Form6* OpenLinks(int linkButton) const {
    PressChangeButton(linkButton);
    return Pickers->RelatedGeneralPicker();
  }
};

// A real click on row `row` of the related-general list.
void ClickRow(Form6* picker, int row) {
  QListView* list = picker->List1[0];
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void Search(Form6* picker, const QString& text) {
  picker->Tx_ser->setText(text);
  picker->Command3->click();
}

QString CityName(int city) {
  return tavlor::FromGbk(tavlor::texts::ListCity[static_cast<std::size_t>(city)]);
}

QStringList AbilityLabels(const Form1& editor) {
  QStringList texts;
  for (const QLabel* label : editor.lb4W) texts << label->text();
  return texts;
}

// Whether `a` and `b` have the same pixels inside `area`.
bool SameIn(const QImage& a, const QImage& b, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
    }
  }
  return true;
}

// The pixels inside `area` as bright as the gold caption ink (the lacquer is far darker).
int InkIn(const QImage& image, const QRect& area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ink += image.pixelColor(x, y).lightness() > 120 ? 1 : 0;
  }
  return ink;
}

}  // namespace

class PickersTest : public QObject {
  Q_OBJECT

 private slots:
  // A test that switches to Traditional and fails before switching back leaves no later test in
  // Traditional.
  void cleanup() { tavlor::SharedLanguageState().SetSimplified(true); }

  void cityPickerSetsTheHomeCityAndRemembersTheClick() {
    TestPrompter prompter;
    PickerProgram program;
    Form1& editor = *program.Editor;
    QPointer<Form4> picker = program.OpenCities();
    QVERIFY(picker != nullptr);
    QVERIFY(!editor.isEnabled());
    QCOMPARE(picker->windowTitle(), QStringLiteral("城市选择"));
    QCOMPARE(picker->lb_CityName->text(), QStringLiteral("所选择城市："));
    QCOMPARE(picker->Pic_ico[36]->toolTip(), CityName(36));
    QCOMPARE(picker->Pic_ico[36]->geometry(), QRect(6880 / 15, 4020 / 15, 18, 18));

    tavlor::testing::Click(picker->Pic_ico[36]);
    QCOMPARE(picker->lb_CityName->text(), QStringLiteral("所选择城市：室町御所"));
    tavlor::testing::Click(picker->Pic_ico[12], Qt::RightButton);  // only the left button selects
    QCOMPARE(picker->lb_CityName->text(), QStringLiteral("所选择城市：室町御所"));
    picker->Command1->click();
    FlushDeletes();
    QVERIFY(picker.isNull());
    QVERIFY(editor.isEnabled());
    QCOMPARE(program.Context->State.CurCity, 36);
    QCOMPARE(editor.lb_CityName->text(), QStringLiteral("室町御所"));

    // A new picker starts with its own label again, but the click is remembered.
    picker = program.OpenCities();
    QCOMPARE(picker->lb_CityName->text(), QStringLiteral("所选择城市："));
    tavlor::testing::Click(picker->Pic_ico[40]);
    picker->close();  // the window's close button: nothing handed over
    FlushDeletes();
    QCOMPARE(program.Context->State.CurCity, 36);
    picker = program.OpenCities();
    picker->Command1->click();
    FlushDeletes();
    QCOMPARE(program.Context->State.CurCity, 40);
    QCOMPARE(editor.lb_CityName->text(), CityName(40));
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
  }

  void pointerLabelNamesTheCityAboveThePointer() {
    PickerProgram program;
    QPointer<Form4> picker = program.OpenCities();
    QVERIFY(QTest::qWaitForWindowExposed(picker.data()));
    const auto labelNear = [&](int city) {
      const QPoint pointer = picker->Pic_ico[static_cast<std::size_t>(city)]->geometry().center();
      QCursor::setPos(picker->mapToGlobal(pointer));
      if (QCursor::pos() != picker->mapToGlobal(pointer)) return QRect();
      QTest::qWait(3 * picker->Timer1->interval());  // the label follows at the next ticks
      return picker->Lb_MoveCityName->isVisible() ? picker->Lb_MoveCityName->geometry() : QRect();
    };
    const QPoint center = picker->Pic_ico[36]->geometry().center();
    const QRect label = labelNear(36);
    if (label.isNull() && QCursor::pos() != picker->mapToGlobal(center))
      QSKIP("this platform does not move the pointer");
    QCOMPARE(picker->Lb_MoveCityName->text(), CityName(36));
    // Right of the pointer and above it: below it the icon's tooltip opens.
    QVERIFY(label.left() > center.x());
    QVERIFY2(label.bottom() < center.y(),
             qPrintable(QStringLiteral("label bottom %1, pointer %2").arg(label.bottom()).arg(center.y())));
    // Near the top edge it goes below rather than out of the window; always inside it.
    const QRect top = labelNear(0);
    QVERIFY(picker->rect().contains(top));
    QVERIFY(top.top() > picker->Pic_ico[0]->geometry().center().y());
    picker->close();
  }

  void confirmingAtOnceInAFreshRunGivesCityZero() {
    PickerProgram program;
    QVERIFY(program.PickRow(1));
    QCOMPARE(program.Context->State.CurCity, 36);
    Form4* picker = program.OpenCities();
    picker->Command1->click();
    FlushDeletes();
    QCOMPARE(program.Context->State.CurCity, 0);
    QCOMPARE(program.Editor->lb_CityName->text(), CityName(0));
  }

  void abilityPickerHandsOverLeadingNumbers() {
    PickerProgram program;
    Form1& editor = *program.Editor;
    const QStringList before = AbilityLabels(editor);

    // Cancel keeps the labels.
    QPointer<Form3> picker = program.OpenAbilities();
    QVERIFY(!editor.isEnabled());
    QCOMPARE(picker->windowTitle(), QStringLiteral("能力选择"));
    picker->TX_ll[0]->setText(QStringLiteral("99"));
    tavlor::testing::Click(picker->Pic_YN[1]);
    FlushDeletes();
    QVERIFY(picker.isNull());
    QVERIFY(editor.isEnabled());
    QCOMPARE(AbilityLabels(editor), before);

    // The boxes start at the start values, not at the general's; the bars drive their boxes and
    // end at 120 and 100; a box's leading number is what the editor gets.
    picker = program.OpenAbilities();
    QCOMPARE(picker->TX_ll[0]->text(), QStringLiteral("70"));
    QCOMPARE(picker->TX_ll[4]->text(), QStringLiteral("50"));
    picker->HS[4]->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(picker->TX_ll[4]->text(), QStringLiteral("100"));
    picker->HS[0]->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(picker->TX_ll[0]->text(), QStringLiteral("120"));
    picker->TX_ll[1]->setText(QStringLiteral("150"));
    picker->TX_ll[2]->setText(QStringLiteral("abc"));
    picker->TX_ll[3]->setText(QStringLiteral(" 85"));
    QCOMPARE(picker->HS[1]->value(), 70);  // typing does not move the bar
    // Any button confirms on release; the picture shows the button's pressed look while held.
    tavlor::testing::Press(picker->Pic_YN[0], Qt::LeftButton);
    QCOMPARE(picker->Pic_YN[0]->Picture().cacheKey(), picker->ImageOf(5).cacheKey());
    tavlor::testing::Release(picker->Pic_YN[0], Qt::RightButton);
    FlushDeletes();
    QVERIFY(picker.isNull());
    QVERIFY(editor.isEnabled());
    QCOMPARE(AbilityLabels(editor), (QStringList{"120", "150", "0", "85", "100"}));
  }

  void everyWayOutGivesTheEditorBack() {
    PickerProgram program;
    Form1& editor = *program.Editor;
    using Leave = std::function<void(QWidget*)>;
    const QList<QPair<QString, Leave>> waysOut = {
        {"Escape", [](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); }},
        {"close button", [](QWidget* picker) { picker->close(); }},
    };
    for (const auto& [name, leave] : waysOut) {
      QPointer<QWidget> picker = program.OpenAbilities();
      QVERIFY2(!editor.isEnabled(), qPrintable(name));
      leave(picker);
      FlushDeletes();
      QVERIFY2(picker.isNull() && editor.isEnabled(), qPrintable("ability picker, " + name));

      picker = program.OpenCities();
      QVERIFY2(!editor.isEnabled(), qPrintable(name));
      leave(picker);
      FlushDeletes();
      QVERIFY2(picker.isNull() && editor.isEnabled(), qPrintable("city picker, " + name));
    }
    QCOMPARE(program.Context->State.CurCity, 36);  // no way out but confirming changes the city

    // The related-general picker leaves the editor usable and is only ever hidden.
    Form6* links = program.OpenLinks(5);
    QVERIFY(editor.isEnabled() && links->isVisible());
    QTest::keyClick(links, Qt::Key_Escape);
    QVERIFY(!links->isVisible());
    QCOMPARE(program.OpenLinks(6), links);
    links->Command2->click();
    QVERIFY(!links->isVisible() && editor.isEnabled());
    QCOMPARE(editor.tx_XXWJ[3]->text(), QStringLiteral("-1"));
  }

  void relatedGeneralRowsBecomeLinks() {
    TestPrompter prompter;
    PickerProgram program;
    Form1& editor = *program.Editor;
    Form6* picker = program.OpenLinks(4);  // 親愛
    QCOMPARE(picker->windowTitle(), QStringLiteral("史武将选择"));
    QCOMPARE(picker->List1[0]->model()->rowCount(), 2307 + 4);

    struct Case {
      int Row;
      QString Number;
      QString Name;
    };
    for (const Case& c : {Case{1, "0", "B0"}, Case{2306, "2305", "B2305"}, Case{2307, "10000", "织田信长"},
                          Case{2310, "10003", "伊达政宗"}}) {
      program.PressChangeButton(4);
      ClickRow(picker, c.Row);
      QCOMPARE(picker->tx_4W[4]->text(), c.Name);
      picker->Command1->click();
      QVERIFY(!picker->isVisible());
      QCOMPARE(editor.tx_XXWJ[1]->text(), c.Number);
      QCOMPARE(editor.LB_XXWJ[1]->text(), c.Name);
    }

    // Selecting shows the portrait and abilities; the heading row keeps both.
    program.PressChangeButton(5);  // 嫌悪
    ClickRow(picker, kEditFaceGeneral + 1);
    QCOMPARE(FaceSeed(picker->Picture2), kEditFace50);
    QCOMPARE(picker->tx_4W[0]->text(), QString::number(kEditFaceGeneral % 120));
    QCOMPARE(picker->tx_4W[3]->text(), QStringLiteral("150"));
    QCOMPARE(picker->PB_4W[3]->value(), picker->PB_4W[3]->maximum());  // beyond the bar: full
    ClickRow(picker, kNoFaceGeneral + 1);                              // names no face: the portrait stays
    QCOMPARE(FaceSeed(picker->Picture2), kEditFace50);
    ClickRow(picker, 0);
    QCOMPARE(FaceSeed(picker->Picture2), kGameFace0);
    QCOMPARE(picker->tx_4W[4]->text(), QStringLiteral("B7"));
    // Confirming a general draws its face into the link row: face number 8423 is game face 1700.
    ClickRow(picker, kLateFaceGeneral + 1);
    picker->Command1->click();
    QCOMPARE(editor.tx_XXWJ[2]->text(), QString::number(kLateFaceGeneral));
    QCOMPARE(FaceSeed(editor.PIC_SWJ[2]), kGameFace1700);

    // The heading row clears the link: number, name and portrait.
    program.PressChangeButton(5);
    QCOMPARE(picker->SelectedRow(), kLateFaceGeneral + 1);  // the selection survives being hidden
    ClickRow(picker, 0);
    picker->Command1->click();
    QCOMPARE(editor.tx_XXWJ[2]->text(), QStringLiteral("-1"));
    QCOMPARE(editor.LB_XXWJ[2]->text(), QString());
    QVERIFY(editor.PIC_SWJ[2]->IsEmpty());
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
  }

  void affinityWithoutAGeneralIsRefused() {
    TestPrompter prompter;
    PickerProgram program;
    Form1& editor = *program.Editor;
    Form6* picker = program.OpenLinks(3);  // 相性
    ClickRow(picker, 0);
    picker->Command1->click();
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Error);
    QCOMPARE(prompter.Messages()[0].Text, QStringLiteral("相性武将必须选择"));
    QCOMPARE(prompter.Messages()[0].Title, QStringLiteral("提示"));
    QVERIFY(picker->isVisible());
    QCOMPARE(editor.tx_XXWJ[0]->text(), QStringLiteral("339"));

    ClickRow(picker, 340);
    picker->Command1->click();
    QVERIFY(!picker->isVisible());
    QCOMPARE(editor.tx_XXWJ[0]->text(), QStringLiteral("339"));
    QCOMPARE(editor.LB_XXWJ[0]->text(), QStringLiteral("B339"));
    QCOMPARE(prompter.Messages().size(), 1);
  }

  void searchFindsEachNameInTurnAndStartsAgain() {
    PickerProgram program;
    Form6* picker = program.OpenLinks(4);
    const QString dateMasamune = QStringLiteral("伊达政宗");  // slots 1 and 3: rows 2308 and 2310
    Search(picker, dateMasamune);
    QCOMPARE(picker->SelectedRow(), 2308);
    QCOMPARE(picker->tx_4W[4]->text(), dateMasamune);
    Search(picker, QStringLiteral(" ") + dateMasamune);
    QCOMPARE(picker->SelectedRow(), 2310);
    Search(picker, dateMasamune);  // no more: the selection stays, the search starts again
    QCOMPARE(picker->SelectedRow(), 2310);
    QCOMPARE(picker->SearchPosition(), 1);
    // The position outlives the hidden picker.
    picker->Command2->click();
    program.OpenLinks(4);
    Search(picker, dateMasamune);
    QCOMPARE(picker->SelectedRow(), 2308);
    Search(picker, QStringLiteral("nobody"));
    QCOMPARE(picker->SelectedRow(), 2308);
    // The search button and Enter in the box search alike.
    picker->Tx_ser->setText(QStringLiteral("B11"));
    QTest::keyClick(picker->Tx_ser, Qt::Key_Return);
    QCOMPARE(picker->SelectedRow(), 12);
    QVERIFY(picker->isVisible());
  }

  void traditionalLanguageShowsTheListInTraditionalCharacters() {
    PickerProgram program;
    Form6* picker = program.OpenLinks(4);
    tavlor::SharedLanguageState().SetSimplified(false);
    program.Pickers->ApplyInterfaceLanguage();
    const QAbstractItemModel* model = picker->List1[0]->model();
    QCOMPARE(model->index(2307, 0).data().toString(), QStringLiteral("織田信長"));
    QCOMPARE(model->index(2307, 6).data().toString(), QStringLiteral("织田信长"));  // List1(6) stays
    // What is typed in Traditional characters finds the Simplified names of the lists.
    Search(picker, QStringLiteral("信長"));
    const int found = picker->SelectedRow();
    tavlor::SharedLanguageState().SetSimplified(true);
    program.Pickers->ApplyInterfaceLanguage();
    QCOMPARE(found, 2307);
    QCOMPARE(model->index(2307, 0).data().toString(), QStringLiteral("织田信长"));
  }

  // The buttons' pictures as their make-up gives them: 84 x 40, see-through at the rounded
  // corners, dark lacquer between the rim and the caption, the gold caption in the middle. 确定 and
  // 確定 differ in their first character only and 取消 reads the same in both languages, so a
  // picker made in Traditional changes the left half of the confirm caption and nothing else.
  void abilityButtonsAreCaptionedInTheLanguageInForce() {
    PickerProgram program;
    tavlor::LoadAllTextTables(tavlor::testing::ShippedFolder());
    // A picker is made for every use, in the language then in force.
    const auto buttonsNow = [&] {
      QPointer<Form3> picker = program.OpenAbilities();
      const QList<QImage> buttons{picker->Pic_YN[0]->Picture().toImage(),
                                  picker->Pic_YN[1]->Picture().toImage()};
      picker->close();
      FlushDeletes();
      return buttons;
    };
    const QList<QImage> simplified = buttonsNow();
    tavlor::SharedLanguageState().SetSimplified(false);
    const QList<QImage> traditional = buttonsNow();
    tavlor::SharedLanguageState().SetSimplified(true);

    const QRect leftLacquer(4, 6, 12, 28);    // inside the inner hairline (x 3), left of the caption
    const QRect rightLacquer(68, 6, 12, 28);  // right of the caption, left of the hairline (x 80)
    const QRect caption(20, 6, 44, 28);       // two 22-pixel characters, centred
    for (const QImage& button : simplified + traditional) {
      QCOMPARE(button.size(), QSize(84, 40));
      QCOMPARE(button.pixelColor(0, 0).alpha(), 0);
      QCOMPARE(button.pixelColor(83, 39).alpha(), 0);
      // Lower half, away from the sheen: the fill's lower gradient, (46, 25, 17) at the middle to
      // (28, 15, 10) at the bottom, is 54 % of the way at y 30.
      const QColor lacquer = button.pixelColor(6, 30);
      QVERIFY2(std::abs(lacquer.red() - 36) <= 3 && std::abs(lacquer.green() - 20) <= 3 &&
                   std::abs(lacquer.blue() - 13) <= 3 && lacquer.alpha() == 255,
               qPrintable(lacquer.name(QColor::HexArgb)));
      QCOMPARE(InkIn(button, leftLacquer), 0);
      QCOMPARE(InkIn(button, rightLacquer), 0);
      QVERIFY(InkIn(button, caption) > 40);
    }
    // 确 -> 確: the first character's half changes; 定 and the plate around it stay.
    QVERIFY(!SameIn(traditional[0], simplified[0], QRect(20, 6, 22, 28)));
    QVERIFY(SameIn(traditional[0], simplified[0], QRect(45, 0, 39, 40)));
    QVERIFY(SameIn(traditional[0], simplified[0], QRect(0, 0, 18, 40)));
    QCOMPARE(traditional[1], simplified[1]);  // 取消 either way
  }

  void pickersToTheSavedFile() {
    TestPrompter prompter;
    PickerProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(2));  // 伊达政宗, slot 1

    Form3* abilities = program.OpenAbilities();
    const char* typed[] = {"101", "22", "33", "44", "55"};
    for (int i = 0; i < 5; ++i) abilities->TX_ll[i]->setText(QString::fromLatin1(typed[i]));
    tavlor::testing::Click(abilities->Pic_YN[0]);
    FlushDeletes();

    Form4* cities = program.OpenCities();
    tavlor::testing::Click(cities->Pic_ico[57]);
    cities->Command1->click();
    FlushDeletes();

    Form6* links = program.OpenLinks(4);  // 親愛: the fourth registered general
    ClickRow(links, 2310);
    links->Command1->click();
    program.OpenLinks(3);  // 相性: built-in general 1199
    ClickRow(links, 1200);
    links->Command1->click();
    program.OpenLinks(5);  // 嫌悪: the first registered general
    ClickRow(links, 2307);
    links->Command1->click();
    program.OpenLinks(6);  // 実父: built-in general 100
    ClickRow(links, 101);
    links->Command1->click();

    prompter.AnswerNext(true);  // change
    tavlor::testing::Click(editor.Pic_YN[0]);
    prompter.AnswerNext(true);  // save all
    program.List->Command1->click();
    QVERIFY2(prompter.UnansweredQuestions() == 0, qPrintable(prompter.Texts().join(" | ")));

    const auto saved = program.ReadBack();
    QVERIFY(saved != nullptr);
    const tavlor::GeneralEntry& general = saved->Slots[1];
    QCOMPARE(general.Appendix.CityNo, 57);
    QCOMPARE(general.Record.Leadership, 101);
    QCOMPARE(general.Record.Valor, 22);
    QCOMPARE(general.Record.Intellect, 33);
    QCOMPARE(general.Record.Politics, 44);
    QCOMPARE(general.Appendix.Duty, 55);
    QCOMPARE(general.Links.FavouredFlag, 1);
    QCOMPARE(general.Links.FavouredNo, 10003);
    QCOMPARE(general.Record.AffinityNo, 1199);
    QCOMPARE(general.Links.DislikedFlag, 1);
    QCOMPARE(general.Links.DislikedNo, 10000);
    QCOMPARE(general.Record.FatherNo, 100);
  }

  void command2ShowsItsMessageAndCoversNoControl() {
    TestPrompter prompter;
    PickerProgram program;
    Form1& editor = *program.Editor;
    for (QWidget* control : editor.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (control == editor.Command2 || control->isHidden()) continue;
      QVERIFY2(!control->geometry().intersects(editor.Command2->geometry()),
               qPrintable(control->objectName()));
    }
    QVERIFY(QRect(0, 0, Form1::kWidth, Form1::kHeight).contains(editor.Command2->geometry()));

    // With the shipped tables the message reads in Traditional characters, in either language.
    tavlor::LoadAllTextTables(tavlor::testing::ShippedFolder());
    editor.Command2->click();
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].Text, QStringLiteral("確定1555"));
  }
};

QTEST_MAIN(PickersTest)
#include "PickersTest.moc"
