// The pickers' rules: the city list and the persistent city selection, the related-general search,
// selection and confirmation (General numbers, refusals, faces), and the ability confirm rule.
#include <gtest/gtest.h>

#include <string>

#include "core/data/BuiltinGeneralLists.h"
#include "core/lang/InterfaceTexts.h"
#include "core/lang/PickerTexts.h"
#include "core/pickers/AbilityPicking.h"
#include "core/pickers/CityPicking.h"
#include "core/pickers/RelatedGeneralPicking.h"

namespace tavlor {
namespace {

// GBK 织田 and 信长, as the lists hold registered generals' names.
const std::string kOda = "\xd6\xaf\xcc\xef";
const std::string kNobunaga = "\xd0\xc5\xb3\xa4";

// Lists with the heading row, 2306 built-in generals "B<n>" (face number n % 1000, abilities
// 10 20 30 40) and `registered` registered generals behind them.
BuiltinGeneralLists ListsWith(int registered) {
  BuiltinGeneralLists lists;
  for (int general = 0; general < kBuiltinRowCount - 1; ++general) {
    lists.AppendRow({"B" + std::to_string(general), std::to_string(general % 1000), "10", "20", "30", "40"});
  }
  for (int slot = 0; slot < registered; ++slot) {
    lists.AppendRow({kOda + "R" + std::to_string(slot), "1750", "90", "80", "70", "60"});
  }
  return lists;
}

TEST(CityPicking, NamesCitiesByIndexAndShowsOthersAsTheirNumber) {
  EXPECT_EQ(CityNameOf(0), texts::ListCity[0]);
  EXPECT_EQ(CityNameOf(kDefaultCity), texts::ListCity[36]);
  EXPECT_EQ(CityNameOf(65), texts::ListCity[65]);
  EXPECT_EQ(CityNameOf(66), "?66");
  EXPECT_EQ(CityNameOf(-1), "?-1");
  EXPECT_EQ(SelectedCityCaption(36),
            std::string(texts::SelectedCityPrefix) + std::string(texts::ListCity[36]));
}

TEST(CityPicking, SelectionStartsAtCityZeroAndKeepsTheLastClick) {
  CitySelection selection;
  EXPECT_EQ(selection.Selected(), 0);  // confirming at once in a fresh run gives city 0
  selection.Click(36);
  selection.Click(66);  // no such icon
  selection.Click(-1);
  EXPECT_EQ(selection.Selected(), 36);
  selection.Click(65);
  EXPECT_EQ(selection.Selected(), 65);
}

TEST(RelatedGeneralPicking, ConfirmedRowsBecomeGeneralNumbers) {
  const BuiltinGeneralLists lists = ListsWith(4);
  struct Case {
    int Row;
    const char* Number;
  };
  for (const Case& c :
       {Case{1, "0"}, Case{340, "339"}, Case{2306, "2305"}, Case{2307, "10000"}, Case{2310, "10003"}}) {
    for (int slot = 3; slot <= 6; ++slot) {
      const LinkConfirmation confirmation = ConfirmRelatedGeneral(lists, c.Row, slot);
      EXPECT_EQ(confirmation.Outcome, LinkOutcome::Applied) << c.Row;
      EXPECT_EQ(confirmation.LinkRow, slot - 3);
      EXPECT_EQ(confirmation.NumberText, c.Number) << c.Row;
      EXPECT_EQ(confirmation.Name, lists.Name(c.Row));
    }
  }
}

TEST(RelatedGeneralPicking, HeadingRowClearsLinksButNeverTheAffinity) {
  const BuiltinGeneralLists lists = ListsWith(1);
  const LinkConfirmation affinity = ConfirmRelatedGeneral(lists, 0, 3);
  EXPECT_EQ(affinity.Outcome, LinkOutcome::Refused);
  EXPECT_EQ(affinity.RefusalMessage, texts::AffinityRequired);
  EXPECT_EQ(ConfirmRelatedGeneral(lists, -1, 3).Outcome, LinkOutcome::Refused);
  // A row the lists no longer hold (they were cut back by a reload) is no general either.
  EXPECT_EQ(ConfirmRelatedGeneral(lists, 2400, 3).Outcome, LinkOutcome::Refused);

  for (int slot = 4; slot <= 6; ++slot) {
    const LinkConfirmation cleared = ConfirmRelatedGeneral(lists, 0, slot);
    EXPECT_EQ(cleared.Outcome, LinkOutcome::Cleared);
    EXPECT_EQ(cleared.NumberText, "-1");
    EXPECT_TRUE(cleared.Name.empty());
    EXPECT_FALSE(cleared.Portrait.has_value());
    EXPECT_EQ(ConfirmRelatedGeneral(lists, -1, slot).Outcome, LinkOutcome::Unchanged);
    EXPECT_EQ(ConfirmRelatedGeneral(lists, 2400, slot).Outcome, LinkOutcome::Unchanged);
  }
  // A link button the picker does not know writes nothing.
  EXPECT_EQ(ConfirmRelatedGeneral(lists, 5, 0).Outcome, LinkOutcome::Unchanged);
  EXPECT_EQ(ConfirmRelatedGeneral(lists, 5, 7).Outcome, LinkOutcome::Unchanged);
}

TEST(RelatedGeneralPicking, FacesOfSelectionAndConfirmation) {
  BuiltinGeneralLists lists;
  lists.AppendRow({"edit", "1750", "1", "2", "3", "4"});
  lists.AppendRow({"princess", "4001", "1", "2", "3", "4"});
  lists.AppendRow({"nobody", "4000", "1", "2", "3", "4"});
  lists.AppendRow({"late", "8423", "1", "2", "3", "4"});

  EXPECT_EQ(SelectGeneralRow(lists, 1).Portrait, (ResolvedFace{FaceSet::Edit, 50}));
  EXPECT_EQ(SelectGeneralRow(lists, 2).Portrait, (ResolvedFace{FaceSet::Game, 1193}));
  EXPECT_FALSE(SelectGeneralRow(lists, 3).Portrait.has_value());  // the portrait box keeps its face
  EXPECT_EQ(SelectGeneralRow(lists, 4).Portrait, (ResolvedFace{FaceSet::Game, 1700}));

  EXPECT_EQ(ConfirmRelatedGeneral(lists, 1, 4).Portrait, (ResolvedFace{FaceSet::Edit, 50}));
  EXPECT_EQ(ConfirmRelatedGeneral(lists, 2, 4).Portrait, (ResolvedFace{FaceSet::Game, 1193}));
  EXPECT_EQ(ConfirmRelatedGeneral(lists, 3, 4).Portrait, (ResolvedFace{FaceSet::Game, 4000}));
  // Game face 1700 is a game face: its index must not send it to edit face 0.
  EXPECT_EQ(ConfirmRelatedGeneral(lists, 4, 4).Portrait, (ResolvedFace{FaceSet::Game, 1700}));
}

TEST(RelatedGeneralPicking, SelectingTheHeadingShowsFaceZeroAndKeepsTheAbilities) {
  const BuiltinGeneralLists lists = ListsWith(1);
  const SelectedGeneral heading = SelectGeneralRow(lists, 0);
  EXPECT_EQ(heading.Portrait, (ResolvedFace{FaceSet::Game, 0}));  // "CG" counts as face number 0
  EXPECT_FALSE(heading.ShowsGeneral);

  const SelectedGeneral registered = SelectGeneralRow(lists, 2307);
  EXPECT_TRUE(registered.ShowsGeneral);
  EXPECT_EQ(registered.Abilities, (std::array<int32_t, 4>{90, 80, 70, 60}));
  EXPECT_EQ(registered.Name, lists.Name(2307));
  EXPECT_FALSE(SelectGeneralRow(lists, 2308).ShowsGeneral);  // past the end: nothing
}

TEST(RelatedGeneralPicking, SearchFindsEachHitInTurnThenStartsAgain) {
  BuiltinGeneralLists lists = ListsWith(0);
  lists.AppendRow({kOda + kNobunaga, "0", "1", "1", "1", "1"});  // row 2307
  lists.AppendRow({"X", "0", "1", "1", "1", "1"});
  lists.AppendRow({kNobunaga + "Y", "0", "1", "1", "1", "1"});  // row 2309

  GeneralSearch search;
  EXPECT_EQ(search.Next(lists, kNobunaga), 2307);
  EXPECT_EQ(search.Position(), 2308);
  EXPECT_EQ(search.Next(lists, " " + kNobunaga + " "), 2309);  // blanks around the text are trimmed
  EXPECT_EQ(search.Next(lists, kNobunaga), std::nullopt);
  EXPECT_EQ(search.Position(), 1);
  EXPECT_EQ(search.Next(lists, kNobunaga), 2307);

  // Case-sensitive; and an empty text matches the first row tried: the heading only the first time.
  EXPECT_EQ(search.Next(lists, "b1"), std::nullopt);
  GeneralSearch fresh;
  EXPECT_EQ(fresh.Next(lists, ""), 0);
  EXPECT_EQ(fresh.Next(lists, "B1"), 2);
  EXPECT_EQ(fresh.Next(lists, "nothing"), std::nullopt);
  EXPECT_EQ(fresh.Next(lists, ""), 1);
}

TEST(RelatedGeneralPicking, SearchMatchesWholeCharactersOnly) {
  // 啊阿 is B0 A1 B0 A2: the bytes A1 B0 span two characters and happen to be the code of “,
  // which the name does not hold.
  const std::string name = "\xb0\xa1\xb0\xa2";
  EXPECT_TRUE(ContainsCharacters(name, "\xb0\xa2"));
  EXPECT_FALSE(ContainsCharacters(name, "\xa1\xb0"));
  EXPECT_TRUE(ContainsCharacters("A\xb0\xa1", "\xb0\xa1"));
  EXPECT_FALSE(ContainsCharacters("\xb0\x41", "A"));  // 0x41 here is a trail byte, not "A"

  BuiltinGeneralLists lists;
  lists.AppendRow({name, "0", "1", "1", "1", "1"});
  GeneralSearch search;
  EXPECT_EQ(search.Next(lists, "\xa1\xb0"), std::nullopt);
}

TEST(AbilityPicking, ConfirmTakesTheLeadingNumberOfEachBox) {
  EXPECT_EQ(ConfirmedAbilityTexts({"70", "150", "abc", " 85", "50"}),
            (std::array<std::string, 5>{"70", "150", "0", "85", "50"}));
  // Fractions are rounded as the general will store them (halves to even); trailing text is dropped.
  EXPECT_EQ(ConfirmedAbilityTexts({"12.5", "13.5", "99x", "", "-3"}),
            (std::array<std::string, 5>{"12", "14", "99", "0", "-3"}));
}

}  // namespace
}  // namespace tavlor
