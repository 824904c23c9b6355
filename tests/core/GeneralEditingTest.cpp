// Adding and changing generals: outcomes, list rows, and the round trip show -> change.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/data/EditData.h"
#include "core/editor/GeneralEditing.h"
#include "core/lang/InterfaceTexts.h"
#include "support/RandomTable.h"
#include "support/ShippedFiles.h"
#include "support/SmallTextTables.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::GbkOf;
using testing::SjisOf;

BuiltinGeneralLists BuiltinLists() {
  BuiltinGeneralLists lists;
  for (int row = 1; row < kBuiltinRowCount; ++row)
    lists.AppendRow({"B" + std::to_string(row), std::to_string(row), "1", "2", "3", "4"});
  return lists;
}

class GeneralEditingTest : public ::testing::Test {
 protected:
  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::unique_ptr<GeneralTable> table = std::make_unique<GeneralTable>();
  BuiltinGeneralLists lists = BuiltinLists();
  // The default readings' kana are not in the small tables, and a write refuses what it cannot store.
  EditorValues values = [] {
    EditorValues defaults = DefaultEditorValues();
    defaults.Readings = {testing::GbkOf({12, 13}), testing::GbkOf({14, 15})};
    return defaults;
  }();
  EditorState state;
};

TEST_F(GeneralEditingTest, AddingToAnEmptyTableWritesSlotZeroAndItsListRow) {
  values.Names = {GbkOf({0, 1}), GbkOf({2, 3})};
  values.AbilityTexts = {"81", "82", "83", "84", "50"};
  state.CurFace = 1197;
  const EditResult result = AddGeneral(values, state, *table, lists, *tables, true);
  EXPECT_EQ(result.Outcome, EditOutcome::Added);
  EXPECT_TRUE(result.Message.empty());
  EXPECT_EQ(result.Slot, 0);
  EXPECT_EQ(table->GeneralCount, 1);
  EXPECT_EQ(table->Slots[0].Appendix.GeneralNo, 10000);
  ASSERT_EQ(lists.RowCount(), kBuiltinRowCount + 1);
  EXPECT_EQ(lists.Row(2307), (ListRow{GbkOf({0, 1, 2, 3}), "4005", "81", "82", "83", "84"}));

  // Pressing "add" again adds an equal general with the next General number.
  EXPECT_EQ(AddGeneral(values, state, *table, lists, *tables, true).Slot, 1);
  EXPECT_EQ(table->Slots[1].Appendix.GeneralNo, 10001);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 2);
}

TEST_F(GeneralEditingTest, AddingToAFullTableChangesNothing) {
  table->GeneralCount = 1000;
  const auto before = std::make_unique<GeneralTable>(*table);
  const EditResult result = AddGeneral(values, state, *table, lists, *tables, true);
  EXPECT_EQ(result.Outcome, EditOutcome::TableFull);
  EXPECT_EQ(result.Message, texts::GeneralTableFull);
  EXPECT_FALSE(result.Succeeded());
  EXPECT_TRUE(*before == *table);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount);
}

TEST_F(GeneralEditingTest, ChangeNeedsAPickedGeneralInUse) {
  table->GeneralCount = 2;
  const auto before = std::make_unique<GeneralTable>(*table);
  EditResult result = ChangeGeneral(values, state, std::nullopt, *table, lists, *tables, true);
  EXPECT_EQ(result.Outcome, EditOutcome::NoGeneralPicked);
  EXPECT_EQ(result.Message, texts::PickGeneralFirst);
  result = ChangeGeneral(values, state, 2, *table, lists, *tables, true);
  EXPECT_EQ(result.Outcome, EditOutcome::PickedGeneralMissing);
  EXPECT_EQ(result.Message, texts::PickedGeneralMissing);
  EXPECT_EQ(ChangeGeneral(values, state, -1, *table, lists, *tables, true).Outcome,
            EditOutcome::PickedGeneralMissing);
  EXPECT_TRUE(*before == *table);
}

TEST_F(GeneralEditingTest, BirthYearBelowOneIsRefusedSoLaterGeneralsStayReadable) {
  table->GeneralCount = 1;
  values.BirthYearText = "0";
  const auto before = std::make_unique<GeneralTable>(*table);
  EXPECT_EQ(ChangeGeneral(values, state, 0, *table, lists, *tables, true).Outcome,
            EditOutcome::BirthYearNotPositive);
  values.BirthYearText = "abc";
  const EditResult result = AddGeneral(values, state, *table, lists, *tables, true);
  EXPECT_EQ(result.Outcome, EditOutcome::BirthYearNotPositive);
  EXPECT_EQ(result.Message, texts::BirthYearMustBePositive);
  EXPECT_TRUE(*before == *table);
}

TEST_F(GeneralEditingTest, ChangeRewritesTheSlotAndItsRowInGbk) {
  table->GeneralCount = 3;
  for (int k = 0; k < 3; ++k) lists.AppendRow({"R" + std::to_string(k), "0", "0", "0", "0", "0"});
  values.Names = {testing::Big5Of({8, 9}), testing::Big5Of({10, 11})};  // typed in Traditional
  const EditResult result = ChangeGeneral(values, state, 1, *table, lists, *tables, false);
  EXPECT_EQ(result.Outcome, EditOutcome::Changed);
  EXPECT_EQ(table->GeneralCount, 3);
  EXPECT_EQ(table->Slots[1].Appendix.GeneralNo, 10001);
  EXPECT_EQ(FieldBytes(table->Slots[1].Record.FamilyName).substr(0, 4), SjisOf({8, 9}));
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 3);
  EXPECT_EQ(lists.Name(2308), GbkOf({8, 9, 10, 11}));  // the lists hold GBK in either language
  EXPECT_EQ(lists.Name(2307), "R0");
  EXPECT_EQ(lists.Name(2309), "R2");
}

TEST_F(GeneralEditingTest, AddingTheDefaultsGivesTheDesignTimeGeneral) {
  const std::filesystem::path folder = testing::ShippedFolder();
  TextTables shipped;
  LoadGbkJisTables(folder, shipped.GbkJis);
  ASSERT_EQ(AddGeneral(DefaultEditorValues(), EditorState{}, *table, lists, shipped, true).Outcome,
            EditOutcome::Added);
  const GeneralEntry& entry = table->Slots[0];
  EXPECT_EQ(FieldBytes(entry.Record.FamilyName), std::string("\x90\x56", 2) + std::string(9, '\0'));
  EXPECT_EQ(FieldBytes(entry.Record.GivenName).substr(0, 5), std::string("\x95\x90\x8f\xab\0", 5));
  EXPECT_EQ(FieldBytes(entry.Record.FamilyReading).substr(0, 9),
            std::string("\x82\x9f\x82\xa7\x82\xa5\x82\xa8\0", 9));
  EXPECT_EQ(FieldBytes(entry.Record.GivenReading).substr(0, 9),
            std::string("\x82\xab\x82\xb1\x82\xba\x82\xc3\0", 9));
  EXPECT_EQ(entry.Record.BirthYear, 1500);
  EXPECT_EQ(entry.Record.DeathYear, 1515);  // lifespan 16 counts both end years
  EXPECT_EQ(entry.Record.Sex, 1);
  EXPECT_EQ(entry.Record.Origin, 0);
  EXPECT_EQ(entry.Record.FaceNo, 0);
  EXPECT_EQ(entry.Record.Leadership, 70);
  EXPECT_EQ(entry.Appendix.Duty, 50);
  EXPECT_EQ(entry.Record.AffinityNo, 339);
  EXPECT_EQ(entry.Record.FatherNo, -1);
  EXPECT_EQ(entry.Links.FavouredFlag, 0);
  EXPECT_EQ(entry.Appendix.CityNo, 36);
  EXPECT_EQ(entry.Appendix.Status, 7);
  EXPECT_EQ(entry.Appendix.Voice, 4);
  EXPECT_EQ(FieldBytes(entry.Record.BioLine1), std::string(36, '\0'));
}

// --- Round trip: showing a general and changing it without an edit keeps what the editor shows.

template <std::size_t Width>
void PutRandomText(TextField<Width>& field, std::mt19937& random) {
  const std::size_t characters = random() % (Width / 2 + 1);
  std::string sjis;
  for (std::size_t i = 0; i < characters; ++i) {
    const auto& c = testing::kSampleCharacters[random() % std::size(testing::kSampleCharacters)];
    sjis += testing::Codes({c.Sjis});
  }
  StoreField(field, sjis);
}

// Face numbers spread over every range of the face-number rule and its edges.
int32_t RandomFaceNumber(std::mt19937& random) {
  const int32_t edges[] = {0,    1191, 1192, 1291, 1292, 1699, 1700, 2799, 2800, 4000, 4001,
                           4999, 5000, 5001, 6000, 7000, 8000, 8178, 8179, 8423, -1};
  if (random() % 2 == 0) return edges[random() % std::size(edges)];
  return static_cast<int32_t>(random() % 9000);
}

// Random generals whose texts hold characters the tables carry.
std::unique_ptr<GeneralTable> RandomGenerals(std::mt19937& random, int count) {
  auto table = testing::RandomTable(random, count);
  for (int k = 0; k < count; ++k) {
    GeneralRecord& r = table->Slots[static_cast<std::size_t>(k)].Record;
    r.FaceNo = RandomFaceNumber(random);
    PutRandomText(r.FamilyName, random);
    PutRandomText(r.GivenName, random);
    PutRandomText(r.FamilyReading, random);
    PutRandomText(r.GivenReading, random);
    PutRandomText(r.BioLine1, random);
    PutRandomText(r.BioLine2, random);
    PutRandomText(r.BioLine3, random);
    PutRandomText(r.BioLine4, random);
  }
  return table;
}

void ExpectShownValuesKept(const GeneralEntry& was, const GeneralEntry& now, int slot) {
  const GeneralRecord& a = was.Record;
  const GeneralRecord& b = now.Record;
  SCOPED_TRACE("slot " + std::to_string(slot));
  EXPECT_EQ(FieldBytes(a.FamilyName), FieldBytes(b.FamilyName));
  EXPECT_EQ(FieldBytes(a.GivenName), FieldBytes(b.GivenName));
  EXPECT_EQ(FieldBytes(a.FamilyReading), FieldBytes(b.FamilyReading));
  EXPECT_EQ(FieldBytes(a.GivenReading), FieldBytes(b.GivenReading));
  EXPECT_EQ(FieldBytes(a.BioLine1), FieldBytes(b.BioLine1));
  EXPECT_EQ(FieldBytes(a.BioLine2), FieldBytes(b.BioLine2));
  EXPECT_EQ(FieldBytes(a.BioLine3), FieldBytes(b.BioLine3));
  EXPECT_EQ(FieldBytes(a.BioLine4), FieldBytes(b.BioLine4));
  EXPECT_EQ(a.Sex, b.Sex);
  EXPECT_EQ(a.FaceNo, b.FaceNo);
  EXPECT_EQ(a.BirthYear, b.BirthYear);
  EXPECT_EQ(a.DeathYear, b.DeathYear);
  EXPECT_EQ(a.Origin, b.Origin);
  EXPECT_EQ(a.FatherNo, b.FatherNo);
  EXPECT_EQ(a.AffinityNo, b.AffinityNo);
  EXPECT_EQ(a.Leadership, b.Leadership);
  EXPECT_EQ(a.Valor, b.Valor);
  EXPECT_EQ(a.Intellect, b.Intellect);
  EXPECT_EQ(a.Politics, b.Politics);
  EXPECT_EQ(a.AptAshigaru, b.AptAshigaru);
  EXPECT_EQ(a.AptCavalry, b.AptCavalry);
  EXPECT_EQ(a.AptBow, b.AptBow);
  EXPECT_EQ(a.AptGun, b.AptGun);
  EXPECT_EQ(a.AptSiege, b.AptSiege);
  EXPECT_EQ(was.Appendix.Duty, now.Appendix.Duty);
  EXPECT_EQ(was.Appendix.CityNo, now.Appendix.CityNo);
  EXPECT_EQ(was.Appendix.Status, now.Appendix.Status);
  EXPECT_EQ(was.Appendix.Voice, now.Appendix.Voice);
  EXPECT_EQ(was.Appendix.Tactic, now.Appendix.Tactic);
  // A favoured or disliked general the editor shows comes back; one it does not show stays
  // unshown (flag 0) with its value kept in memory.
  const bool favoured = was.Links.FavouredFlag == 1 && was.Links.FavouredNo != -1;
  EXPECT_EQ(now.Links.FavouredFlag, favoured ? 1 : 0);
  EXPECT_EQ(now.Links.FavouredNo, was.Links.FavouredNo);
  const bool disliked = was.Links.DislikedFlag == 1 && was.Links.DislikedNo != -1;
  EXPECT_EQ(now.Links.DislikedFlag, disliked ? 1 : 0);
  EXPECT_EQ(now.Links.DislikedNo, was.Links.DislikedNo);
  // The fixed fields take the written values.
  EXPECT_EQ(now.Appendix.GeneralNo, 10000 + slot);
  EXPECT_EQ(now.Appendix.AppearFlag, 1);
  EXPECT_EQ(now.Links.HiddenLinkFlag, 0);
}

// Shows every general and changes it with the values shown, the state carried from one general to
// the next as in the editor.
void ShowAndChangeAll(GeneralTable& table, BuiltinGeneralLists& lists, TextTables& tables, bool simplified) {
  EditorValues values = DefaultEditorValues();
  EditorState state;
  for (int slot = 0; slot < table.GeneralCount; ++slot) {
    const ShownGeneral shown = ShowGeneral(table, slot, values, state, lists, tables, simplified);
    ASSERT_EQ(ChangeGeneral(shown.Values, shown.State, slot, table, lists, tables, simplified).Outcome,
              EditOutcome::Changed);
    values = shown.Values;
    state = shown.State;
  }
}

TEST_F(GeneralEditingTest, ShowThenChangeKeepsRandomGeneralsAndIsStableAfterwards) {
  for (const bool simplified : {true, false}) {
    std::mt19937 random(simplified ? 1234 : 5678);
    auto generals = RandomGenerals(random, 300);
    RefreshGeneralLists(lists, *generals, tables->GbkJis);
    const auto original = std::make_unique<GeneralTable>(*generals);

    ShowAndChangeAll(*generals, lists, *tables, simplified);
    for (int slot = 0; slot < generals->GeneralCount; ++slot)
      ExpectShownValuesKept(original->Slots[slot], generals->Slots[slot], slot);

    // A general the editor itself wrote comes back byte for byte.
    const auto written = std::make_unique<GeneralTable>(*generals);
    ShowAndChangeAll(*generals, lists, *tables, simplified);
    EXPECT_EQ(SerializeEditData(*written), SerializeEditData(*generals));
    EXPECT_TRUE(*written == *generals);
  }
}

TEST_F(GeneralEditingTest, ShowThenChangeKeepsTheDemoGenerals) {
  if (testing::DemoGameFolder().empty()) GTEST_SKIP() << "this build paints no demo game";
  const std::filesystem::path demo = testing::DemoGameFolder() / "EDATA000.13S";
  const std::filesystem::path folder = testing::ShippedFolder();
  TextTables shipped;
  LoadGbkJisTables(folder, shipped.GbkJis);
  shipped.GbBig5.ProgramFolder = folder;
  LoadGbBig5Tables(shipped.GbBig5);
  // Work on a copy: the demo file stays as the demo tool wrote it.
  testing::TempFolder temp;
  std::filesystem::copy_file(demo, temp / "EDATA000.13S");
  auto demoTable = std::make_unique<GeneralTable>();
  ASSERT_FALSE(LoadEditData(temp / "EDATA000.13S", *demoTable).Error);
  ASSERT_GT(demoTable->GeneralCount, 0);
  RefreshGeneralLists(lists, *demoTable, shipped.GbkJis);
  const auto original = std::make_unique<GeneralTable>(*demoTable);
  ShowAndChangeAll(*demoTable, lists, shipped, true);
  for (int slot = 0; slot < demoTable->GeneralCount; ++slot)
    ExpectShownValuesKept(original->Slots[slot], demoTable->Slots[slot], slot);
  const auto written = std::make_unique<GeneralTable>(*demoTable);
  ShowAndChangeAll(*demoTable, lists, shipped, true);
  EXPECT_EQ(SerializeEditData(*written), SerializeEditData(*demoTable));
}

}  // namespace
}  // namespace tavlor
