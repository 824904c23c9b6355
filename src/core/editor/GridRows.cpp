// Builds the grid's heading and general rows from the General table.
#include "core/editor/GridRows.h"

#include "core/data/BuiltinGeneralLists.h"

#include <algorithm>

#include "core/lang/InterfaceTexts.h"
#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"
#include "core/text/TextTables.h"

namespace tavlor {
namespace {

// Interface text as shown in the language in force: Big5 in Traditional, GBK otherwise.
std::string ForLanguage(std::string_view gbk, TextTables& tables, bool simplified) {
  if (simplified) return std::string(gbk);
  return GbToBig5(gbk, tables.GbBig5);
}

}  // namespace

GridHeadingTexts GridHeadings(TextTables& tables, bool simplified) {
  return {GridCellText{"", kGridLightBlue},
          GridCellText{ForLanguage(texts::HeadingNumber, tables, simplified), kGridLightBlue},
          GridCellText{ForLanguage(texts::HeadingGeneral, tables, simplified), kGridLightBlue},
          GridCellText{ForLanguage(texts::HeadingAppear, tables, simplified), kGridLightBlue}};
}

GridGeneralRow GridRowOfGeneral(int slot, const GeneralEntry& entry, TextTables& tables, bool simplified) {
  GridGeneralRow row;
  row.Number = {" " + std::to_string(slot), kGridLightBlue};
  row.Name = {ForLanguage(DisplayNameOfGeneral(entry.Record, tables.GbkJis), tables, simplified),
              kGridLightBlue};
  // Only 1 means "appears"; every other value (0, 2, garbage) is shown as standing by.
  if (entry.Appendix.AppearFlag == 1) {
    row.Appear = {ForLanguage(texts::Appearing, tables, simplified), kGridAppearRed};
  } else {
    row.Appear = {ForLanguage(texts::Standby, tables, simplified), kGridStandbyGreen};
  }
  return row;
}

std::vector<GridGeneralRow> GridRowsOfTable(const GeneralTable& table, TextTables& tables, bool simplified) {
  const int count = std::clamp(table.GeneralCount, 0, static_cast<int>(kSlotCount));
  std::vector<GridGeneralRow> rows;
  rows.reserve(count);
  for (int slot = 0; slot < count; ++slot) {
    rows.push_back(GridRowOfGeneral(slot, table.Slots[slot], tables, simplified));
  }
  return rows;
}

}  // namespace tavlor
