// The edit history of one load of the edit-data file: every add, change and import as the slot
// (a step over many slots as every slot it changed),
// the General count and the built-in list row before and after it, so that undo and redo put the
// General table and the lists back byte for byte. A reload starts a new history; a save keeps it
// and only moves the mark of what the file holds.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/GeneralEditing.h"
#include "core/portraits/PendingFaces.h"

namespace tavlor {

// One face's pictures as the program showed them before and after a face step (an import or a
// put-back original). Both are kept whole, so an undo after a save brings the old face back as a
// pending face that the next save writes.
struct FaceChange {
  FaceKey Key;
  FacePictures Before;
  FacePictures After;
};

// What Undo and Redo return for a face step, which touches no slot.
inline constexpr int kFaceStepSlot = -1;

// One edit of one slot.
struct TableEdit {
  int Slot = -1;
  GeneralEntry Before;
  GeneralEntry After;
  int CountBefore = 0;
  int CountAfter = 0;
  // Row 2307 + slot of the lists before and after; nothing where the lists had no such row (before
  // an add, or lists that never got their built-in rows).
  std::optional<ListRow> RowBefore;
  std::optional<ListRow> RowAfter;
  // A step over many slots (delete, reorder, merge, appear, a spreadsheet import): every slot it
  // changed and the registered rows of the lists (row 2307 on) as they were and became. Empty
  // for a one-slot edit.
  struct SlotChange {
    int Slot = -1;
    GeneralEntry Before;
    GeneralEntry After;
  };
  std::vector<SlotChange> SlotChanges;
  std::vector<ListRow> RegisteredRowsBefore;
  std::vector<ListRow> RegisteredRowsAfter;
  bool ManySlots = false;
  // A face step: the pending faces it changed; no slot, the table and the lists untouched.
  std::vector<FaceChange> FaceChanges;
  bool Faces = false;
};

class EditHistory {
 public:
  // Runs `edit`, which writes slot `slot` (GeneralCount for an add) of the table and its list
  // row, and records it when it succeeded and changed anything. Returns the edit's result.
  EditResult Record(int slot, GeneralTable& table, BuiltinGeneralLists& lists,
                    const std::function<EditResult()>& edit);

  // Runs `step`, which may change any slots, the count and the registered list rows, and records it
  // as one edit when it returns true and changed anything. Undo and redo put it back whole. Returns
  // what `step` returned.
  bool RecordStep(GeneralTable& table, BuiltinGeneralLists& lists, const std::function<bool()>& step);

  // Gives every face of `changes` its After pictures among the pending faces and records that as one
  // edit (nothing for no changes).
  void RecordFaces(PendingFaces& faces, std::vector<FaceChange> changes);

  bool CanUndo() const { return applied_ > 0; }
  bool CanRedo() const { return applied_ < edits_.size(); }
  // Puts back the table and lists (and, for a face step, the pending faces) as they were before the
  // last applied edit; returns its slot (kFaceStepSlot for a face step), or nothing when there is
  // nothing to undo. A history that has face steps needs `faces`.
  std::optional<int> Undo(GeneralTable& table, BuiltinGeneralLists& lists, PendingFaces* faces = nullptr);
  // Applies the next undone edit again; returns its slot, or nothing.
  std::optional<int> Redo(GeneralTable& table, BuiltinGeneralLists& lists, PendingFaces* faces = nullptr);

  // The table now equals what the file holds (after a save).
  void MarkSaved();
  // Whether the table differs from the file as last loaded or saved. Undoing back to the saved
  // state counts as no change.
  bool HasUnsavedChanges() const { return !savedAt_ || *savedAt_ != applied_; }
  // A new load: no edits, nothing unsaved.
  void Clear();

  std::size_t AppliedCount() const { return applied_; }
  const std::vector<TableEdit>& Edits() const { return edits_; }

 private:
  void Push(TableEdit edit);

  std::vector<TableEdit> edits_;
  std::size_t applied_ = 0;  // edits_[0 .. applied_ - 1] are in the table
  // How many edits were applied when the file last matched the table; nothing when that state
  // can no longer be reached (it was undone past and then replaced by a new edit).
  std::optional<std::size_t> savedAt_ = 0;
  std::unique_ptr<GeneralTable> stepBefore_;  // RecordStep's copy of the table before the step
};

}  // namespace tavlor
