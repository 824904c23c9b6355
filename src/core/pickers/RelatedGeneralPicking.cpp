// The related-general picker's rules: search, selection and confirmation.
#include "core/pickers/RelatedGeneralPicking.h"

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/GeneralTable.h"
#include "core/lang/PickerTexts.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace {

constexpr int kAffinitySlot = 3;
constexpr int kFirstLinkSlot = 3;
constexpr int kLastLinkSlot = 6;

bool IsLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

int32_t FaceNumberOfRow(const BuiltinGeneralLists& lists, int row) {
  return LeadingInteger(lists.Cell(1, row));  // the heading "CG" counts as 0
}

}  // namespace

bool ContainsCharacters(std::string_view name, std::string_view part) {
  if (part.empty()) return true;
  for (std::size_t at = 0; at + part.size() <= name.size();) {
    if (name.compare(at, part.size(), part) == 0) return true;
    at += IsLeadByte(name[at]) && at + 1 < name.size() ? 2 : 1;
  }
  return false;
}

std::optional<int> GeneralSearch::Next(const BuiltinGeneralLists& lists, std::string_view gbkText) {
  const std::string_view text = TrimBlanks(gbkText);
  for (int row = std::max(position_, 0); row < lists.RowCount(); ++row) {
    if (ContainsCharacters(lists.Name(row), text)) {
      position_ = row + 1;
      return row;
    }
  }
  position_ = 1;
  return std::nullopt;
}

SelectedGeneral SelectGeneralRow(const BuiltinGeneralLists& lists, int row) {
  SelectedGeneral selected;
  if (row < 0 || row >= lists.RowCount()) return selected;
  const ResolvedFace face = ResolveFace(FaceNumberOfRow(lists, row));
  if (face.Set != FaceSet::None) selected.Portrait = face;
  if (row > 0) {
    selected.ShowsGeneral = true;
    for (int j = 0; j < 4; ++j) selected.Abilities[j] = LeadingInteger(lists.Cell(j + 2, row));
    selected.Name = lists.Name(row);
  }
  return selected;
}

ResolvedFace LinkPortraitOfConfirmation(int32_t faceNumber) {
  const ResolvedFace face = ResolveFace(faceNumber);
  if (face.Set != FaceSet::None) return face;
  return {FaceSet::Game, faceNumber};
}

LinkConfirmation ConfirmRelatedGeneral(const BuiltinGeneralLists& lists, int selectedRow, int linkSlot) {
  LinkConfirmation confirmation;
  if (linkSlot < kFirstLinkSlot || linkSlot > kLastLinkSlot) return confirmation;
  confirmation.LinkRow = linkSlot - kFirstLinkSlot;
  const int row = selectedRow >= 0 && selectedRow < lists.RowCount() ? selectedRow : -1;

  if (row < 1) {
    if (linkSlot == kAffinitySlot) {
      // Every general has an affinity general: there is nothing to clear it to.
      confirmation.Outcome = LinkOutcome::Refused;
      confirmation.RefusalMessage = texts::AffinityRequired;
    } else if (row == 0) {
      confirmation.Outcome = LinkOutcome::Cleared;
      confirmation.NumberText = "-1";
    }
    return confirmation;
  }
  confirmation.Outcome = LinkOutcome::Applied;
  confirmation.NumberText = std::to_string(GeneralNumberOfListRow(row));
  confirmation.Name = lists.Name(row);
  confirmation.Portrait = LinkPortraitOfConfirmation(FaceNumberOfRow(lists, row));
  return confirmation;
}

}  // namespace tavlor
