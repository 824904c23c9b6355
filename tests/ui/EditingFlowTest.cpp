// The road of one edit through the real windows: a grid pick shows the general on the editor
// (values, options, portraits, related generals), "change" and "add" write the editor's values
// into the General table after a Yes, and saving all writes them to the edit-data file.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/lang/InterfaceTexts.h"
#include "support/FaceSeed.h"
#include "support/SampleGameFiles.h"
#include "support/ShippedFiles.h"
#include "support/TestPrompter.h"
#include "ui/Form1Support.h"
#include "ui/RunningProgram.h"
#include "ui/StartupTestFolder.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"

using tavlor::Form1;
using tavlor::GeneralEntry;
using tavlor::GeneralTable;
using tavlor::testing::FaceSeed;
using tavlor::testing::SampleFaceSeeds;
using tavlor::testing::SjisOf;
using tavlor::testing::StartupFolder;
using tavlor::testing::TestPrompter;

namespace {

// Seeds of the faces the test archives hold (the red channel of every pixel of a face).
constexpr int kGameFace0 = SampleFaceSeeds::kGame0;
constexpr int kGameFace1 = SampleFaceSeeds::kGame1;
constexpr int kGameFace1193 = SampleFaceSeeds::kGame1193;  // face number 4001
constexpr int kGameFace1700 = SampleFaceSeeds::kGame1700;  // face number 8423
constexpr int kEditFace50 = SampleFaceSeeds::kEdit50;      // face number 1750

// Built-in generals with a face of their own in the list; every other one has face number 0.
constexpr int kAffinityGeneral = 339;    // face number 1: game face 1
constexpr int kLateGameFaceGeneral = 5;  // face number 8423: game face 1700, not edit face 0
constexpr int kNoFaceGeneral = 7;        // face number 4000: no face, drawn as game face 0

template <std::size_t Width>
void Put(tavlor::TextField<Width>& field, const std::string& bytes) {
  tavlor::StoreField(field, bytes);
}

// A general as the game itself writes one: the fixed values, break bytes that match the lines,
// the hidden link cleared, the appendix tail of 255s.
GeneralEntry GameLikeGeneral(int slot) {
  GeneralEntry entry;
  tavlor::GeneralRecord& record = entry.Record;
  Put(record.Tag, "NOBU13EDITB_V6");
  record.TagFill = {32, 32};
  record.HeadA = 6;
  record.HeadC = 1;
  record.BirthYear = 1534;
  record.DeathYear = 1582;
  record.Sex = 1;
  record.FatherNo = -1;
  record.AffinityNo = kAffinityGeneral;
  entry.Appendix.CityNo = 36;
  entry.Appendix.Status = 7;
  entry.Appendix.GeneralNo = 10000 + slot;
  entry.Appendix.AppearFlag = 1;
  entry.Appendix.Voice = 4;
  entry.Appendix.AppendixTail.fill(255);
  return entry;
}

// Four demo-like generals that between them cover the showing rules.
std::unique_ptr<GeneralTable> DemoLikeTable() {
  auto table = std::make_unique<GeneralTable>();
  // 織田 信長: game face 1, a full first biography line, favoured general 10001 (an edit face),
  // a stored but unflagged disliked general, a father whose face number is 8423.
  GeneralEntry oda = GameLikeGeneral(0);
  Put(oda.Record.FamilyName, SjisOf({0, 1}));
  Put(oda.Record.GivenName, SjisOf({2, 3}));
  Put(oda.Record.FamilyReading, SjisOf({12, 13}));
  Put(oda.Record.GivenReading, SjisOf({14, 15, 16, 17}));
  Put(oda.Record.BioLine1, SjisOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5}));
  oda.Record.BioBreak1 = 10;
  Put(oda.Record.BioLine2, SjisOf({8, 9}));
  Put(oda.Record.BioLine4, SjisOf({6, 7}));
  oda.Record.FaceNo = 1;
  oda.Record.Origin = 1;
  oda.Record.FatherNo = kLateGameFaceGeneral;
  oda.Record.Leadership = 88;
  oda.Record.Valor = 84;
  oda.Record.Intellect = 62;
  oda.Record.Politics = 55;
  oda.Record.AptAshigaru = 2;
  oda.Record.AptCavalry = 4;
  oda.Record.AptBow = 2;
  oda.Record.AptGun = 1;
  oda.Record.AptSiege = 1;
  oda.Links = {0, 0, 1, 10001, 0, 120};
  oda.Appendix.Duty = 70;
  oda.Appendix.CityNo = 12;
  oda.Appendix.Tactic = 5;
  table->Slots[0] = oda;

  // 伊達 政宗: edit face 50, a woman of origin 3, status 浪人, voice 9, no first biography line.
  GeneralEntry date = GameLikeGeneral(1);
  Put(date.Record.FamilyName, SjisOf({8, 9}));
  Put(date.Record.GivenName, SjisOf({10, 11}));
  Put(date.Record.BioLine2, SjisOf({4, 5}));
  date.Record.FaceNo = 1750;
  date.Record.Sex = 0;
  date.Record.Origin = 3;
  date.Record.BirthYear = 1541;
  date.Record.DeathYear = 1602;
  date.Record.AffinityNo = kNoFaceGeneral;
  date.Links = {0, 0, 0, 15, 1, 10000};
  date.Appendix.Status = 3;
  date.Appendix.Voice = 9;
  table->Slots[1] = date;

  // 太郎 之助: face number 4000, which names no face.
  GeneralEntry taro = GameLikeGeneral(2);
  Put(taro.Record.FamilyName, SjisOf({6, 7}));
  Put(taro.Record.GivenName, SjisOf({4, 5}));
  taro.Record.FaceNo = 4000;
  table->Slots[2] = taro;

  // 信長: face number 4001 and values the controls cannot show.
  GeneralEntry odd = GameLikeGeneral(3);
  Put(odd.Record.GivenName, SjisOf({2, 3}));
  odd.Record.FaceNo = 4001;
  odd.Record.AptGun = 9;
  odd.Appendix.Tactic = 200;
  odd.Appendix.CityNo = 70;
  table->Slots[3] = odd;

  table->GeneralCount = 4;
  for (std::size_t i = 0; i < tavlor::kHeaderSize; ++i) table->HeaderBlock[i] = static_cast<uint8_t>(i + 1);
  return table;
}

// The windows of one run on a program folder holding the demo-like generals, with large archives
// and the related-general picker's built-in list.
struct EditingProgram : tavlor::testing::RunningProgram {
  std::shared_ptr<const GeneralTable> Original;

  explicit EditingProgram(std::shared_ptr<const GeneralTable> original = DemoLikeTable())
      : RunningProgram(
            tavlor::testing::RunningProgramOptions().WithGeneralCount(1).WithTable(original).WithPrepare(
                [](const StartupFolder& folder) {
                  tavlor::testing::WriteLargeSampleArchives(folder.Game() / "grp");
                  // The related-general picker's built-in generals: face number 0 but for the
                  // few the tests link to.
                  tavlor::testing::WriteBuiltinGeneralList(
                      folder.Program() / "BuiltinGenerals.tsv",
                      {{kAffinityGeneral, 1}, {kLateGameFaceGeneral, 8423}, {kNoFaceGeneral, 4000}});
                })),
        Original(std::move(original)) {}

  void PressChange() const { tavlor::testing::Click(Editor->Pic_YN[0]); }
  void PressAdd() const { tavlor::testing::Click(Editor->Pic_YN[1]); }
};

QString Text(const QLineEdit* box) {
  return box->text();
}

bool AskedOnce(const TestPrompter& prompter, const QString& question) {
  return prompter.Messages().size() >= 1 && prompter.Messages()[0].What == TestPrompter::Kind::Question &&
         prompter.Messages()[0].Text == question && prompter.Messages()[0].Title == QStringLiteral("提示");
}

// Whether `actual` holds `expected` as the file keeps it: a link value under a flag other than 1
// is not part of the file, so it is not compared.
bool SameAsStored(const GeneralEntry& actual, GeneralEntry expected) {
  if (expected.Links.HiddenLinkFlag != 1) expected.Links.HiddenLinkNo = actual.Links.HiddenLinkNo;
  if (expected.Links.FavouredFlag != 1) expected.Links.FavouredNo = actual.Links.FavouredNo;
  if (expected.Links.DislikedFlag != 1) expected.Links.DislikedNo = actual.Links.DislikedNo;
  return actual == expected;
}

const QString kChangeQuestion = QStringLiteral("你确定要修改并保存所选择的武将数据吗？");
const QString kAddQuestion = QStringLiteral("你确定要保存此新武将数据吗？");

}  // namespace

class EditingFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void pickShowsTheGeneralWithPortraitsAndLinks() {
    TestPrompter prompter;
    EditingProgram program;
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));

    QCOMPARE(program.Context->SelectedSlot, 0);
    QVERIFY(program.Context->RowPicked);
    QCOMPARE(Text(editor.tx_Name1[0]), QStringLiteral("织田"));
    QCOMPARE(Text(editor.tx_Name1[1]), QStringLiteral("信长"));
    QCOMPARE(Text(editor.tx_DY[0]), QStringLiteral("おだ"));
    QCOMPARE(Text(editor.tx_DY[1]), QStringLiteral("のぶなが"));
    // Years: the lifespan counts both end years, and the scenario ages follow the general.
    QCOMPARE(Text(editor.TX_year), QStringLiteral("1534"));
    QCOMPARE(Text(editor.TX_age), QStringLiteral("49"));
    QCOMPARE(editor.pbar_year->value(), 1534);  // the bars show the general's years
    QCOMPARE(editor.pbar_age->value(), 49);
    QCOMPARE(editor.lb_sm[0]->text(), QStringLiteral("1582"));
    QCOMPARE(editor.lb_sm[1]->text(), QStringLiteral(" 13岁"));  // 1546
    QCOMPARE(editor.lb_sm[5]->text(), QStringLiteral(" 49岁"));  // 1582, the year of death
    QCOMPARE(editor.lb_CityName->text(), tavlor::FromGbk(tavlor::texts::ListCity[12]));
    QCOMPARE(editor.lb4W[0]->text(), QStringLiteral("88"));
    QCOMPARE(editor.lb4W[4]->text(), QStringLiteral("70"));
    const int aptitudes[] = {2, 4, 2, 1, 1};
    for (int i = 0; i < 5; ++i) QCOMPARE(editor.Com_SS[i]->currentIndex(), aptitudes[i]);
    QCOMPARE(editor.COB_ZF->currentIndex(), 5);
    QCOMPARE(program.Context->State.CurOrigin, 1);
    QCOMPARE(program.Context->State.CurFace, 1);
    QCOMPARE(program.Context->State.CurCity, 12);

    // Links: affinity 339 (row 340), favoured 10001 (the second registered general), the unflagged
    // disliked general shows -1, the father's face number 8423 is game face 1700.
    QCOMPARE(Text(editor.tx_XXWJ[0]), QStringLiteral("339"));
    QCOMPARE(Text(editor.tx_XXWJ[1]), QStringLiteral("10001"));
    QCOMPARE(Text(editor.tx_XXWJ[2]), QStringLiteral("-1"));
    QCOMPARE(Text(editor.tx_XXWJ[3]), QStringLiteral("5"));
    QCOMPARE(editor.LB_XXWJ[0]->text(), QStringLiteral("B339"));
    QCOMPARE(editor.LB_XXWJ[1]->text(), QStringLiteral("伊达政宗"));
    QCOMPARE(editor.LB_XXWJ[2]->text(), QString());
    QCOMPARE(editor.LB_XXWJ[3]->text(), QStringLiteral("B5"));
    QCOMPARE(FaceSeed(editor.CG_PIC), kGameFace1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[0]), kGameFace1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[1]), kEditFace50);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[2]), -1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[3]), kGameFace1700);

    // Biography: lines 1, 2 and 4 filled and enabled, the empty line 3 emptied and disabled.
    QCOMPARE(Text(editor.Tx_Lz[1]), QStringLiteral("伊达"));
    QCOMPARE(Text(editor.Tx_Lz[2]), QString());
    QCOMPARE(Text(editor.Tx_Lz[3]), QStringLiteral("太郎"));
    QVERIFY(editor.Tx_Lz[0]->isEnabled() && editor.Tx_Lz[1]->isEnabled() && editor.Tx_Lz[3]->isEnabled());
    QVERIFY(!editor.Tx_Lz[2]->isEnabled());

    // The second general: an edit face, a woman of status 浪人, links from the last pick cleared,
    // no first biography line (its box emptied but left enabled).
    QVERIFY(program.PickRow(2));
    QCOMPARE(program.Context->SelectedSlot, 1);
    QCOMPARE(FaceSeed(editor.CG_PIC), kEditFace50);
    QCOMPARE(program.Context->State.CurFace, 1750);
    QCOMPARE(program.Context->State.CurSex, 0);
    QCOMPARE(program.Context->State.CurStatus, 3);
    QCOMPARE(program.Context->State.CurVoice, 9);
    QCOMPARE(Text(editor.tx_XXWJ[1]), QStringLiteral("-1"));
    QCOMPARE(Text(editor.tx_XXWJ[2]), QStringLiteral("10000"));
    QCOMPARE(Text(editor.tx_XXWJ[3]), QStringLiteral("-1"));
    QCOMPARE(editor.LB_XXWJ[1]->text(), QString());
    QCOMPARE(editor.LB_XXWJ[2]->text(), QStringLiteral("织田信长"));
    QCOMPARE(editor.LB_XXWJ[3]->text(), QString());
    QCOMPARE(FaceSeed(editor.PIC_SWJ[0]), kGameFace0);  // face number 4000 is drawn as game face 0
    QCOMPARE(FaceSeed(editor.PIC_SWJ[1]), -1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[2]), kGameFace1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[3]), -1);
    QCOMPARE(Text(editor.Tx_Lz[0]), QString());
    QVERIFY(editor.Tx_Lz[0]->isEnabled());
    QCOMPARE(Text(editor.Tx_Lz[1]), QStringLiteral("之助"));
    QCOMPARE(editor.lb_sm[0]->text(), QStringLiteral("1602"));

    // No face: the previous portrait does not stay, and CurFace does not carry it over.
    QVERIFY(program.PickRow(3));
    QVERIFY(editor.CG_PIC->IsEmpty());
    QCOMPARE(program.Context->State.CurFace, tavlor::kKeepStoredFace);

    // Face number 4001, an aptitude and a tactic beyond their lists, a city beyond the city list.
    QVERIFY(program.PickRow(4));
    QCOMPARE(FaceSeed(editor.CG_PIC), kGameFace1193);
    QCOMPARE(editor.Com_SS[3]->currentText(), QStringLiteral("?9"));
    QCOMPARE(editor.COB_ZF->currentText(), QStringLiteral("?200"));
    QCOMPARE(editor.lb_CityName->text(), QStringLiteral("?70"));
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
  }

  void changeWritesWhatWasSetAndSavingWritesIt() {
    TestPrompter prompter;
    EditingProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));
    editor.tx_Name1[0]->selectAll();
    tavlor::testing::TypeEach(editor.tx_Name1[0], QStringLiteral("伊达"));
    editor.lb4W[0]->setText(QStringLiteral("99"));  // as the ability picker leaves it
    editor.Com_SS[2]->setCurrentIndex(4);

    prompter.AnswerNext(true);
    program.PressChange();
    QVERIFY(AskedOnce(prompter, kChangeQuestion));
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(program.List->CellText(2, 1), QStringLiteral("伊达信长"));
    QCOMPARE(program.List->FlexRows(), 5);
    QCOMPARE(tavlor::SharedBuiltinGeneralLists().Name(2307), tavlor::ToGbk(QStringLiteral("伊达信长")));
    QCOMPARE(tavlor::SharedBuiltinGeneralLists().Cell(2, 2307), std::string("99"));

    prompter.Clear();
    prompter.AnswerNext(true);
    program.List->Command1->click();
    QVERIFY2(prompter.Messages().size() == 2, qPrintable(prompter.Texts().join(" | ")));
    QCOMPARE(prompter.Messages()[1].What, TestPrompter::Kind::Information);

    const auto saved = program.ReadBack();
    QVERIFY(saved != nullptr);
    QCOMPARE(saved->GeneralCount, 4);
    GeneralEntry expected = program.Original->Slots[0];
    Put(expected.Record.FamilyName, SjisOf({8, 9}));
    expected.Record.Leadership = 99;
    expected.Record.AptBow = 4;
    QVERIFY(SameAsStored(saved->Slots[0], expected));
    for (int slot = 1; slot < 4; ++slot)
      QVERIFY(SameAsStored(saved->Slots[slot], program.Original->Slots[slot]));
  }

  void answeringNoChangesNothing() {
    TestPrompter prompter;
    EditingProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(2));
    editor.tx_Name1[1]->setText(QStringLiteral("太郎"));
    editor.lb4W[1]->setText(QStringLiteral("1"));
    const auto before = std::make_unique<GeneralTable>(program.Context->Table);

    program.PressChange();  // the queue is empty: No
    program.PressAdd();
    QCOMPARE(prompter.Messages().size(), 2);
    QCOMPARE(prompter.Messages()[0].Text, kChangeQuestion);
    QCOMPARE(prompter.Messages()[1].Text, kAddQuestion);
    QCOMPARE(program.Context->Table.GeneralCount, 4);
    QVERIFY(program.Context->Table.Slots == before->Slots);
    QCOMPARE(program.List->FlexRows(), 5);
    QCOMPARE(program.List->CellText(2, 2), QStringLiteral("伊达政宗"));
    QCOMPARE(tavlor::SharedBuiltinGeneralLists().RowCount(), 2307 + 4);
    QCOMPARE(tavlor::SharedBuiltinGeneralLists().Name(2308), tavlor::ToGbk(QStringLiteral("伊达政宗")));
  }

  void addAppendsAGeneralBehindTheLast() {
    TestPrompter prompter;
    EditingProgram program;
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(2));
    editor.tx_Name1[1]->setText(QStringLiteral("太郎"));

    prompter.AnswerNext(true);
    program.PressAdd();
    QVERIFY(AskedOnce(prompter, kAddQuestion));
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(program.Context->Table.GeneralCount, 5);
    QCOMPARE(program.List->FlexRows(), 6);
    QCOMPARE(program.List->CellText(1, 5), QStringLiteral(" 4"));
    QCOMPARE(program.List->CellText(2, 5), QStringLiteral("伊达太郎"));
    const tavlor::BuiltinGeneralLists& lists = tavlor::SharedBuiltinGeneralLists();
    QCOMPARE(lists.RowCount(), 2307 + 5);
    QCOMPARE(lists.Name(2311), tavlor::ToGbk(QStringLiteral("伊达太郎")));
    QCOMPARE(lists.Cell(1, 2311), std::string("1750"));
    // The picked general is still the one "change" targets, and is untouched.
    QCOMPARE(program.Context->SelectedSlot, 1);
    QVERIFY(SameAsStored(program.Context->Table.Slots[1], program.Original->Slots[1]));

    const GeneralEntry& added = program.Context->Table.Slots[4];
    QCOMPARE(added.Appendix.GeneralNo, 10004);
    QCOMPARE(added.Record.FaceNo, 1750);
    QCOMPARE(added.Appendix.Status, 3);
    QVERIFY(added.Record.GivenName == program.Original->Slots[2].Record.FamilyName);  // 太郎

    // Saved and read back, the new general is the fifth.
    prompter.Clear();
    prompter.AnswerNext(true);
    program.List->Command1->click();
    const auto saved = program.ReadBack();
    QVERIFY(saved != nullptr);
    QCOMPARE(saved->GeneralCount, 5);
    QVERIFY(saved->Slots[4].Record == added.Record);
  }

  void changeBeforeAnyPickIsRefused() {
    TestPrompter prompter;
    EditingProgram program;
    const auto before = std::make_unique<GeneralTable>(program.Context->Table);
    const QString refusal = tavlor::Caption(tavlor::texts::PickGeneralFirst);

    prompter.AnswerNext(true);
    program.PressChange();
    QCOMPARE(prompter.Messages().size(), 2);
    QCOMPARE(prompter.Messages()[1].What, TestPrompter::Kind::Warning);
    QCOMPARE(prompter.Messages()[1].Text, refusal);
    QCOMPARE(prompter.Messages()[1].Title, QStringLiteral("提示"));
    QVERIFY(program.Context->Table.Slots == before->Slots);

    // A reload forgets the pick: "change" is refused again instead of writing a slot of the
    // freshly read table.
    QVERIFY(program.PickRow(1));
    program.List->Command2->click();
    QVERIFY(!program.Context->RowPicked);
    prompter.Clear();
    prompter.AnswerNext(true);
    program.PressChange();
    QCOMPARE(prompter.Messages().size(), 2);
    QCOMPARE(prompter.Messages()[1].Text, refusal);
    QVERIFY(program.Context->Table.Slots == before->Slots);
  }

  void showThenChangeKeepsEveryShownGeneral() {
    TestPrompter prompter;
    EditingProgram program;
    Form1& editor = *program.Editor;
    for (int row = 1; row <= 4; ++row) {
      QVERIFY(program.PickRow(row));
      const QString age = Text(editor.TX_age);
      const QString deathYear = editor.lb_sm[0]->text();
      prompter.AnswerNext(true);
      program.PressChange();
      QCOMPARE(Text(editor.TX_age), age);
      QCOMPARE(editor.lb_sm[0]->text(), deathYear);
    }
    QCOMPARE(prompter.Messages().size(), 4);  // four questions, no refusal

    prompter.AnswerNext(true);
    program.List->Command1->click();
    const auto saved = program.ReadBack();
    QVERIFY(saved != nullptr);
    QCOMPARE(saved->GeneralCount, 4);
    for (int slot = 0; slot < 4; ++slot) {
      QVERIFY2(SameAsStored(saved->Slots[slot], program.Original->Slots[slot]),
               qPrintable(QStringLiteral("slot %1").arg(slot)));
    }
  }

  void missingEditArchiveIsReportedOncePerPick() {
    TestPrompter prompter;
    EditingProgram program;
    std::filesystem::remove(program.Folder().Game() / "grp" / "EDIT_KAO_l.N13");
    Form1& editor = *program.Editor;
    QVERIFY(program.PickRow(1));  // favoured general 10001 has an edit face
    QCOMPARE(prompter.Messages().size(), 1);
    QCOMPARE(prompter.Messages()[0].What, TestPrompter::Kind::Error);
    QCOMPARE(prompter.Messages()[0].Text, tavlor::FromGbk(tavlor::texts::FaceArchiveOpenError));
    QCOMPARE(FaceSeed(editor.CG_PIC), kGameFace1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[0]), kGameFace1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[1]), -1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[3]), kGameFace1700);
    QCOMPARE(editor.LB_XXWJ[1]->text(), QStringLiteral("伊达政宗"));

    // An edit portrait and an edit link face: still one report, and the game faces are drawn.
    tavlor::SharedBuiltinGeneralLists().SetRow(2307, {"X", "1760", "1", "2", "3", "4"});
    prompter.Clear();
    QVERIFY(program.PickRow(2));
    QCOMPARE(prompter.Messages().size(), 1);
    QVERIFY(editor.CG_PIC->IsEmpty());
    QCOMPARE(editor.LB_XXWJ[2]->text(), QStringLiteral("X"));
    QCOMPARE(FaceSeed(editor.PIC_SWJ[2]), -1);
    QCOMPARE(FaceSeed(editor.PIC_SWJ[0]), kGameFace0);
  }

  // The bundled demo game, when the build made it: the first general shows with its portrait and
  // the small portraits of every related general that has a name. With TAVLOR_SCREENSHOT_DIR set
  // the editor is saved there as editor-after-pick.png for a look.
  void demoGeneralShowsWithItsPortraits() {
    const std::filesystem::path demo = tavlor::testing::DemoGameFolder();
    if (demo.empty()) QSKIP("this build paints no demo game");
    // A program folder of the test's own, its Set.ini naming the demo's archives and a copy of its
    // edit-data file.
    tavlor::testing::ShippedProgramFolder folder;
    std::filesystem::copy_file(demo / "EDATA000.13S", folder / "EDATA000.13S");
    folder.WriteSetIni(demo, folder / "EDATA000.13S");
    TestPrompter prompter;
    tavlor::testing::RunningProgram program(
        tavlor::testing::RunningProgramOptions().WithProgramFolder(folder.Path()));
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
    QVERIFY(program.Context->Table.GeneralCount > 0);
    QVERIFY(program.PickRow(1));

    Form1& editor = *program.Editor;
    QCOMPARE(Text(editor.tx_Name1[0]) + Text(editor.tx_Name1[1]), program.List->MFLX->item(0, 2)->text());
    QVERIFY(!editor.CG_PIC->IsEmpty());
    for (int row = 0; row < 4; ++row) {
      if (!editor.LB_XXWJ[row]->text().isEmpty()) QVERIFY(!editor.PIC_SWJ[row]->IsEmpty());
    }
    const QByteArray shots = qgetenv("TAVLOR_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
      editor.show();
      QVERIFY(editor.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/editor-after-pick.png")));
    }
    QVERIFY2(prompter.Messages().isEmpty(), qPrintable(prompter.Texts().join(" | ")));
  }
};

QTEST_MAIN(EditingFlowTest)
#include "EditingFlowTest.moc"
