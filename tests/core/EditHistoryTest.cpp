// Undo and redo of adds, changes and imports: the General table and the built-in list rows come
// back byte for byte, and the unsaved mark follows the history.
#include <gtest/gtest.h>

#include <random>

#include "core/editor/EditHistory.h"
#include "core/editor/GeneralSharing.h"
#include "support/RandomTable.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

using testing::GbkOf;

std::vector<ListRow> AllRows(const BuiltinGeneralLists& lists) {
  std::vector<ListRow> rows;
  for (int row = 0; row < lists.RowCount(); ++row) rows.push_back(lists.Row(row));
  return rows;
}

class EditHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 random(13);
    table = testing::RandomTable(random, 3);
    RefreshGeneralLists(lists, *table, tables->GbkJis);
  }

  EditResult Change(int slot, const std::string& family) {
    values.Names = {family, GbkOf({2, 3})};
    return history.Record(slot, *table, lists,
                          [&] { return ChangeGeneral(values, state, slot, *table, lists, *tables, true); });
  }
  EditResult Add(const std::string& family) {
    values.Names = {family, GbkOf({4, 5})};
    return history.Record(table->GeneralCount, *table, lists,
                          [&] { return AddGeneral(values, state, *table, lists, *tables, true); });
  }

  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::unique_ptr<GeneralTable> table;
  BuiltinGeneralLists lists;
  // The default readings' kana are not in the small tables, and a write refuses what it cannot store.
  EditorValues values = [] {
    EditorValues defaults = DefaultEditorValues();
    defaults.Readings = {testing::GbkOf({12, 13}), testing::GbkOf({14, 15})};
    return defaults;
  }();
  EditorState state;
  EditHistory history;
};

TEST_F(EditHistoryTest, UndoAndRedoRestoreTableAndListsByteForByte) {
  // The table and lists after each step. The slots behind the last general hold stale bytes,
  // which an add overwrites and its undo must bring back too.
  std::vector<std::unique_ptr<GeneralTable>> tableAt;
  std::vector<std::vector<ListRow>> rowsAt;
  const auto snapshot = [&] {
    tableAt.push_back(std::make_unique<GeneralTable>(*table));
    rowsAt.push_back(AllRows(lists));
  };
  snapshot();
  ASSERT_TRUE(Change(1, GbkOf({0, 1})).Succeeded());
  snapshot();
  ASSERT_TRUE(Add(GbkOf({8, 9})).Succeeded());
  snapshot();
  ASSERT_TRUE(Change(3, GbkOf({6, 7})).Succeeded());  // the general just added
  snapshot();
  ASSERT_TRUE(Add(GbkOf({10, 11})).Succeeded());
  snapshot();

  const int editedSlots[] = {1, 3, 3, 4};
  for (int step = 4; step > 0; --step) {
    ASSERT_EQ(history.Undo(*table, lists), editedSlots[step - 1]);
    EXPECT_TRUE(*table == *tableAt[step - 1]) << "after undoing edit " << step;
    EXPECT_EQ(AllRows(lists), rowsAt[step - 1]) << "after undoing edit " << step;
  }
  EXPECT_EQ(table->GeneralCount, 3);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 3);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.Undo(*table, lists).has_value());

  for (int step = 1; step <= 4; ++step) {
    ASSERT_EQ(history.Redo(*table, lists), editedSlots[step - 1]);
    EXPECT_TRUE(*table == *tableAt[step]) << "after redoing edit " << step;
    EXPECT_EQ(AllRows(lists), rowsAt[step]) << "after redoing edit " << step;
  }
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.Redo(*table, lists).has_value());
}

TEST_F(EditHistoryTest, ANewEditAfterUndoDropsTheRedoBranch) {
  ASSERT_TRUE(Change(0, GbkOf({0, 1})).Succeeded());
  ASSERT_TRUE(Add(GbkOf({8, 9})).Succeeded());
  ASSERT_TRUE(history.Undo(*table, lists));
  ASSERT_TRUE(Change(2, GbkOf({6, 7})).Succeeded());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(table->GeneralCount, 3);
  ASSERT_EQ(history.Undo(*table, lists), 2);
  ASSERT_EQ(history.Undo(*table, lists), 0);
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(EditHistoryTest, RefusedAndEmptyEditsAreNotRecorded) {
  values.BirthYearText = "0";
  EXPECT_FALSE(Change(1, GbkOf({0, 1})).Succeeded());
  EXPECT_FALSE(Add(GbkOf({0, 1})).Succeeded());
  values.BirthYearText = "1534";
  EXPECT_EQ(
      history
          .Record(0, *table, lists,
                  [&] { return ChangeGeneral(values, state, std::nullopt, *table, lists, *tables, true); })
          .Outcome,
      EditOutcome::NoGeneralPicked);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.HasUnsavedChanges());

  // Writing the same values twice changes the slot once: the second write is no edit.
  ASSERT_TRUE(Change(1, GbkOf({0, 1})).Succeeded());
  ASSERT_TRUE(Change(1, GbkOf({0, 1})).Succeeded());
  EXPECT_EQ(history.AppliedCount(), 1u);
}

TEST_F(EditHistoryTest, UnsavedMarkFollowsSavesUndoAndRedo) {
  EXPECT_FALSE(history.HasUnsavedChanges());
  ASSERT_TRUE(Change(1, GbkOf({0, 1})).Succeeded());
  EXPECT_TRUE(history.HasUnsavedChanges());
  history.MarkSaved();
  EXPECT_FALSE(history.HasUnsavedChanges());
  // A save keeps the history: the saved edit can still be undone, and the undone state saved.
  ASSERT_TRUE(history.Undo(*table, lists));
  EXPECT_TRUE(history.HasUnsavedChanges());
  ASSERT_TRUE(history.Redo(*table, lists));
  EXPECT_FALSE(history.HasUnsavedChanges());  // back at what the file holds
  ASSERT_TRUE(history.Undo(*table, lists));
  history.MarkSaved();
  EXPECT_FALSE(history.HasUnsavedChanges());
  ASSERT_TRUE(history.Redo(*table, lists));
  EXPECT_TRUE(history.HasUnsavedChanges());

  // Undo past the saved state and edit anew: the saved state is gone for good.
  history.MarkSaved();
  ASSERT_TRUE(history.Undo(*table, lists));
  ASSERT_TRUE(Add(GbkOf({8, 9})).Succeeded());
  ASSERT_TRUE(history.Undo(*table, lists));
  EXPECT_TRUE(history.HasUnsavedChanges());

  history.Clear();
  EXPECT_FALSE(history.HasUnsavedChanges());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(EditHistoryTest, ImportsAreUndoneLikeEdits) {
  const auto before = std::make_unique<GeneralTable>(*table);
  const std::vector<ListRow> rowsBefore = AllRows(lists);
  GeneralEntry shared = table->Slots[0];
  shared.Record.BirthYear = 1550;
  const EditResult result = history.Record(table->GeneralCount, *table, lists, [&] {
    return ImportAsNewGeneral(shared, *table, lists, tables->GbkJis).Edit;
  });
  ASSERT_TRUE(result.Succeeded());
  ASSERT_TRUE(history
                  .Record(0, *table, lists,
                          [&] { return ImportOverGeneral(shared, 0, *table, lists, tables->GbkJis).Edit; })
                  .Succeeded());
  ASSERT_TRUE(history.Undo(*table, lists));
  ASSERT_TRUE(history.Undo(*table, lists));
  EXPECT_TRUE(*table == *before);
  EXPECT_EQ(AllRows(lists), rowsBefore);
}

}  // namespace
}  // namespace tavlor
