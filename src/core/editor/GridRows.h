// The texts and colours of the list window's grid: the heading row and one row per general, as
// interface bytes ready to be written into the cells.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/GeneralTable.h"

namespace tavlor {

struct GbkJisTables;
struct TextTables;

// Cell colours are 0xRRGGBB; kNoCellColour leaves a cell's background as it is.
inline constexpr int32_t kNoCellColour = -1;
inline constexpr int32_t kGridLightBlue = 0x8CBEEB;     // 140, 190, 235
inline constexpr int32_t kGridAppearRed = 0xF04632;     // 240, 70, 50
inline constexpr int32_t kGridStandbyGreen = 0x9BFF3C;  // 155, 255, 60

inline constexpr int kGridColumnCount = 4;
// Column 0 is one twip wide: the grid's fixed column, effectively hidden.
inline constexpr std::array<int, kGridColumnCount> kGridColumnWidthsTwips = {1, 600, 1400, 800};

struct GridCellText {
  std::string Text;  // interface bytes: GBK, or Big5 in the Traditional language
  int32_t Colour = kNoCellColour;

  bool operator==(const GridCellText&) const = default;
};

// Row 0: the four headings, all light blue.
using GridHeadingTexts = std::array<GridCellText, kGridColumnCount>;

// Row k + 1 for slot k: columns 1 to 3 (column 0 stays empty).
struct GridGeneralRow {
  GridCellText Number;  // " 0", " 1", ... never converted
  GridCellText Name;    // family name and given name, each trimmed, joined
  GridCellText Appear;  // "出场" in red when AppearFlag is 1, else "待机" in green

  bool operator==(const GridGeneralRow&) const = default;
};

GridHeadingTexts GridHeadings(TextTables& tables, bool simplified);

GridGeneralRow GridRowOfGeneral(int slot, const GeneralEntry& entry, TextTables& tables, bool simplified);

// One row per general of the table (slots 0 .. GeneralCount - 1; a count outside 0..1000 is
// clamped so that a damaged table never reads past its slots).
std::vector<GridGeneralRow> GridRowsOfTable(const GeneralTable& table, TextTables& tables, bool simplified);

}  // namespace tavlor
