// The built-in general lists: six parallel columns (name, face number, 統率, 武勇, 知略, 政治) with a
// heading row, 2306 built-in generals and one row per registered general from row 2307 on.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/GeneralTable.h"
#include "core/text/GbkJisConversion.h"

namespace tavlor {

inline constexpr int kListColumnCount = 6;
using ListRow = std::array<std::string, kListColumnCount>;  // GBK name, then decimal texts

class BuiltinGeneralLists {
 public:
  BuiltinGeneralLists();  // holds the heading row only

  struct LoadProblem {
    int Line = 0;        // 1-based line of the file
    std::string Reason;  // English
  };
  // Replaces the rows after the heading with the file's rows (GBK, tab-separated: name, face
  // number, four abilities; '#' starts a comment line). Wrong lines are skipped and reported.
  std::vector<LoadProblem> LoadBuiltinRows(const std::filesystem::path& tsvFile);

  int RowCount() const { return static_cast<int>(columns_[0].size()); }
  const std::string& Cell(int column, int row) const { return columns_[column][row]; }
  const std::string& Name(int row) const { return columns_[0][row]; }
  ListRow Row(int row) const;

  void AppendRow(const ListRow& row);
  void SetRow(int row, const ListRow& values);  // rows past the end are appended
  // Removes every row from `firstRemoved` on.
  void CutRows(int firstRemoved);
  // Rows `first` + order[j] become rows `first` + j, and the rows past them are removed; every
  // first + order[j] must be a row, each named once. The texts are moved, not copied.
  void ReorderRows(int first, const std::vector<int>& order);

 private:
  std::array<std::vector<std::string>, kListColumnCount> columns_;
};

// Cuts the lists back to their built-in rows (when they hold 2308 rows or more) and appends one
// row per general of the table, so that slot k sits at row 2307 + k.
void RefreshGeneralLists(BuiltinGeneralLists& lists, const GeneralTable& table, const GbkJisTables& tables);

// A registered general's name as the lists and the grid show it: the GBK family name and the GBK
// given name, each trimmed of blanks, joined without a separator.
std::string DisplayNameOfGeneral(const GeneralRecord& record, const GbkJisTables& tables);

// The list row of a registered general as RefreshGeneralLists builds it.
ListRow ListRowOfGeneral(const GeneralEntry& entry, const GbkJisTables& tables);

// The program's shared lists.
BuiltinGeneralLists& SharedBuiltinGeneralLists();

}  // namespace tavlor
