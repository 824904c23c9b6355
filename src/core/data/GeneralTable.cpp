// General numbers and list rows: registered generals sit behind the 2307 built-in rows.
#include "core/data/GeneralTable.h"

namespace tavlor {

std::optional<int> ListRowOfGeneralNumber(int32_t generalNumber) {
  // 2306 names no built-in general but is still taken as row + 1, landing on the first
  // registered general's row, as the game's own lookup does.
  if (generalNumber >= 0 && generalNumber <= kBuiltinRowCount - 1) return generalNumber + 1;
  if (generalNumber >= kRegisteredGeneralBase &&
      generalNumber < kRegisteredGeneralBase + int32_t{kSlotCount}) {
    return generalNumber - kRegisteredGeneralBase + kBuiltinRowCount;
  }
  return std::nullopt;
}

int32_t GeneralNumberOfListRow(int row) {
  if (row <= 0) return -1;
  if (row < kBuiltinRowCount) return row - 1;
  return row - kBuiltinRowCount + kRegisteredGeneralBase;
}

}  // namespace tavlor
