// Undo and redo of table edits: each edit keeps whole copies of its slot and list row, which are
// small (about 400 bytes and six short texts), so restoring is exact and needs no replay.
#include "core/editor/EditHistory.h"

namespace tavlor {
namespace {

int ListRowOfSlot(int slot) {
  return kBuiltinRowCount + slot;
}

std::optional<ListRow> RowIfPresent(const BuiltinGeneralLists& lists, int row) {
  if (row < lists.RowCount()) return lists.Row(row);
  return std::nullopt;
}

// Puts `row` back as `values` held it: rewritten, or cut when it did not exist.
void RestoreRow(BuiltinGeneralLists& lists, int row, const std::optional<ListRow>& values) {
  if (values) {
    lists.SetRow(row, *values);
  } else if (row < lists.RowCount()) {
    lists.CutRows(row);
  }
}

bool SlotInTable(int slot) {
  return slot >= 0 && slot < static_cast<int>(kSlotCount);
}

}  // namespace

EditResult EditHistory::Record(int slot, GeneralTable& table, BuiltinGeneralLists& lists,
                               const std::function<EditResult()>& edit) {
  if (!SlotInTable(slot)) return edit();
  TableEdit recorded;
  recorded.Slot = slot;
  recorded.Before = table.Slots[static_cast<std::size_t>(slot)];
  recorded.CountBefore = table.GeneralCount;
  const int row = ListRowOfSlot(slot);
  recorded.RowBefore = RowIfPresent(lists, row);

  const EditResult result = edit();
  if (!result.Succeeded()) return result;
  if (result.Slot != slot) {
    // Not the slot that was kept: the table changed in a way this history cannot undo, so at
    // least it must count as unsaved.
    savedAt_.reset();
    return result;
  }

  recorded.After = table.Slots[static_cast<std::size_t>(slot)];
  recorded.CountAfter = table.GeneralCount;
  recorded.RowAfter = RowIfPresent(lists, row);
  const bool changedNothing = recorded.Before == recorded.After &&
                              recorded.CountBefore == recorded.CountAfter &&
                              recorded.RowBefore == recorded.RowAfter;
  if (changedNothing) return result;

  // A new edit ends the redo branch; a saved state inside that branch can no longer be reached.
  if (savedAt_ && *savedAt_ > applied_) savedAt_.reset();
  edits_.resize(applied_);
  edits_.push_back(std::move(recorded));
  applied_ = edits_.size();
  return result;
}

std::optional<int> EditHistory::Undo(GeneralTable& table, BuiltinGeneralLists& lists) {
  if (!CanUndo()) return std::nullopt;
  const TableEdit& edit = edits_[--applied_];
  table.Slots[static_cast<std::size_t>(edit.Slot)] = edit.Before;
  table.GeneralCount = edit.CountBefore;
  RestoreRow(lists, ListRowOfSlot(edit.Slot), edit.RowBefore);
  return edit.Slot;
}

std::optional<int> EditHistory::Redo(GeneralTable& table, BuiltinGeneralLists& lists) {
  if (!CanRedo()) return std::nullopt;
  const TableEdit& edit = edits_[applied_++];
  table.Slots[static_cast<std::size_t>(edit.Slot)] = edit.After;
  table.GeneralCount = edit.CountAfter;
  RestoreRow(lists, ListRowOfSlot(edit.Slot), edit.RowAfter);
  return edit.Slot;
}

void EditHistory::MarkSaved() {
  savedAt_ = applied_;
}

void EditHistory::Clear() {
  edits_.clear();
  applied_ = 0;
  savedAt_ = 0;
}

}  // namespace tavlor
