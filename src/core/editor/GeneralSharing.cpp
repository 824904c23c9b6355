// Import: checks, the slot's General number, links made safe for this file, and the list row.
#include "core/editor/GeneralSharing.h"

#include "core/lang/EditSafetyTexts.h"
#include "core/lang/InterfaceTexts.h"

namespace tavlor {
namespace {

constexpr int32_t kNoGeneral = -1;
constexpr int32_t kLastBuiltinGeneral = 2305;

// Whether a link names a general of this file once `count` generals are in it: none, a built-in
// general, or a registered general in use.
bool NamesKnownGeneral(int32_t number, int count) {
  if (number == kNoGeneral) return true;
  if (number >= 0 && number <= kLastBuiltinGeneral) return true;
  const int64_t registered = int64_t{number} - kRegisteredGeneralBase;
  return registered >= 0 && registered < count;
}

int ClearUnknownLinks(GeneralEntry& entry, int count) {
  int cleared = 0;
  for (int32_t* number : {&entry.Record.FatherNo, &entry.Record.AffinityNo}) {
    if (!NamesKnownGeneral(*number, count)) {
      *number = kNoGeneral;
      ++cleared;
    }
  }
  // The editor's own way of saying "none" for these pairs: flag 0.
  for (auto [flag, number] : {std::pair{&entry.Links.FavouredFlag, &entry.Links.FavouredNo},
                              std::pair{&entry.Links.DislikedFlag, &entry.Links.DislikedNo}}) {
    if (*flag == 1 && !NamesKnownGeneral(*number, count)) {
      *flag = 0;
      ++cleared;
    }
  }
  return cleared;
}

ImportResult Refused(EditOutcome outcome, std::string_view message) {
  return ImportResult{EditResult{outcome, -1, message}, 0};
}

// Writes the general into `slot`; `countAfter` is the General count once it is in.
ImportResult WriteShared(GeneralEntry entry, int slot, int countAfter, EditOutcome outcome,
                         GeneralTable& table, BuiltinGeneralLists& lists, const GbkJisTables& tables) {
  if (entry.Record.BirthYear < 1)
    return Refused(EditOutcome::BirthYearNotPositive, texts::BirthYearMustBePositive);
  ImportResult result{EditResult{outcome, slot, {}}, ClearUnknownLinks(entry, countAfter)};
  entry.Appendix.GeneralNo = kRegisteredGeneralBase + slot;
  table.Slots[static_cast<std::size_t>(slot)] = entry;
  table.GeneralCount = countAfter;
  lists.SetRow(kBuiltinRowCount + slot, ListRowOfGeneral(entry, tables));
  return result;
}

}  // namespace

ImportResult ImportAsNewGeneral(const GeneralEntry& shared, GeneralTable& table, BuiltinGeneralLists& lists,
                                const GbkJisTables& tables) {
  const int slot = table.GeneralCount;
  if (slot < 0 || slot >= static_cast<int>(kSlotCount))
    return Refused(EditOutcome::TableFull, texts::GeneralTableFull);
  return WriteShared(shared, slot, slot + 1, EditOutcome::Added, table, lists, tables);
}

ImportResult ImportOverGeneral(const GeneralEntry& shared, std::optional<int> pickedSlot, GeneralTable& table,
                               BuiltinGeneralLists& lists, const GbkJisTables& tables) {
  if (!pickedSlot) return Refused(EditOutcome::NoGeneralPicked, texts::PickGeneralFirst);
  const int slot = *pickedSlot;
  if (slot < 0 || slot >= table.GeneralCount)
    return Refused(EditOutcome::PickedGeneralMissing, texts::PickedGeneralMissing);
  return WriteShared(shared, slot, table.GeneralCount, EditOutcome::Changed, table, lists, tables);
}

std::string_view SharedGeneralProblemText(SharedGeneralProblem problem) {
  switch (problem) {
    case SharedGeneralProblem::None:
      return {};
    case SharedGeneralProblem::NotSharedGeneral:
      return texts::NotASharedGeneral;
    case SharedGeneralProblem::NewerVersion:
      return texts::SharedGeneralTooNew;
    case SharedGeneralProblem::Damaged:
      return texts::SharedGeneralDamaged;
  }
  return texts::SharedGeneralDamaged;
}

}  // namespace tavlor
