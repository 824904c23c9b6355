// Showing a general: the values and state the editor receives from one slot.
#include <gtest/gtest.h>

#include <climits>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/lang/InterfaceTexts.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

using testing::Big5Of;
using testing::GbkOf;
using testing::SjisOf;

template <std::size_t Width>
void Put(TextField<Width>& field, const std::string& bytes) {
  StoreField(field, bytes);
}

// Lists with every built-in row (name "B<n>", face number n) and `registered` rows behind them.
BuiltinGeneralLists ListsWithRegistered(int registered) {
  BuiltinGeneralLists lists;
  for (int row = 1; row < kBuiltinRowCount; ++row)
    lists.AppendRow({"B" + std::to_string(row), std::to_string(row), "1", "2", "3", "4"});
  for (int k = 0; k < registered; ++k) lists.AppendRow({"R" + std::to_string(k), "1750", "1", "2", "3", "4"});
  return lists;
}

class ShowGeneralTest : public ::testing::Test {
 protected:
  ShownGeneral Show(int slot, bool simplified = true) {
    return ShowGeneral(*table, slot, before, state, lists, *tables, simplified);
  }
  GeneralEntry& Slot(int slot) { return table->Slots[static_cast<std::size_t>(slot)]; }

  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::unique_ptr<GeneralTable> table = std::make_unique<GeneralTable>();
  BuiltinGeneralLists lists = ListsWithRegistered(5);
  EditorValues before = DefaultEditorValues();
  EditorState state;
};

TEST_F(ShowGeneralTest, NoSlotShowsNothing) {
  state.CurFace = 77;
  const ShownGeneral shown = Show(-1);
  EXPECT_EQ(shown.Values, before);
  EXPECT_EQ(shown.State, state);
  EXPECT_FALSE(shown.Portrait);
}

TEST_F(ShowGeneralTest, NamesAndReadingsAreConvertedAndTrimmed) {
  Put(Slot(0).Record.FamilyName, " " + SjisOf({0, 1}) + "  ");
  Put(Slot(0).Record.GivenName, SjisOf({2, 3}));
  Put(Slot(0).Record.FamilyReading, SjisOf({12, 13}));
  Put(Slot(0).Record.GivenReading, SjisOf({14, 15, 16, 17}));
  const ShownGeneral simplified = Show(0);
  EXPECT_EQ(simplified.Values.Names[0], GbkOf({0, 1}));  // 织田
  EXPECT_EQ(simplified.Values.Names[1], GbkOf({2, 3}));  // 信长
  EXPECT_EQ(simplified.Values.Readings[0], GbkOf({12, 13}));
  EXPECT_EQ(simplified.Values.Readings[1], GbkOf({14, 15, 16, 17}));

  const ShownGeneral traditional = Show(0, false);
  EXPECT_EQ(traditional.Values.Names[0], testing::Big5Of({0, 1}));  // 織田 in Big5
  EXPECT_EQ(traditional.Values.Names[1], testing::Big5Of({2, 3}));
}

TEST_F(ShowGeneralTest, FaceNumbersGiveThePortraitAndTheFaceCode) {
  state.CurFace = 5;
  Slot(0).Record.FaceNo = 1750;
  ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.Portrait, (ResolvedFace{FaceSet::Edit, 50}));
  EXPECT_EQ(shown.State.CurFace, 1750);

  Slot(0).Record.FaceNo = 4001;
  shown = Show(0);
  EXPECT_EQ(shown.Portrait, (ResolvedFace{FaceSet::Game, 1193}));
  EXPECT_EQ(shown.State.CurFace, 1193);

  // No face: nothing to draw, and CurFace no longer carries the previous general's face, which
  // "change" would otherwise store into this general.
  Slot(0).Record.FaceNo = 4000;
  shown = Show(0);
  EXPECT_FALSE(shown.Portrait);
  EXPECT_EQ(shown.State.CurFace, kKeepStoredFace);

  // 8423 is game face 1700, a code the browser reads as edit face 0.
  Slot(0).Record.FaceNo = 8423;
  shown = Show(0);
  EXPECT_EQ(shown.Portrait, (ResolvedFace{FaceSet::Game, 1700}));
  EXPECT_EQ(shown.State.CurFace, kKeepStoredFace);
}

TEST_F(ShowGeneralTest, YearsAndLifespanCountBothEndYears) {
  Slot(0).Record.BirthYear = 1500;
  Slot(0).Record.DeathYear = 1551;
  ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.Values.BirthYearText, "1500");
  EXPECT_EQ(shown.Values.DeathYearText, "1551");
  EXPECT_EQ(shown.Values.AgeText, "52");

  Slot(0).Record.BirthYear = INT32_MIN;
  Slot(0).Record.DeathYear = INT32_MAX;
  shown = Show(0);
  EXPECT_EQ(shown.Values.AgeText, "4294967296");
  Slot(0).Record.BirthYear = INT32_MAX;
  Slot(0).Record.DeathYear = INT32_MIN;
  EXPECT_EQ(Show(0).Values.AgeText, "-4294967294");
}

TEST_F(ShowGeneralTest, LinkRowsFollowTheirFlagsAndTheLists) {
  GeneralEntry& entry = Slot(0);
  entry.Record.AffinityNo = 339;
  entry.Record.FatherNo = 10003;
  entry.Links.FavouredFlag = 0;
  entry.Links.FavouredNo = 120;
  entry.Links.DislikedFlag = 1;
  entry.Links.DislikedNo = 4000;  // names no list row
  before.LinkNames = {"old", "old", "old", "old"};
  const ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.Values.LinkNumberTexts, (std::array<std::string, 4>{"339", "-1", "4000", "10003"}));
  EXPECT_EQ(shown.Values.LinkNames[0], "B340");  // 339 is row 340
  EXPECT_EQ(shown.LinkPortraits[0], (ResolvedFace{FaceSet::Game, 340}));
  EXPECT_EQ(shown.Values.LinkNames[3], "R3");  // 10003 is row 2310, the fourth registered general
  EXPECT_EQ(shown.LinkPortraits[3], (ResolvedFace{FaceSet::Edit, 50}));
  EXPECT_EQ(shown.Values.LinkNames[1], "");
  EXPECT_FALSE(shown.LinkPortraits[1]);
  EXPECT_EQ(shown.Values.LinkNames[2], "");
  EXPECT_FALSE(shown.LinkPortraits[2]);

  // A registered general the lists do not hold (yet) is skipped, not read past the lists' end.
  entry.Record.FatherNo = 10999;
  EXPECT_FALSE(Show(0).LinkPortraits[3]);

  // The label shows interface bytes like every other box: Big5 in Traditional, so that the name
  // is not read as Big5 while it is still GBK.
  lists.AppendRow({GbkOf({0, 1, 2, 3}), "1750", "1", "2", "3", "4"});  // 织田信长, registered general 5
  entry.Record.FatherNo = 10005;
  EXPECT_EQ(Show(0).Values.LinkNames[3], GbkOf({0, 1, 2, 3}));
  EXPECT_EQ(Show(0, false).Values.LinkNames[3], Big5Of({0, 1, 2, 3}));
}

TEST_F(ShowGeneralTest, LinkPortraitsComeFromTheRowsFaceNumber) {
  lists.SetRow(341, {"X", "4001", "1", "1", "1", "1"});
  lists.SetRow(342, {"Y", "4000", "1", "1", "1", "1"});
  lists.SetRow(343, {"Z", "8423", "1", "1", "1", "1"});
  Slot(0).Record.AffinityNo = 340;
  Slot(0).Record.FatherNo = 341;
  Slot(0).Links = {0, 0, 1, 342, 0, 0};
  const ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.LinkPortraits[0], (ResolvedFace{FaceSet::Game, 1193}));
  EXPECT_EQ(shown.LinkPortraits[3], (ResolvedFace{FaceSet::Game, 0}));
  // 8423 is game face 1700: it is drawn from the game set, not sent to the edit set as edit face 0.
  EXPECT_EQ(shown.LinkPortraits[1], (ResolvedFace{FaceSet::Game, 1700}));
  // An edit face number stays in the edit set.
  lists.SetRow(343, {"W", "2799", "1", "1", "1", "1"});
  EXPECT_EQ(Show(0).LinkPortraits[1], (ResolvedFace{FaceSet::Edit, 1099}));
}

TEST_F(ShowGeneralTest, BiographyLinesEnableTheBoxesTheyFill) {
  GeneralRecord& record = Slot(0).Record;
  Put(record.BioLine1, SjisOf({0, 1, 2, 3}));
  Put(record.BioLine2, SjisOf({4}));
  Put(record.BioLine4, SjisOf({5, 6}));
  before.BioLines = {"a", "b", "c", "d"};
  before.BioEnabled = {false, true, true, false};
  ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.Values.BioLines,
            (std::array<std::string, 4>{GbkOf({0, 1, 2, 3}), GbkOf({4}), "", GbkOf({5, 6})}));
  EXPECT_EQ(shown.Values.BioEnabled, (std::array<bool, 4>{true, true, false, true}));

  // An empty first line is emptied but keeps its enabled state.
  record.BioLine1.fill('\0');
  before.BioEnabled = {false, true, true, true};
  shown = Show(0);
  EXPECT_EQ(shown.Values.BioLines[0], "");
  EXPECT_FALSE(shown.Values.BioEnabled[0]);
  before.BioEnabled[0] = true;
  EXPECT_TRUE(Show(0).Values.BioEnabled[0]);
}

TEST_F(ShowGeneralTest, ValuesTheControlsCannotShowStayAsStored) {
  GeneralEntry& entry = Slot(0);
  entry.Record.Sex = 9;
  entry.Record.Origin = 12;
  entry.Appendix.Voice = 0;
  entry.Appendix.Status = 5;
  entry.Record.AptBow = 9;
  entry.Record.AptGun = -3;
  entry.Appendix.Tactic = 200;
  entry.Appendix.CityNo = 70;
  state = EditorState{0, 3, 3, 7, 12, 0, 4};
  const ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.State.CurSex, 9);
  EXPECT_EQ(shown.State.CurOrigin, 12);
  EXPECT_EQ(shown.State.CurVoice, 0);
  EXPECT_EQ(shown.State.CurStatus, 5);
  EXPECT_EQ(shown.State.CurCity, 70);
  EXPECT_EQ(shown.State.CurLinkSlot, 4);  // not the general's
  EXPECT_EQ(shown.Values.Aptitudes[2], 9);
  EXPECT_EQ(shown.Values.Aptitudes[3], -3);
  EXPECT_EQ(shown.Values.Tactic, 200);
  EXPECT_EQ(shown.Values.CityName, "?70");
}

TEST_F(ShowGeneralTest, StatusFollowsEachShownGeneral) {
  Slot(0).Appendix.Status = 3;
  Slot(1).Appendix.Status = 7;
  state.CurStatus = 7;
  EXPECT_EQ(Show(0).State.CurStatus, 3);
  state.CurStatus = 3;
  EXPECT_EQ(Show(1).State.CurStatus, 7);
}

TEST_F(ShowGeneralTest, AbilitiesAndHomeBase) {
  GeneralEntry& entry = Slot(0);
  entry.Record.Leadership = 101;
  entry.Record.Valor = -5;
  entry.Record.Intellect = 0;
  entry.Record.Politics = 120;
  entry.Appendix.Duty = 50;
  entry.Appendix.CityNo = 36;
  const ShownGeneral shown = Show(0);
  EXPECT_EQ(shown.Values.AbilityTexts, (std::array<std::string, 5>{"101", "-5", "0", "120", "50"}));
  EXPECT_EQ(shown.Values.CityName, texts::ListCity[36]);
  EXPECT_EQ(shown.State.CurCity, 36);

  // Traditional: the city name passes GbToBig5 (田 of 吉田郡山城 is in the small tables).
  entry.Appendix.CityNo = 45;
  const std::string traditional = Show(0, false).Values.CityName;
  EXPECT_NE(traditional, std::string(texts::ListCity[45]));
  EXPECT_NE(traditional.find(testing::Big5Of({1})), std::string::npos);
}

}  // namespace
}  // namespace tavlor
