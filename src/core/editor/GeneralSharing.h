// Importing a shared general (core/data/SharedGeneral.h) as a new general or over the picked one:
// the same checks as "add" and "change" (a full table, a birth year below 1, a picked general
// that exists), the General number set from the slot, and links to generals this file does not
// have cleared.
#pragma once

#include <optional>
#include <string_view>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/SharedGeneral.h"
#include "core/editor/GeneralEditing.h"

namespace tavlor {

struct ImportResult {
  EditResult Edit;
  // Links (father, affinity, favoured, disliked) that named a general this file does not hold
  // (a registered general of the other player's file, or no general at all), now set to none.
  int ClearedLinks = 0;
};

// Writes the shared general into slot GeneralCount and appends its list row.
ImportResult ImportAsNewGeneral(const GeneralEntry& shared, GeneralTable& table, BuiltinGeneralLists& lists,
                                const GbkJisTables& tables);

// Writes the shared general over `pickedSlot` (nothing when no row was picked since the last load)
// and rewrites its list row.
ImportResult ImportOverGeneral(const GeneralEntry& shared, std::optional<int> pickedSlot, GeneralTable& table,
                               BuiltinGeneralLists& lists, const GbkJisTables& tables);

// The GBK message for a file that cannot be imported.
std::string_view SharedGeneralProblemText(SharedGeneralProblem problem);

}  // namespace tavlor
