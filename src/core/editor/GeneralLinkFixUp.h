// When registered generals change slots (deleted, reordered, merged in from another file), every
// link that names one of them must follow it: GeneralNo, FatherNo, AffinityNo and the favoured and
// disliked links. This file holds that one rule, used by every step that moves generals.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/data/GeneralTable.h"

namespace tavlor {

// Where each general of a source table goes: NewSlotOfOld[k] is the new slot of the general that
// was in slot k, or nothing when it is not kept (deleted, or not merged in).
struct SlotMapping {
  std::vector<std::optional<int>> NewSlotOfOld;
  // Whether a number 10000 + k that names no general in use in the source (k at or past its
  // GeneralCount, up to the last slot) counts as a general that is not kept. A merged file's
  // numbers name slots of another file, so they must not land on this file's generals; within one
  // file such numbers are left as they stand.
  bool UnheldGeneralsRemoved = false;
};

// The link fix-up of one entry that came from `source` (the table as it was before the step):
//  - 10000 + k of a kept general becomes 10000 + its new slot;
//  - a father, favoured or disliked link to a general that is not kept becomes none (-1; the
//    favoured and disliked flags are cleared);
//  - an affinity to a general that is not kept takes that general's own affinity, followed until it
//    names a kept general or anything that is not a registered general of the source; where the
//    chain ends in none, loops, or leaves the source's generals, the general takes itself
//    (`ownNewSlot`), since an affinity must name a general;
//  - built-in numbers, -1, and numbers that name no general of the source stay as they are; a
//    favoured or disliked value whose flag is not 1 means nothing and is left alone.
void FixLinksOfEntry(GeneralEntry& entry, const GeneralTable& source, const SlotMapping& mapping,
                     int ownNewSlot);

}  // namespace tavlor
