// The link rule of GeneralLinkFixUp.h.
#include "core/editor/GeneralLinkFixUp.h"

namespace tavlor {
namespace {

// The source slot a number names, when it names a registered general there (see
// UnheldGeneralsRemoved for slots not in use).
std::optional<int> SourceSlotOf(int32_t number, const GeneralTable& source, const SlotMapping& mapping) {
  const int64_t slot = static_cast<int64_t>(number) - kRegisteredGeneralBase;
  const int64_t end = mapping.UnheldGeneralsRemoved ? static_cast<int64_t>(kSlotCount) : source.GeneralCount;
  if (slot < 0 || slot >= end) return std::nullopt;
  return static_cast<int>(slot);
}

std::optional<int> NewSlotOf(int slot, const SlotMapping& mapping) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= mapping.NewSlotOfOld.size()) return std::nullopt;
  return mapping.NewSlotOfOld[static_cast<std::size_t>(slot)];
}

int32_t NumberOfSlot(int slot) {
  return kRegisteredGeneralBase + slot;
}

// A link that becomes none when its general goes.
int32_t FollowOrNone(int32_t number, const GeneralTable& source, const SlotMapping& mapping) {
  const auto slot = SourceSlotOf(number, source, mapping);
  if (!slot) return number;
  const auto moved = NewSlotOf(*slot, mapping);
  return moved ? NumberOfSlot(*moved) : -1;
}

int32_t FollowAffinity(int32_t number, const GeneralTable& source, const SlotMapping& mapping,
                       int ownNewSlot) {
  if (!SourceSlotOf(number, source, mapping)) return number;
  // Each step visits another source slot, so a chain ends within GeneralCount steps or loops.
  for (int steps = 0; steps <= source.GeneralCount; ++steps) {
    const auto slot = SourceSlotOf(number, source, mapping);
    if (!slot) return number == -1 ? NumberOfSlot(ownNewSlot) : number;
    if (const auto moved = NewSlotOf(*slot, mapping)) return NumberOfSlot(*moved);
    if (*slot >= source.GeneralCount) break;  // a general the source does not hold has no affinity
    number = source.Slots[static_cast<std::size_t>(*slot)].Record.AffinityNo;
  }
  return NumberOfSlot(ownNewSlot);
}

void FollowPair(int32_t& flag, int32_t& value, const GeneralTable& source, const SlotMapping& mapping) {
  if (flag != 1) return;
  value = FollowOrNone(value, source, mapping);
  if (value == -1) flag = 0;
}

}  // namespace

void FixLinksOfEntry(GeneralEntry& entry, const GeneralTable& source, const SlotMapping& mapping,
                     int ownNewSlot) {
  if (SourceSlotOf(entry.Appendix.GeneralNo, source, mapping)) {
    entry.Appendix.GeneralNo = FollowOrNone(entry.Appendix.GeneralNo, source, mapping);
    // A general's own number names a general that is kept: itself, wherever it went.
    if (entry.Appendix.GeneralNo == -1) entry.Appendix.GeneralNo = NumberOfSlot(ownNewSlot);
  }
  entry.Record.FatherNo = FollowOrNone(entry.Record.FatherNo, source, mapping);
  entry.Record.AffinityNo = FollowAffinity(entry.Record.AffinityNo, source, mapping, ownNewSlot);
  FollowPair(entry.Links.FavouredFlag, entry.Links.FavouredNo, source, mapping);
  FollowPair(entry.Links.DislikedFlag, entry.Links.DislikedNo, source, mapping);
}

}  // namespace tavlor
