// The related-general picker's rules over the built-in general lists: searching the names,
// what selecting a row shows, and what confirming a row writes into one of the editor's four link
// rows (相性 親愛 嫌悪 実父).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/portraits/FaceNumbers.h"

namespace tavlor {

class BuiltinGeneralLists;

// The search behind the search button. The position persists from one search (and one use of the
// picker) to the next: a hit moves it behind the row found, a miss sets it back to row 1, so that
// the heading row "无" is only ever tried by the very first search.
class GeneralSearch {
 public:
  // The first row from the position on whose name contains `gbkText` (trimmed of blanks; an empty
  // text matches the first row tried), or nothing.
  std::optional<int> Next(const BuiltinGeneralLists& lists, std::string_view gbkText);
  int Position() const { return position_; }

 private:
  int position_ = 0;
};

// Whether the GBK text `name` contains `part` as whole characters: a match never starts on the
// second byte of a double-byte character.
bool ContainsCharacters(std::string_view name, std::string_view part);

// What selecting row `row` shows: the large portrait of the row's face number (nothing when it
// names no face: the portrait box keeps its picture) and, for a general (row 1 and up), the four
// abilities and the name.
struct SelectedGeneral {
  std::optional<ResolvedFace> Portrait;
  bool ShowsGeneral = false;           // false for the heading row: bars and boxes stay
  std::array<int32_t, 4> Abilities{};  // 統率 武勇 知略 政治
  std::string Name;                    // GBK
};
SelectedGeneral SelectGeneralRow(const BuiltinGeneralLists& lists, int row);

enum class LinkOutcome {
  Applied,    // the chosen general is written into the link row
  Cleared,    // the heading row clears a favoured, disliked or father link
  Refused,    // an affinity link without a general: the picker stays open
  Unchanged,  // nothing selected: nothing written
};

// What confirming writes into link row `LinkRow` of the editor (0 affinity .. 3 father).
struct LinkConfirmation {
  LinkOutcome Outcome = LinkOutcome::Unchanged;
  int LinkRow = -1;
  std::string NumberText;                // the General number ("-1" when cleared)
  std::string Name;                      // GBK, empty when cleared
  std::optional<ResolvedFace> Portrait;  // the small portrait; nothing clears it
  std::string_view RefusalMessage;       // GBK "相性武将必须选择" when refused
};

// Confirming `selectedRow` (-1 when nothing is selected) for the link button `linkSlot` (3 affinity,
// 4 favoured, 5 disliked, 6 father). A row past the end of the lists counts as no selection.
LinkConfirmation ConfirmRelatedGeneral(const BuiltinGeneralLists& lists, int selectedRow, int linkSlot);

// The small portrait of a confirmed general: the face its face number names, from the set that
// holds it (game faces from index 1700 on stay game faces); a number that names no face is drawn as
// the game face of that index, which the game archive usually does not hold.
ResolvedFace LinkPortraitOfConfirmation(int32_t faceNumber);

}  // namespace tavlor
