// Adding a general behind the last one and changing the picked one: the editor's values go into
// the General table and the general's row of the built-in general lists. The file itself is
// written only by saving all.
#pragma once

#include <optional>
#include <string_view>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"

namespace tavlor {

enum class EditOutcome {
  Added,                 // slot GeneralCount written, list row appended, count + 1
  Changed,               // the picked slot and its list row rewritten
  TableFull,             // 1000 generals: nothing changed
  NoGeneralPicked,       // "change" before a row was picked since the last load
  PickedGeneralMissing,  // the picked slot is not below GeneralCount
  BirthYearNotPositive,  // a birth year below 1 would end the table there on the next load
  TextNotStorable,       // a typed character has no Shift-JIS form (FirstUnstorableText)
};

struct EditResult {
  EditOutcome Outcome = EditOutcome::Added;
  int Slot = -1;             // the slot written, or -1
  std::string_view Message;  // GBK message for a refusal; empty on success

  bool Succeeded() const { return Outcome == EditOutcome::Added || Outcome == EditOutcome::Changed; }
};

// "Add": writes slot GeneralCount and appends its list row.
EditResult AddGeneral(const EditorValues& values, const EditorState& state, GeneralTable& table,
                      BuiltinGeneralLists& lists, TextTables& tables, bool simplified);

// "Change": writes `pickedSlot` (nothing when no row was picked since the last load) and rewrites
// its list row 2307 + slot.
EditResult ChangeGeneral(const EditorValues& values, const EditorState& state, std::optional<int> pickedSlot,
                         GeneralTable& table, BuiltinGeneralLists& lists, TextTables& tables,
                         bool simplified);

// The list row of a general just written: the names as GBK (the lists hold GBK in either
// language), then FaceNo and the four abilities of the slot.
ListRow ListRowOfEditedGeneral(const EditorValues& values, const GeneralEntry& entry, TextTables& tables,
                               bool simplified);

}  // namespace tavlor
