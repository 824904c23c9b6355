// Delete, reorder, merge and appear on a table whose generals link to each other in every way
// (chains, loops, self-links, the last slot, built-in generals, numbers no general holds), against
// links worked out by hand; and each step undone in one go.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "core/editor/EditHistory.h"
#include "core/editor/TableReshaping.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

struct Links {
  int32_t Affinity, Father, FavouredFlag, Favoured, DislikedFlag, Disliked;
};

// Slot k: GeneralNo 10000 + k, FaceNo 100 + k (to tell the generals apart), and these links.
constexpr Links kLinks[] = {
    {10002, -1, 1, 10004, 0, 10001},     // affinity into a chain; a disliked value with flag 0
    {10001, 10000, 1, 10002, 1, 10001},  // linked to itself
    {10003, 10004, 1, 5, 1, 10003},      // father is the last slot; favoured is built-in
    {10002, 10002, 0, 7, 1, 10000},      // affinity loops with slot 2
    {100, 10003, 1, 10002, 1, 10999},    // built-in affinity; disliked names no general
};

std::unique_ptr<GeneralTable> LinkedTable() {
  auto table = std::make_unique<GeneralTable>();
  for (int k = 0; k < 5; ++k) {
    GeneralEntry& entry = table->Slots[static_cast<std::size_t>(k)];
    entry.Record.BirthYear = 1500;
    entry.Record.FaceNo = 100 + k;
    entry.Appendix.GeneralNo = kRegisteredGeneralBase + k;
    entry.Record.AffinityNo = kLinks[k].Affinity;
    entry.Record.FatherNo = kLinks[k].Father;
    entry.Links = {
        0, 0, kLinks[k].FavouredFlag, kLinks[k].Favoured, kLinks[k].DislikedFlag, kLinks[k].Disliked};
  }
  table->GeneralCount = 5;
  return table;
}

// The lists as a refresh leaves them: the built-in rows, then one row per general named "g<FaceNo>".
BuiltinGeneralLists ListsOf(const GeneralTable& table) {
  BuiltinGeneralLists lists;
  while (lists.RowCount() < kBuiltinRowCount) lists.AppendRow({"builtin", "0", "1", "1", "1", "1"});
  for (int k = 0; k < table.GeneralCount; ++k)
    lists.AppendRow(
        {"g" + std::to_string(table.Slots[static_cast<std::size_t>(k)].Record.FaceNo), "", "", "", "", ""});
  return lists;
}

struct Expected {
  int32_t Face, GeneralNo, Affinity, Father, FavouredFlag, Favoured, DislikedFlag, Disliked;
};

void ExpectSlots(const GeneralTable& table, const BuiltinGeneralLists& lists,
                 std::initializer_list<Expected> all) {
  ASSERT_EQ(table.GeneralCount, static_cast<int>(all.size()));
  int slot = 0;
  for (const Expected& e : all) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const GeneralEntry& entry = table.Slots[static_cast<std::size_t>(slot)];
    EXPECT_EQ(entry.Record.FaceNo, e.Face);
    EXPECT_EQ(entry.Appendix.GeneralNo, e.GeneralNo);
    EXPECT_EQ(entry.Record.AffinityNo, e.Affinity);
    EXPECT_EQ(entry.Record.FatherNo, e.Father);
    EXPECT_EQ(entry.Links.FavouredFlag, e.FavouredFlag);
    if (e.FavouredFlag == 1) EXPECT_EQ(entry.Links.FavouredNo, e.Favoured);
    EXPECT_EQ(entry.Links.DislikedFlag, e.DislikedFlag);
    EXPECT_EQ(entry.Links.DislikedNo, e.Disliked);
    EXPECT_EQ(lists.Name(kBuiltinRowCount + slot), "g" + std::to_string(e.Face));
    ++slot;
  }
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + table.GeneralCount);
}

class TableReshapingTest : public ::testing::Test {
 protected:
  // Runs a step through the history, checks that one undo restores table and lists exactly and
  // that redo gives the step's result again.
  void Step(const std::function<void()>& step) {
    const auto before = std::make_unique<GeneralTable>(*table);
    const BuiltinGeneralLists listsBefore = lists;
    history.RecordStep(*table, lists, [&] {
      step();
      return true;
    });
    const auto after = std::make_unique<GeneralTable>(*table);
    const BuiltinGeneralLists listsAfter = lists;
    ASSERT_TRUE(history.Undo(*table, lists));
    EXPECT_TRUE(*table == *before);
    EXPECT_EQ(lists.RowCount(), listsBefore.RowCount());
    for (int row = kBuiltinRowCount; row < lists.RowCount(); ++row)
      EXPECT_EQ(lists.Row(row), listsBefore.Row(row));
    ASSERT_TRUE(history.Redo(*table, lists));
    EXPECT_TRUE(*table == *after);
    EXPECT_EQ(lists.RowCount(), listsAfter.RowCount());
  }

  std::unique_ptr<GeneralTable> table = LinkedTable();
  BuiltinGeneralLists lists = ListsOf(*table);
  EditHistory history;
};

TEST_F(TableReshapingTest, DeletingOneGeneralMovesLinksAndFollowsTheAffinityChain) {
  Step([&] { EXPECT_EQ(DeleteGenerals({2, 2, 17}, *table, lists), 1); });
  ExpectSlots(*table, lists,
              {
                  {100, 10000, 10002, -1, 1, 10003, 0, 10001},  // affinity took slot 2's: 10003, now 10002
                  {101, 10001, 10001, 10000, 0, -1, 1, 10001},  // favoured was the deleted one
                  {103, 10002, 10002, -1, 0, 7, 1, 10000},      // chain came back to itself; father gone
                  {104, 10003, 100, 10002, 0, -1, 1, 10999},    // unheld number left as it stands
              });
  // The freed slot keeps its stale bytes, as after a load.
  EXPECT_EQ(table->Slots[4].Record.FaceNo, 104);
}

TEST_F(TableReshapingTest, DeletingALoopOfAffinitiesLeavesTheGeneralItsOwnAffinity) {
  Step([&] { EXPECT_EQ(DeleteGenerals({3, 2}, *table, lists), 2); });
  ExpectSlots(*table, lists,
              {
                  {100, 10000, 10000, -1, 1, 10002, 0, 10001},
                  {101, 10001, 10001, 10000, 0, -1, 1, 10001},
                  {104, 10002, 100, -1, 0, -1, 1, 10999},
              });
}

TEST_F(TableReshapingTest, DeletingTheLastSlotAndEveryGeneral) {
  Step([&] { DeleteGenerals({4}, *table, lists); });
  EXPECT_EQ(table->GeneralCount, 4);
  EXPECT_EQ(table->Slots[0].Links.FavouredFlag, 0);
  EXPECT_EQ(table->Slots[2].Record.FatherNo, -1);
  EXPECT_EQ(table->Slots[2].Links.FavouredNo, 5);  // built-in link untouched
  Step([&] { DeleteGenerals({0, 1, 2, 3}, *table, lists); });
  EXPECT_EQ(table->GeneralCount, 0);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount);
}

TEST_F(TableReshapingTest, MovingAGeneralToAnotherSlotTakesEveryLinkWithIt) {
  Step([&] { EXPECT_TRUE(MoveGeneral(4, 0, *table, lists)); });
  ExpectSlots(*table, lists,
              {
                  {104, 10000, 100, 10004, 1, 10003, 1, 10999},
                  {100, 10001, 10003, -1, 1, 10000, 0, 10001},
                  {101, 10002, 10002, 10001, 1, 10003, 1, 10002},
                  {102, 10003, 10004, 10000, 1, 5, 1, 10004},
                  {103, 10004, 10003, 10003, 0, 7, 1, 10001},
              });
  EXPECT_FALSE(MoveGeneral(0, 5, *table, lists));
  EXPECT_FALSE(MoveGeneral(-1, 0, *table, lists));
}

TEST_F(TableReshapingTest, MovingASelectionUpAndDownStopsAtTheEdges) {
  std::vector<int> selection;
  Step([&] { selection = MoveGeneralsUp({3, 0, 1}, *table, lists); });
  EXPECT_EQ(selection, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(table->Slots[2].Record.FaceNo, 103);
  EXPECT_EQ(table->Slots[3].Record.FaceNo, 102);
  EXPECT_EQ(table->Slots[2].Record.AffinityNo, 10003);  // slot 2's own old affinity: itself, now at 3
  EXPECT_EQ(table->Slots[3].Record.AffinityNo, 10002);
  Step([&] { selection = MoveGeneralsDown({4, 2}, *table, lists); });
  EXPECT_EQ(selection, (std::vector<int>{3, 4}));
  EXPECT_EQ(table->Slots[3].Record.FaceNo, 103);
  EXPECT_EQ(table->Slots[4].Record.FaceNo, 104);
  EXPECT_EQ(table->Slots[2].Record.FaceNo, 102);
}

// A full table where each general's affinity names the next (the last names the first) and its
// father the one before: deleting spread slots, turning the whole table round and moving a
// selection that forms chains, cycles of two and three and a general that stays must land every
// entry, link and list row, whatever the pattern of moves.
TEST_F(TableReshapingTest, StepsOverAFullTableLandEveryGeneralAndLink) {
  table = std::make_unique<GeneralTable>();
  for (int k = 0; k < 1000; ++k) {
    GeneralEntry& entry = table->Slots[static_cast<std::size_t>(k)];
    entry.Record.FaceNo = 100 + k;
    entry.Appendix.GeneralNo = kRegisteredGeneralBase + k;
    entry.Record.AffinityNo = kRegisteredGeneralBase + (k + 1) % 1000;
    entry.Record.FatherNo = k == 0 ? -1 : kRegisteredGeneralBase + k - 1;
  }
  table->GeneralCount = 1000;
  lists = ListsOf(*table);
  // The affinity names the next general left (a deleted one hands on its own affinity), the father
  // the one just before when it is left, else none.
  const auto expectLinksFollowTheirGenerals = [&](int count) {
    ASSERT_EQ(table->GeneralCount, count);
    std::map<int32_t, int> slotOfFace;
    for (int slot = 0; slot < count; ++slot)
      slotOfFace[table->Slots[static_cast<std::size_t>(slot)].Record.FaceNo] = slot;
    ASSERT_EQ(slotOfFace.size(), static_cast<std::size_t>(count));
    for (int slot = 0; slot < count; ++slot) {
      SCOPED_TRACE("slot " + std::to_string(slot));
      const GeneralEntry& entry = table->Slots[static_cast<std::size_t>(slot)];
      auto next = slotOfFace.upper_bound(entry.Record.FaceNo);
      if (next == slotOfFace.end()) next = slotOfFace.begin();
      const auto father = slotOfFace.find(entry.Record.FaceNo - 1);
      EXPECT_EQ(entry.Appendix.GeneralNo, kRegisteredGeneralBase + slot);
      EXPECT_EQ(entry.Record.AffinityNo, kRegisteredGeneralBase + next->second);
      EXPECT_EQ(entry.Record.FatherNo,
                father == slotOfFace.end() ? -1 : kRegisteredGeneralBase + father->second);
      EXPECT_EQ(lists.Name(kBuiltinRowCount + slot), "g" + std::to_string(entry.Record.FaceNo));
    }
    EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + count);
  };
  const auto faceOf = [&](int slot) { return table->Slots[static_cast<std::size_t>(slot)].Record.FaceNo; };

  Step([&] { EXPECT_EQ(DeleteGenerals({999, 500, 0, 500}, *table, lists), 3); });
  expectLinksFollowTheirGenerals(997);
  EXPECT_EQ(faceOf(0), 101);
  EXPECT_EQ(faceOf(498), 599);
  EXPECT_EQ(faceOf(499), 601);
  EXPECT_EQ(faceOf(996), 1098);

  Step([&] { EXPECT_TRUE(MoveGeneral(996, 0, *table, lists)); });
  expectLinksFollowTheirGenerals(997);
  EXPECT_EQ(faceOf(0), 1098);
  EXPECT_EQ(faceOf(1), 101);
  EXPECT_EQ(faceOf(996), 1097);

  std::vector<int> selection;
  Step([&] { selection = MoveGeneralsDown({0, 5, 6, 996}, *table, lists); });
  EXPECT_EQ(selection, (std::vector<int>{1, 6, 7, 996}));
  expectLinksFollowTheirGenerals(997);
  EXPECT_EQ(faceOf(0), 101);
  EXPECT_EQ(faceOf(1), 1098);
  EXPECT_EQ(faceOf(5), 107);  // 105, 106 and 107 went round
  EXPECT_EQ(faceOf(6), 105);
  EXPECT_EQ(faceOf(7), 106);
  EXPECT_EQ(faceOf(996), 1097);
}

TEST_F(TableReshapingTest, MergingAnotherFileRenumbersItsLinks) {
  const auto other = LinkedTable();
  table->GeneralCount = 2;
  lists.CutRows(kBuiltinRowCount + 2);
  const auto tables = testing::SmallTextTables();
  Step([&] { EXPECT_EQ(MergeGenerals(*other, 5, *table, lists, tables->GbkJis), 5); });
  ASSERT_EQ(table->GeneralCount, 7);
  const GeneralEntry& first = table->Slots[2];
  EXPECT_EQ(first.Appendix.GeneralNo, 10002);
  EXPECT_EQ(first.Record.AffinityNo, 10004);
  EXPECT_EQ(first.Links.FavouredNo, 10006);
  const GeneralEntry& last = table->Slots[6];
  EXPECT_EQ(last.Record.AffinityNo, 100);
  EXPECT_EQ(last.Record.FatherNo, 10005);
  EXPECT_EQ(last.Links.DislikedFlag, 0);  // 10999 named no general of the other file
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 7);
}

TEST_F(TableReshapingTest, MergingOnlyWhatFitsTreatsTheRestAsDeleted) {
  const auto other = LinkedTable();
  table->GeneralCount = 997;
  EXPECT_EQ(GeneralsThatFit(*table, 5), 3);
  table->GeneralCount = 2;
  lists.CutRows(kBuiltinRowCount + 2);
  const auto tables = testing::SmallTextTables();
  EXPECT_EQ(MergeGenerals(*other, 3, *table, lists, tables->GbkJis), 3);
  const GeneralEntry& third = table->Slots[4];  // the other file's slot 2
  EXPECT_EQ(third.Record.AffinityNo, 10004);    // 10003 not added -> its affinity 10002 -> itself
  EXPECT_EQ(third.Record.FatherNo, -1);
  EXPECT_EQ(third.Links.DislikedFlag, 0);
  EXPECT_EQ(table->Slots[2].Links.FavouredFlag, 0);
}

TEST_F(TableReshapingTest, StandbyKeepsAFlagOtherThanOne) {
  table->Slots[0].Appendix.AppearFlag = 1;
  table->Slots[1].Appendix.AppearFlag = 2;
  table->Slots[2].Appendix.AppearFlag = 0;
  Step([&] { EXPECT_EQ(SetGeneralsAppear({0, 1, 2}, false, *table), 1); });
  EXPECT_EQ(table->Slots[0].Appendix.AppearFlag, 0);
  EXPECT_EQ(table->Slots[1].Appendix.AppearFlag, 2);
  Step([&] { EXPECT_EQ(SetGeneralsAppear({1, 2, 9}, true, *table), 2); });
  EXPECT_EQ(table->Slots[1].Appendix.AppearFlag, 1);
  EXPECT_EQ(table->Slots[2].Appendix.AppearFlag, 1);
}

}  // namespace
}  // namespace tavlor
