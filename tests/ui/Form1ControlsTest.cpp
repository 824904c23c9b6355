// The editor's value controls driven like a user: sliders, minimum and maximum, the lifespan line,
// options, the voice panel, relation buttons, biography typing and the values round trip.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include "core/editor/EditorValues.h"
#include "ui/Form1Support.h"
#include "ui/WaitForEvents.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/Form1.h"

using namespace tavlor;
using namespace tavlor::testing;

namespace {
// 18 double-byte characters: one full biography line.
const QString kFullLine = QStringLiteral("天下布武之志未尝稍懈于心而终身不移矣");
}  // namespace

class Form1ControlsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramContext> context_;
  std::unique_ptr<Form1> form_;

 private slots:
  void init() {
    context_ = std::make_unique<ProgramContext>();
    form_ = std::make_unique<Form1>(*context_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() {
    form_.reset();
    context_.reset();
  }

  void StartsWithTheInitialTexts() {
    QCOMPARE(form_->tx_Name1[0]->text(), QStringLiteral("新"));
    QCOMPARE(form_->tx_Name1[1]->text(), QStringLiteral("武将"));
    QCOMPARE(form_->tx_DY[0]->text(), QStringLiteral("ぁぉぇお"));
    QCOMPARE(form_->tx_DY[1]->text(), QStringLiteral("きこぜづ"));
    QCOMPARE(form_->TX_year->text(), QStringLiteral("1500"));
    QCOMPARE(form_->TX_age->text(), QStringLiteral("16"));
    const QStringList links{"339", "-1", "-1", "-1"};
    for (int k = 0; k < 4; ++k) QCOMPARE(form_->tx_XXWJ[k]->text(), links[k]);
    QCOMPARE(form_->COB_ZF->count(), 57);
    QCOMPARE(form_->COB_ZF->itemText(0), QStringLiteral("枪衾之一"));
    QCOMPARE(form_->COB_ZF->itemText(56), QStringLiteral("霸王之俻"));
    QVERIFY(form_->COB_ZF_BAK->isHidden());
    QCOMPARE(form_->COB_ZF_BAK->count(), 57);
    QCOMPARE(form_->Com_SS[2]->itemText(4), QStringLiteral("S"));
    QCOMPARE(form_->findChild<QLineEdit*>("tx_Name1_1"), form_->tx_Name1[1]);
  }

  void SlidersFollowTheLeftButtonAndClampBothEnds() {
    QProgressBar* age = form_->pbar_age;
    age->resize(200, age->height());  // a width for which the values below are worked out by hand
    Press(age, Qt::LeftButton, {0, 5});
    QCOMPARE(form_->TX_age->text(), QStringLiteral("16"));
    QCOMPARE(age->value(), 16);
    Press(age, Qt::LeftButton, {(age->width() * 94 + 99) / 100, 5});
    QCOMPARE(form_->TX_age->text(), QStringLiteral("110"));
    MoveOver(age, Qt::LeftButton, {100, 5});  // the middle: 16 + 100 / 200 * 100
    QCOMPARE(form_->TX_age->text(), QStringLiteral("66"));
    MoveOver(age, Qt::LeftButton, {51, 5});  // a quarter and a bit: 16 + 25 (51 / 200 * 100, cut)
    QCOMPARE(form_->TX_age->text(), QStringLiteral("41"));
    MoveOver(age, Qt::LeftButton, {age->width() + 40, 5});  // dragged past the end
    QCOMPARE(form_->TX_age->text(), QStringLiteral("110"));
    QCOMPARE(age->value(), 110);

    QProgressBar* year = form_->pbar_year;
    Press(year, Qt::LeftButton, {-30, 5});
    QCOMPARE(form_->TX_year->text(), QStringLiteral("1460"));
    Press(year, Qt::LeftButton, {(year->width() * 95 + 99) / 100, 5});
    QCOMPARE(form_->TX_year->text(), QStringLiteral("1650"));
    QCOMPARE(form_->lb_sm[0]->text(), QStringLiteral("1759"));  // the line follows the slider

    // The right button, or the left one with another held, changes nothing.
    Press(year, Qt::RightButton, {10, 5});
    MoveOver(year, Qt::RightButton, {10, 5});
    MoveOver(year, Qt::LeftButton | Qt::RightButton, {10, 5});
    MoveOver(year, Qt::NoButton, {10, 5});
    QCOMPARE(form_->TX_year->text(), QStringLiteral("1650"));
    QCOMPARE(year->value(), 1650);
  }

  void MinimumAndMaximumSetTheTextsButNotTheBars() {
    Release(form_->Pic_Max[1], Qt::RightButton);  // any button
    QCOMPARE(form_->TX_age->text(), QStringLiteral("110"));
    Release(form_->Pic_Min[0], Qt::LeftButton);
    QCOMPARE(form_->TX_year->text(), QStringLiteral("1460"));
    QCOMPARE(form_->lb_sm[0]->text(), QStringLiteral("1569"));
    Release(form_->Pic_Max[0], Qt::LeftButton);
    Release(form_->Pic_Min[1], Qt::LeftButton);
    QCOMPARE(form_->TX_year->text(), QStringLiteral("1650"));
    QCOMPARE(form_->TX_age->text(), QStringLiteral("16"));
    QCOMPARE(form_->pbar_year->value(), 1460);
    QCOMPARE(form_->pbar_age->value(), 16);
  }

  void LifespanLineShowsTheScenarioAges() {
    form_->TX_year->setText("1560");
    form_->TX_age->setText("30");
    form_->SMJS();
    QCOMPARE(form_->lb_sm[0]->text(), QStringLiteral("1589"));
    const QStringList rows{"诞生前", "诞生前", " 9岁", " 16岁", " 23岁", " 6岁"};
    for (int i = 1; i <= 6; ++i) QCOMPARE(form_->lb_sm[i]->text(), rows[i - 1]);

    // A shown general (1500-1551, lifespan 52) keeps its death year when the line is recomputed.
    EditorValues values = form_->CollectValues();
    values.BirthYearText = "1500";
    values.AgeText = "52";
    values.DeathYearText = "1551";
    form_->ApplyValues(values);
    form_->SMJS();
    QCOMPARE(form_->lb_sm[0]->text(), QStringLiteral("1551"));
    QCOMPARE(form_->lb_sm[1]->text(), QStringLiteral(" 47岁"));
    QCOMPARE(form_->lb_sm[2]->text(), QStringLiteral("已成仙"));
  }

  void OptionsShowTheirImagesAndSetTheState() {
    Click(form_->Pic_opt_CZ[5]);
    for (int k = 0; k < 8; ++k) QCOMPARE(ImageNumber(form_->Pic_opt_CZ[k]), k == 5 ? 18 : k + 5);
    QCOMPARE(context_->State.CurOrigin, 5);
    Click(form_->Pic_opt_SF[1]);
    QCOMPARE(context_->State.CurStatus, 3);
    QCOMPARE(ImageNumber(form_->Pic_opt_SF[0]), 21);
    QCOMPARE(ImageNumber(form_->Pic_opt_SF[1]), 24);
    Click(form_->Pic_opt_SF[0]);
    QCOMPARE(context_->State.CurStatus, 7);
    Click(form_->Pic_opt[0]);
    QCOMPARE(context_->State.CurSex, 0);
    QCOMPARE(ImageNumber(form_->Pic_opt[0]), 3);
    QCOMPARE(ImageNumber(form_->Pic_opt[1]), 2);
    Click(form_->Pic_opt[1], Qt::RightButton);  // not a click
    QCOMPARE(context_->State.CurSex, 0);
  }

  void StoredValuesWithoutAnOptionAreShownAsNoneAndKept() {
    EditorState state;
    state.CurOrigin = 12;
    state.CurStatus = 5;
    state.CurSex = 2;
    state.CurVoice = 40;
    form_->ApplyState(state);
    QCOMPARE(context_->State, state);
    for (int k = 0; k < 8; ++k) QCOMPARE(ImageNumber(form_->Pic_opt_CZ[k]), k + 5);
    QCOMPARE(ImageNumber(form_->Pic_opt_SF[0]), 21);
    QCOMPARE(ImageNumber(form_->Pic_opt_SF[1]), 22);
    QVERIFY(!form_->PIC_snd[0]->Picture().isNull());
  }

  void VoicePanelSlidesOpenAndShutAndTakesAChoice() {
    QCOMPARE(form_->Pic_sen2->height(), 0);
    Click(form_->Pic_Sen);
    QCOMPARE(form_->VoicePanelTargetHeight(), 2700 / 15);
    QTRY_COMPARE_WITH_TIMEOUT(form_->Pic_sen2->height(), 180, 2000);
    Click(form_->Pic_Sen);
    QTRY_COMPARE_WITH_TIMEOUT(form_->Pic_sen2->height(), 0, 2000);

    Click(form_->Pic_Sen);
    QTRY_COMPARE_WITH_TIMEOUT(form_->Pic_sen2->height(), 180, 2000);
    Click(form_->PIC_snd[7]);
    QCOMPARE(context_->State.CurVoice, 7);
    QCOMPARE(form_->PIC_snd[0]->Picture().cacheKey(), form_->PIC_snd[7]->Picture().cacheKey());
    QCOMPARE(form_->Pic_sen2->height(), 0);    // closed at once
    QVERIFY(NoAnimationRunning(form_.get()));  // and no slide left running can reopen it

    form_->Click_snd(0);  // does nothing
    QCOMPARE(context_->State.CurVoice, 7);
  }

  void RelationButtonsClearRowsAndAskForPickers() {
    for (int k = 0; k < 4; ++k) form_->tx_XXWJ[k]->setText("120");
    form_->LB_XXWJ[2]->setText("name");
    Release(form_->Pic_cancel[1], Qt::RightButton);
    QCOMPARE(form_->tx_XXWJ[2]->text(), QStringLiteral("-1"));
    QCOMPARE(form_->LB_XXWJ[2]->text(), QStringLiteral("name"));
    QCOMPARE(form_->tx_XXWJ[0]->text(), QStringLiteral("120"));

    QSignalSpy links(form_.get(), &Form1::linkPickerRequested);
    Release(form_->Pic_Chang_LL[4], Qt::RightButton);
    QCOMPARE(links.count(), 0);
    Release(form_->Pic_Chang_LL[4], Qt::LeftButton);
    QCOMPARE(links.count(), 1);
    QCOMPARE(links.at(0).at(0).toInt(), 4);
    QCOMPARE(context_->State.CurLinkSlot, 4);

    // Without a picker the editor stays usable; with one it waits for the picker.
    Release(form_->Pic_Chang_LL[7], Qt::LeftButton);
    QVERIFY(form_->isEnabled());
    QSignalSpy city(form_.get(), &Form1::cityPickerRequested);
    connect(form_.get(), &Form1::cityPickerRequested, this, [] {});
    Release(form_->Pic_Chang_LL[7], Qt::LeftButton);
    QCOMPARE(city.count(), 1);
    QVERIFY(!form_->isEnabled());
    form_->setEnabled(true);  // what the picker does when it closes

    QSignalSpy change(form_.get(), &Form1::changeRequested);
    QSignalSpy add(form_.get(), &Form1::addRequested);
    Release(form_->Pic_YN[0], Qt::LeftButton);
    Release(form_->Pic_YN[1], Qt::LeftButton);
    QCOMPARE(change.count(), 1);
    QCOMPARE(add.count(), 1);
  }

  void BiographyTakesOnlyDoubleByteText() {
    QLineEdit* first = form_->Tx_Lz[0];
    TypeEach(first, QStringLiteral("ab 1"));
    QCOMPARE(first->text(), QString());
    QCOMPARE(form_->Label4->text(), QStringLiteral("49"));
    TypeEach(first, QStringLiteral("织田"));
    QCOMPARE(first->text(), QStringLiteral("织田"));
    QVERIFY(form_->Label4->text().toInt() < 0);
    Type(first, QStringLiteral("\b"), Qt::Key_Backspace);
    QCOMPARE(first->text(), QStringLiteral("织"));
    // An input method committing mixed text keeps only the double-byte part.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("x信y长"));
    QCoreApplication::sendEvent(first, &commit);
    QCOMPARE(first->text(), QStringLiteral("织信长"));
  }

  void BiographyLinesOpenAndCloseInTurn() {
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    auto& lines = form_->Tx_Lz;
    QVERIFY(lines[0]->isEnabled());
    QVERIFY(!lines[1]->isEnabled());
    TypeEach(lines[0], kFullLine);
    QCOMPARE(lines[0]->text(), kFullLine);
    QVERIFY(lines[1]->isEnabled());  // 36 bytes open the next line
    QVERIFY(!lines[2]->isEnabled());

    Type(lines[0], QStringLiteral("\r"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), lines[1]);
    QCOMPARE(lines[1]->cursorPosition(), 0);
    TypeEach(lines[1], kFullLine);
    Type(lines[1], QStringLiteral("\r"), Qt::Key_Return);
    TypeEach(lines[2], QStringLiteral("桶狭间"));
    QVERIFY(lines[2]->isEnabled());

    // Enter on a line that is not full stays put.
    Type(lines[2], QStringLiteral("\r"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), lines[2]);

    lines[2]->clear();
    QVERIFY(!lines[2]->isEnabled());
    QCOMPARE(QApplication::focusWidget(), lines[1]);
    QCOMPARE(lines[1]->cursorPosition(), kFullLine.size());

    lines[0]->clear();
    QVERIFY(lines[0]->isEnabled());

    // A press on a disabled line reaches the form, which sends the caret to the first line.
    lines[0]->setText(QStringLiteral("织田"));
    form_->setFocus();
    QTest::mouseClick(form_.get(), Qt::LeftButton, {}, lines[3]->geometry().center());
    QCOMPARE(QApplication::focusWidget(), lines[0]);
    QCOMPARE(lines[0]->cursorPosition(), 2);
  }

  void ValuesRoundTripIncludingValuesTheListsCannotShow() {
    EditorValues values = DefaultEditorValues();
    values.Names = {"\xd6\xaf\xcc\xef", "\xd0\xc5\xb3\xa4"};  // 织田 信长 in GBK
    values.BirthYearText = "1534";
    values.AgeText = "49";
    values.DeathYearText = "1582";
    values.AbilityTexts = {"100", "80", "95", "98", "40"};
    values.Aptitudes = {4, 9, 0, -1, 2};
    values.Tactic = 200;
    values.LinkNumberTexts = {"10003", "-1", "12", "-1"};
    values.LinkNames = {"\xd6\xaf", "", "\xcc\xef", ""};
    values.BioLines = {"\xd6\xaf\xcc\xef", "\xd0\xc5", "", ""};
    values.BioEnabled = {true, true, false, false};
    values.CityName = "\xc7\xe5\xd6\xde\xb3\xc7";
    form_->ApplyValues(values);
    QCOMPARE(form_->Com_SS[1]->currentText(), QStringLiteral("?9"));
    QCOMPARE(form_->COB_ZF->currentText(), QStringLiteral("?200"));
    QCOMPARE(form_->Com_SS[3]->currentIndex(), -1);
    QVERIFY(form_->CollectValues() == values);

    // Showing a value the list can take drops the extra entry again.
    values.Aptitudes[1] = 3;
    values.Tactic = 56;
    form_->ApplyValues(values);
    QCOMPARE(form_->Com_SS[1]->count(), 5);
    QCOMPARE(form_->COB_ZF->count(), 57);
    QVERIFY(form_->CollectValues() == values);
  }
};

QTEST_MAIN(Form1ControlsTest)
#include "Form1ControlsTest.moc"
