// The in-memory General table: 1000 slots, the count in use, the file header and the Blank slot;
// plus the General number <-> list row rules that tie links to the built-in general lists.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/data/GeneralRecord.h"

namespace tavlor {

struct GeneralTable {
  std::array<GeneralEntry, kSlotCount> Slots{};
  int GeneralCount = 0;  // slots 0 .. GeneralCount - 1 hold the generals in file order
  std::array<uint8_t, kHeaderSize> HeaderBlock{};
  std::array<uint8_t, kBlankSlotSize> BlankSlot{};  // written for every unused entry on save

  bool operator==(const GeneralTable&) const = default;
};

// General numbers: 0..2305 built-in generals, 10000 + k registered general in slot k, -1 none.
inline constexpr int32_t kRegisteredGeneralBase = 10000;
inline constexpr int kBuiltinRowCount = 2307;  // heading row + 2306 built-in generals

// The list row a stored General number is shown from: n + 1 for 0..2306, n - 10000 + 2307 for
// 10000 and up; nothing for any other number.
std::optional<int> ListRowOfGeneralNumber(int32_t generalNumber);

// The General number a list row stands for: r - 1 for rows 1..2306, r + 7693 for rows 2307 and up,
// -1 for row 0 (the heading row "none").
int32_t GeneralNumberOfListRow(int row);

// Grid rows are 1-based; slots 0-based.
inline int SlotOfGridRow(int row) {
  return row - 1;
}
inline int GridRowOfSlot(int slot) {
  return slot + 1;
}

}  // namespace tavlor
