// Writing the editor's values into a slot: fixed fields, texts cut and padded, numbers by the
// leading-number rule, link flags and the face-number mapping.
#include <gtest/gtest.h>

#include "core/editor/EditorValues.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

using testing::Big5Of;
using testing::GbkOf;
using testing::SjisOf;

template <std::size_t Width>
std::string Field(const TextField<Width>& field) {
  return FieldBytes(field);
}

std::string Padded(std::string text, std::size_t width) {
  text.resize(width, '\0');
  return text;
}

class WriteGeneralTest : public ::testing::Test {
 protected:
  GeneralEntry& Write(int slot, bool simplified = true) {
    WriteGeneral(values, state, slot, *table, *tables, simplified);
    return table->Slots[static_cast<std::size_t>(slot)];
  }

  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::unique_ptr<GeneralTable> table = std::make_unique<GeneralTable>();
  EditorValues values = DefaultEditorValues();
  EditorState state;
};

TEST_F(WriteGeneralTest, FixedFieldsReplaceWhateverTheSlotHeld) {
  GeneralEntry& old = table->Slots[7];
  old.Record.TagFill = {1, 2};
  old.Record.HeadA = old.Record.HeadB = old.Record.HeadC = old.Record.HeadD = old.Record.HeadE = 99;
  old.Record.Reserved1 = 99;
  old.Record.BioTail = {1, 2, 3, 4, 5, 6};
  old.Links = {1, 555, 1, 666, 1, 777};
  old.Appendix.GeneralNo = 3;
  old.Appendix.AppearFlag = 0;
  old.Appendix.AppendixTail = {};

  const GeneralEntry& entry = Write(7);
  EXPECT_EQ(Field(entry.Record.Tag), "NOBU13EDITB_V6");
  EXPECT_EQ(entry.Record.TagFill, (std::array<uint8_t, 2>{32, 32}));
  EXPECT_EQ(entry.Record.HeadA, 6);
  EXPECT_EQ(entry.Record.HeadB, 0);
  EXPECT_EQ(entry.Record.HeadC, 1);
  EXPECT_EQ(entry.Record.HeadD, 0);
  EXPECT_EQ(entry.Record.HeadE, 0);
  EXPECT_EQ(entry.Record.Reserved1, 0);
  EXPECT_EQ(entry.Record.BioTail, (std::array<uint8_t, 6>{}));
  EXPECT_EQ(entry.Appendix.GeneralNo, 10007);
  EXPECT_EQ(entry.Appendix.AppearFlag, 1);
  EXPECT_EQ(entry.Appendix.AppendixTail, (std::array<uint8_t, 8>{255, 255, 255, 255, 255, 255, 255, 255}));
  // The hidden pair is cleared; the default favoured and disliked boxes hold -1, which clears
  // their flags and keeps the old values in memory.
  EXPECT_EQ(entry.Links, (GeneralLinks{0, 555, 0, 666, 0, 777}));
}

TEST_F(WriteGeneralTest, StateAndNumbersGoToTheirFields) {
  values.BirthYearText = "1560";
  values.DeathYearText = "1589";
  values.AbilityTexts = {"12.5", "13.5", " 85", "abc", "100"};  // halves to even; no number is 0
  values.Aptitudes = {0, 1, 2, 3, 9};
  values.Tactic = 56;
  values.LinkNumberTexts = {"339", "120", "10003", "-1"};
  state = EditorState{0, 12, 3, 11, 70, 1750, 5};
  const GeneralEntry& entry = Write(0);
  const GeneralRecord& r = entry.Record;
  EXPECT_EQ(r.Sex, 0);
  EXPECT_EQ(r.Origin, 12);
  EXPECT_EQ(r.BirthYear, 1560);
  EXPECT_EQ(r.DeathYear, 1589);
  EXPECT_EQ(r.Leadership, 12);
  EXPECT_EQ(r.Valor, 14);
  EXPECT_EQ(r.Intellect, 85);
  EXPECT_EQ(r.Politics, 0);
  EXPECT_EQ(entry.Appendix.Duty, 100);
  EXPECT_EQ(r.AptAshigaru, 0);
  EXPECT_EQ(r.AptSiege, 9);  // kept as the general had it
  EXPECT_EQ(entry.Appendix.Tactic, 56);
  EXPECT_EQ(r.AffinityNo, 339);
  EXPECT_EQ(r.FatherNo, -1);
  EXPECT_EQ(entry.Links.FavouredFlag, 1);
  EXPECT_EQ(entry.Links.FavouredNo, 120);
  EXPECT_EQ(entry.Links.DislikedFlag, 1);
  EXPECT_EQ(entry.Links.DislikedNo, 10003);
  EXPECT_EQ(entry.Appendix.CityNo, 70);
  EXPECT_EQ(entry.Appendix.Status, 3);
  EXPECT_EQ(entry.Appendix.Voice, 11);
  EXPECT_EQ(r.FaceNo, 1750);
}

TEST_F(WriteGeneralTest, NamesAreTrimmedConvertedAndCutWithoutSplittingACharacter) {
  values.Names = {"  " + GbkOf({0, 1}) + " ", GbkOf({2, 3, 4, 5, 6, 7})};  // the given name is 12 bytes
  values.Readings = {GbkOf({12, 13}), GbkOf({12, 13, 14, 15, 16, 17, 12, 13, 14, 15})};  // 20 bytes
  const GeneralRecord& r = Write(0).Record;
  EXPECT_EQ(Field(r.FamilyName), Padded(SjisOf({0, 1}), 11));
  EXPECT_EQ(Field(r.GivenName), Padded(SjisOf({2, 3, 4, 5, 6}), 11));  // 10 bytes and a NUL
  EXPECT_EQ(Field(r.FamilyReading), Padded(SjisOf({12, 13}), 19));
  EXPECT_EQ(Field(r.GivenReading), Padded(SjisOf({12, 13, 14, 15, 16, 17, 12, 13, 14}), 19));
}

TEST_F(WriteGeneralTest, BiographyLinesAndTheirBreaks) {
  const std::string eighteen = GbkOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
  const std::string seventeen = GbkOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  values.BioLines = {eighteen, seventeen, "", eighteen + GbkOf({0})};
  const GeneralRecord& r = Write(0).Record;
  EXPECT_EQ(Field(r.BioLine1), SjisOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
  EXPECT_EQ(r.BioBreak1, 10);
  EXPECT_EQ(Field(r.BioLine2),
            Padded(SjisOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}), 36));
  EXPECT_EQ(r.BioBreak2, 0);
  EXPECT_EQ(Field(r.BioLine3), std::string(36, '\0'));
  EXPECT_EQ(r.BioBreak3, 0);
  EXPECT_EQ(Field(r.BioLine4).size(), 36u);  // a 19th character is cut off
}

TEST_F(WriteGeneralTest, TraditionalTextsPassBig5ToGbFirst) {
  values.Names = {Big5Of({0, 1}), Big5Of({2, 3})};
  values.Readings = {Big5Of({12}), Big5Of({13})};
  values.BioLines = {Big5Of({9, 10, 11}), "", "", ""};
  const GeneralRecord& r = Write(0, false).Record;
  EXPECT_EQ(Field(r.FamilyName), Padded(SjisOf({0, 1}), 11));
  EXPECT_EQ(Field(r.GivenName), Padded(SjisOf({2, 3}), 11));
  EXPECT_EQ(Field(r.FamilyReading), Padded(SjisOf({12}), 19));
  EXPECT_EQ(Field(r.GivenReading), Padded(SjisOf({13}), 19));
  EXPECT_EQ(Field(r.BioLine1), Padded(SjisOf({9, 10, 11}), 36));
}

TEST_F(WriteGeneralTest, FaceCodesMapToFaceNumbers) {
  struct Case {
    int Code;
    int32_t OldFaceNo;
    int32_t Stored;
  };
  const Case cases[] = {
      {1197, 0, 4005},
      {1215, 0, 5001},
      {1300, 0, 8023},
      {1750, 0, 1750},
      {1500, 4321, 4321},             // outside every category: the old number stays
      {1200, 1200, 1200},             // 1200 and 4008 both name game face 1200: kept
      {1201, 1200, 4009},             // another face: mapped
      {1700, 8423, 1700},             // edit face 0, not game face 1700
      {kKeepStoredFace, 4000, 4000},  // shown with no face: kept
  };
  for (const Case& c : cases) {
    table->Slots[0].Record.FaceNo = c.OldFaceNo;
    state.CurFace = c.Code;
    EXPECT_EQ(Write(0).Record.FaceNo, c.Stored) << "code " << c.Code << " old " << c.OldFaceNo;
  }
}

TEST_F(WriteGeneralTest, FavouredMinusOneClearsTheFlagAndKeepsTheValue) {
  table->Slots[0].Links = {0, 0, 1, 120, 1, 77};
  values.LinkNumberTexts = {"339", "-1", "-1", "-1"};
  const GeneralLinks& links = Write(0).Links;
  EXPECT_EQ(links.FavouredFlag, 0);
  EXPECT_EQ(links.FavouredNo, 120);
  EXPECT_EQ(links.DislikedFlag, 0);
  EXPECT_EQ(links.DislikedNo, 77);
}

TEST_F(WriteGeneralTest, SlotsOutsideTheTableAreLeftAlone) {
  const auto copy = std::make_unique<GeneralTable>(*table);
  WriteGeneral(values, state, -1, *table, *tables, true);
  WriteGeneral(values, state, 1000, *table, *tables, true);
  EXPECT_TRUE(*copy == *table);
}

}  // namespace
}  // namespace tavlor
