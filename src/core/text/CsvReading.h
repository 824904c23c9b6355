// Comma-separated text as spreadsheet programs write it: cells in double quotes where they hold a
// comma, a quote or a line break, quotes doubled inside, rows ended by CRLF, LF or CR, an optional
// UTF-8 byte-order mark. Reading is bounded: a file beyond the limits is refused, never grown into.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlor {

struct CsvLimits {
  std::size_t MaxRows = 1100;  // a header and 1000 generals, with room for blank rows
  std::size_t MaxColumns = 256;
  std::size_t MaxCellBytes = 4096;  // far above any field's width, far below harm
};

enum class CsvTextProblem {
  TooManyRows,            // more rows than CsvLimits::MaxRows
  TooManyColumns,         // a row of more cells than CsvLimits::MaxColumns
  CellTooLong,            // a cell of more bytes than CsvLimits::MaxCellBytes
  QuoteNeverClosed,       // a quoted cell runs to the end of the text
  TextAfterClosingQuote,  // a quoted cell is followed by more than a comma or a line end
};

struct CsvProblem {
  int Line = 0;  // 1-based line of the file where the problem is
  CsvTextProblem Kind = CsvTextProblem::TooManyRows;
  std::size_t Limit = 0;  // the limit passed, for the kinds that pass one
};

struct CsvTable {
  std::vector<std::vector<std::string>> Rows;
  std::vector<int> LineOfRow;         // the 1-based line each row starts on
  std::optional<CsvProblem> Problem;  // set when the text was refused; Rows is then empty
};

// Reads the rows. Lines that hold nothing at all are skipped; a row of empty cells is kept.
CsvTable ReadCsv(std::string_view text, const CsvLimits& limits = {});

// One cell as written: in quotes (quotes doubled) when it holds a comma, a quote, a line break or
// blanks at either end, else as it stands.
std::string CsvCell(std::string_view text);

// A row of cells joined by commas and ended by CRLF.
std::string CsvRow(const std::vector<std::string>& cells);

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace tavlor
