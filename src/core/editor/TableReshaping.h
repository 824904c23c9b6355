// Steps over many generals of the General table: deleting a selection, moving generals up, down or
// to another slot, merging in the generals of another edit-data file, and setting a selection to
// appear or stand by. Every step keeps each link on its general (GeneralLinkFixUp.h) and the
// registered rows of the built-in lists in slot order; record them with EditHistory::RecordStep so
// that one undo brings everything back.
#pragma once

#include <vector>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/GeneralTable.h"

namespace tavlor {

// The slots of `slots` that are in use, each once, in ascending order.
std::vector<int> SlotsInUse(const std::vector<int>& slots, const GeneralTable& table);

// Deletes the generals in `slots` (slots not in use are ignored); the later generals move up. The
// slots freed at the end keep their stale bytes, as unused slots do after a load. Returns how many
// generals were deleted.
int DeleteGenerals(const std::vector<int>& slots, GeneralTable& table, BuiltinGeneralLists& lists);

// Moves the selected generals one slot up (towards 0) or down; a selected general already at the
// edge, or behind another selected one that cannot move, stays. Returns the slots the selection
// holds afterwards (ascending).
std::vector<int> MoveGeneralsUp(const std::vector<int>& slots, GeneralTable& table,
                                BuiltinGeneralLists& lists);
std::vector<int> MoveGeneralsDown(const std::vector<int>& slots, GeneralTable& table,
                                  BuiltinGeneralLists& lists);

// Moves the general in slot `from` to slot `to`; the generals between close up. False, changing
// nothing, when either slot is not in use.
bool MoveGeneral(int from, int to, GeneralTable& table, BuiltinGeneralLists& lists);

// How many generals of another table fit behind the last general of `table`.
int GeneralsThatFit(const GeneralTable& table, int otherCount);

// Appends the first `count` generals of `other` (at most GeneralsThatFit) behind the last general:
// links among them follow them to their new slots, built-in links stay, and links to generals of
// `other` that are not added follow the deletion rule. Their list rows are built with `tables`.
// Returns how many were added.
int MergeGenerals(const GeneralTable& other, int count, GeneralTable& table, BuiltinGeneralLists& lists,
                  const GbkJisTables& tables);

// "Appear": AppearFlag 1. "Stand by": AppearFlag 0 for a general that appears; a general that
// already stands by keeps its flag, whatever value it holds. Returns how many slots changed.
int SetGeneralsAppear(const std::vector<int>& slots, bool appear, GeneralTable& table);

}  // namespace tavlor
