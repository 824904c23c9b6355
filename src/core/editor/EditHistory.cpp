// Undo and redo of table edits: each edit keeps whole copies of its slot and list row, which are
// small (about 400 bytes and six short texts), so restoring is exact and needs no replay.
#include "core/editor/EditHistory.h"

#include <algorithm>
#include <memory>

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

std::vector<ListRow> RegisteredRows(const BuiltinGeneralLists& lists) {
  std::vector<ListRow> rows;
  rows.reserve(static_cast<std::size_t>(std::max(lists.RowCount() - kBuiltinRowCount, 0)));
  for (int row = kBuiltinRowCount; row < lists.RowCount(); ++row) rows.push_back(lists.Row(row));
  return rows;
}

void RestoreRegisteredRows(BuiltinGeneralLists& lists, const std::vector<ListRow>& rows) {
  if (lists.RowCount() > kBuiltinRowCount) lists.CutRows(kBuiltinRowCount);
  // Lists without their built-in rows had no registered rows either.
  if (lists.RowCount() < kBuiltinRowCount) return;
  for (const ListRow& row : rows) lists.AppendRow(row);
}

void PutFaces(PendingFaces* faces, const std::vector<FaceChange>& changes, bool after) {
  if (!faces) return;
  for (const FaceChange& change : changes) faces->Put(change.Key, after ? change.After : change.Before);
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

  Push(std::move(recorded));
  return result;
}

bool EditHistory::RecordStep(GeneralTable& table, BuiltinGeneralLists& lists,
                             const std::function<bool()>& step) {
  // A copy of the whole table (about 400 kB), kept from step to step so that its memory is not
  // fetched anew each time.
  if (!stepBefore_) stepBefore_ = std::make_unique<GeneralTable>();
  const GeneralTable& before = *stepBefore_ = table;
  std::vector<ListRow> rowsBefore = RegisteredRows(lists);
  if (!step()) return false;

  TableEdit recorded;
  recorded.ManySlots = true;
  recorded.CountBefore = before.GeneralCount;
  recorded.CountAfter = table.GeneralCount;
  std::vector<int> changedSlots;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    const auto index = static_cast<std::size_t>(slot);
    if (before.Slots[index] != table.Slots[index]) changedSlots.push_back(slot);
  }
  recorded.SlotChanges.reserve(changedSlots.size());
  for (int slot : changedSlots) {
    const auto index = static_cast<std::size_t>(slot);
    recorded.SlotChanges.push_back({slot, before.Slots[index], table.Slots[index]});
  }
  recorded.RegisteredRowsAfter = RegisteredRows(lists);
  recorded.RegisteredRowsBefore = std::move(rowsBefore);
  const bool changedNothing = recorded.SlotChanges.empty() && recorded.CountBefore == recorded.CountAfter &&
                              recorded.RegisteredRowsBefore == recorded.RegisteredRowsAfter;
  if (!changedNothing) Push(std::move(recorded));
  return true;
}

void EditHistory::RecordFaces(PendingFaces& faces, std::vector<FaceChange> changes) {
  if (changes.empty()) return;
  TableEdit recorded;
  recorded.Faces = true;
  recorded.FaceChanges = std::move(changes);
  PutFaces(&faces, recorded.FaceChanges, true);
  Push(std::move(recorded));
}

void EditHistory::Push(TableEdit edit) {
  // A new edit ends the redo branch; a saved state inside that branch can no longer be reached.
  if (savedAt_ && *savedAt_ > applied_) savedAt_.reset();
  edits_.resize(applied_);
  edits_.push_back(std::move(edit));
  applied_ = edits_.size();
}

std::optional<int> EditHistory::Undo(GeneralTable& table, BuiltinGeneralLists& lists, PendingFaces* faces) {
  if (!CanUndo()) return std::nullopt;
  const TableEdit& edit = edits_[--applied_];
  if (edit.Faces) {
    PutFaces(faces, edit.FaceChanges, false);
    return kFaceStepSlot;
  }
  if (edit.ManySlots) {
    for (const TableEdit::SlotChange& change : edit.SlotChanges)
      table.Slots[static_cast<std::size_t>(change.Slot)] = change.Before;
    table.GeneralCount = edit.CountBefore;
    RestoreRegisteredRows(lists, edit.RegisteredRowsBefore);
    return edit.SlotChanges.empty() ? 0 : edit.SlotChanges.front().Slot;
  }
  table.Slots[static_cast<std::size_t>(edit.Slot)] = edit.Before;
  table.GeneralCount = edit.CountBefore;
  RestoreRow(lists, ListRowOfSlot(edit.Slot), edit.RowBefore);
  return edit.Slot;
}

std::optional<int> EditHistory::Redo(GeneralTable& table, BuiltinGeneralLists& lists, PendingFaces* faces) {
  if (!CanRedo()) return std::nullopt;
  const TableEdit& edit = edits_[applied_++];
  if (edit.Faces) {
    PutFaces(faces, edit.FaceChanges, true);
    return kFaceStepSlot;
  }
  if (edit.ManySlots) {
    for (const TableEdit::SlotChange& change : edit.SlotChanges)
      table.Slots[static_cast<std::size_t>(change.Slot)] = change.After;
    table.GeneralCount = edit.CountAfter;
    RestoreRegisteredRows(lists, edit.RegisteredRowsAfter);
    return edit.SlotChanges.empty() ? 0 : edit.SlotChanges.front().Slot;
  }
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
