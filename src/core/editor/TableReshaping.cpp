// Reordering the General table: every step is a mapping of old slots to new ones, applied to the
// entries, their links and the registered list rows in one pass.
#include "core/editor/TableReshaping.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "core/editor/GeneralLinkFixUp.h"

namespace tavlor {
namespace {

std::size_t Index(int slot) {
  return static_cast<std::size_t>(slot);
}

// The links of the entry that goes to slot j, fixed while every entry is still in its old slot.
struct FixedLinks {
  int32_t GeneralNo = 0;
  int32_t FatherNo = 0;
  int32_t AffinityNo = 0;
  GeneralLinks Pairs;
};

// Puts the entry of slot order[j] into slot j for every j, in place. No entry goes to two slots,
// so the moves form chains, each begun at a slot whose own entry is dropped or goes nowhere, and
// cycles, which need one entry held aside.
void MoveEntries(const std::vector<int>& order, GeneralTable& table) {
  const std::size_t count = order.size();
  std::vector<bool> taken(kSlotCount, false);  // the slot's entry goes to another slot
  std::vector<bool> placed(count, false);
  for (std::size_t j = 0; j < count; ++j) {
    if (Index(order[j]) == j) {
      placed[j] = true;
    } else {
      taken[Index(order[j])] = true;
    }
  }
  auto& slots = table.Slots;
  for (std::size_t start = 0; start < count; ++start) {
    if (placed[start] || taken[start]) continue;
    // Each slot written gives its entry up first: it is the next to be written, when in range.
    for (std::size_t j = start; j < count && !placed[j]; j = Index(order[j])) {
      slots[j] = slots[Index(order[j])];
      placed[j] = true;
    }
  }
  for (std::size_t start = 0; start < count; ++start) {
    if (placed[start]) continue;
    const GeneralEntry held = slots[start];
    std::size_t j = start;
    for (; Index(order[j]) != start; j = Index(order[j])) {
      slots[j] = slots[Index(order[j])];
      placed[j] = true;
    }
    slots[j] = held;
    placed[j] = true;
  }
}

// Rebuilds slots 0 .. newCount - 1 from `order` (order[j] = old slot now in j), fixing every link,
// and puts the registered list rows in the same order (when the lists hold a row per general).
// The table is rearranged in place: the links are worked out first, against the table as it was.
void Rearrange(const std::vector<int>& order, GeneralTable& table, BuiltinGeneralLists& lists) {
  const int countBefore = table.GeneralCount;
  SlotMapping mapping;
  mapping.NewSlotOfOld.assign(Index(countBefore), std::nullopt);
  for (std::size_t j = 0; j < order.size(); ++j) mapping.NewSlotOfOld[Index(order[j])] = static_cast<int>(j);

  std::vector<FixedLinks> links(order.size());
  for (std::size_t j = 0; j < order.size(); ++j) {
    GeneralEntry entry = table.Slots[Index(order[j])];
    FixLinksOfEntry(entry, table, mapping, static_cast<int>(j));
    links[j] = {entry.Appendix.GeneralNo, entry.Record.FatherNo, entry.Record.AffinityNo, entry.Links};
  }
  MoveEntries(order, table);
  for (std::size_t j = 0; j < order.size(); ++j) {
    GeneralEntry& entry = table.Slots[j];
    entry.Appendix.GeneralNo = links[j].GeneralNo;
    entry.Record.FatherNo = links[j].FatherNo;
    entry.Record.AffinityNo = links[j].AffinityNo;
    entry.Links = links[j].Pairs;  // the hidden pair is the entry's own, unchanged
  }
  table.GeneralCount = static_cast<int>(order.size());

  const bool listsHoldEveryGeneral = lists.RowCount() >= kBuiltinRowCount + countBefore;
  if (listsHoldEveryGeneral) lists.ReorderRows(kBuiltinRowCount, order);
}

std::vector<int> IdentityOrder(int count) {
  std::vector<int> order(Index(count));
  for (int k = 0; k < count; ++k) order[Index(k)] = k;
  return order;
}

std::vector<bool> Selection(const std::vector<int>& slots, int count) {
  std::vector<bool> selected(Index(count), false);
  for (int slot : slots) selected[Index(slot)] = true;
  return selected;
}

// One step of the selection towards `direction` (-1 up, +1 down): each selected general swaps with
// the unselected neighbour on that side; one whose neighbour is selected and stuck stays.
std::vector<int> MoveSelection(const std::vector<int>& slots, int direction, GeneralTable& table,
                               BuiltinGeneralLists& lists) {
  const std::vector<int> chosen = SlotsInUse(slots, table);
  const int count = table.GeneralCount;
  std::vector<bool> selected = Selection(chosen, count);
  std::vector<int> order = IdentityOrder(count);
  const int first = direction < 0 ? 0 : count - 1;
  for (int step = 0; step < count; ++step) {
    const int slot = direction < 0 ? step : count - 1 - step;
    const int neighbour = slot + direction;
    if (!selected[Index(slot)] || slot == first || neighbour < 0 || neighbour >= count) continue;
    if (selected[Index(neighbour)]) continue;  // stuck behind a selected general that could not move
    std::swap(order[Index(slot)], order[Index(neighbour)]);
    selected[Index(neighbour)] = true;
    selected[Index(slot)] = false;
  }
  if (order != IdentityOrder(count)) Rearrange(order, table, lists);
  std::vector<int> now;
  for (int slot = 0; slot < count; ++slot)
    if (selected[Index(slot)]) now.push_back(slot);
  return now;
}

}  // namespace

std::vector<int> SlotsInUse(const std::vector<int>& slots, const GeneralTable& table) {
  std::vector<int> inUse;
  for (int slot : slots)
    if (slot >= 0 && slot < table.GeneralCount) inUse.push_back(slot);
  std::sort(inUse.begin(), inUse.end());
  inUse.erase(std::unique(inUse.begin(), inUse.end()), inUse.end());
  return inUse;
}

int DeleteGenerals(const std::vector<int>& slots, GeneralTable& table, BuiltinGeneralLists& lists) {
  const std::vector<int> doomed = SlotsInUse(slots, table);
  if (doomed.empty()) return 0;
  const std::vector<bool> deleted = Selection(doomed, table.GeneralCount);
  std::vector<int> order;
  for (int slot = 0; slot < table.GeneralCount; ++slot)
    if (!deleted[Index(slot)]) order.push_back(slot);
  Rearrange(order, table, lists);
  return static_cast<int>(doomed.size());
}

std::vector<int> MoveGeneralsUp(const std::vector<int>& slots, GeneralTable& table,
                                BuiltinGeneralLists& lists) {
  return MoveSelection(slots, -1, table, lists);
}

std::vector<int> MoveGeneralsDown(const std::vector<int>& slots, GeneralTable& table,
                                  BuiltinGeneralLists& lists) {
  return MoveSelection(slots, +1, table, lists);
}

bool MoveGeneral(int from, int to, GeneralTable& table, BuiltinGeneralLists& lists) {
  const int count = table.GeneralCount;
  if (from < 0 || from >= count || to < 0 || to >= count) return false;
  if (from == to) return true;
  std::vector<int> order = IdentityOrder(count);
  order.erase(order.begin() + from);
  order.insert(order.begin() + to, from);
  Rearrange(order, table, lists);
  return true;
}

int GeneralsThatFit(const GeneralTable& table, int otherCount) {
  const int room = static_cast<int>(kSlotCount) - table.GeneralCount;
  return std::clamp(otherCount, 0, std::max(room, 0));
}

int MergeGenerals(const GeneralTable& other, int count, GeneralTable& table, BuiltinGeneralLists& lists,
                  const GbkJisTables& tables) {
  const int added = std::min(std::max(count, 0), GeneralsThatFit(table, other.GeneralCount));
  const int first = table.GeneralCount;
  SlotMapping mapping;
  mapping.NewSlotOfOld.assign(Index(other.GeneralCount), std::nullopt);
  mapping.UnheldGeneralsRemoved = true;
  for (int j = 0; j < added; ++j) mapping.NewSlotOfOld[Index(j)] = first + j;

  // The lists get rows only where they already hold one per general, as after a refresh.
  const bool listsHoldEveryGeneral = lists.RowCount() == kBuiltinRowCount + first;
  for (int j = 0; j < added; ++j) {
    GeneralEntry& entry = table.Slots[Index(first + j)];
    entry = other.Slots[Index(j)];
    FixLinksOfEntry(entry, other, mapping, first + j);
    if (listsHoldEveryGeneral) lists.AppendRow(ListRowOfGeneral(entry, tables));
  }
  table.GeneralCount = first + added;
  return added;
}

int SetGeneralsAppear(const std::vector<int>& slots, bool appear, GeneralTable& table) {
  int changed = 0;
  for (int slot : SlotsInUse(slots, table)) {
    int32_t& flag = table.Slots[Index(slot)].Appendix.AppearFlag;
    const int32_t wanted = appear ? 1 : (flag == 1 ? 0 : flag);
    if (flag != wanted) ++changed;
    flag = wanted;
  }
  return changed;
}

}  // namespace tavlor
