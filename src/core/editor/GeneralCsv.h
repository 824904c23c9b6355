// The General table as a spreadsheet: one row per slot under a header of the command line's field
// names, texts as the editor shows them, aptitudes as D/C/B/A/S, codes with their names beside
// them, links as general numbers. Importing applies such a sheet through the same checks as
// changing and adding a general, all rows or none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data/BuiltinGeneralLists.h"
#include "core/text/TextTables.h"

namespace tavlor {

// Between interface bytes (GBK) and the sheet's UTF-8: the window layer's codec supplies it.
class CsvTextCodec {
 public:
  virtual ~CsvTextCodec() = default;
  virtual std::string Utf8OfGbk(std::string_view gbk) const = 0;
  // Nothing when the text is no UTF-8 or holds a character GBK has no code for.
  virtual std::optional<std::string> GbkOfUtf8(std::string_view utf8) const = 0;
};

// The whole sheet: byte-order mark, header, slots 0 .. GeneralCount - 1, CRLF line ends.
std::string ExportGeneralsCsv(const GeneralTable& table, TextTables& tables, const CsvTextCodec& codec);

// Why a sheet was refused. Value, Low and High carry the numbers a kind names; the command line
// and the window each word it in their own language.
enum class CsvRefusal {
  // The text itself.
  TooManyRows,            // more than High rows
  TooManyColumns,         // a row of more than High cells
  CellTooLong,            // a cell longer than High bytes
  QuoteNeverClosed,       // a quote opened on the line is never closed
  TextAfterClosingQuote,  // text after the closing quote of a cell
  // The header and the slots.
  NoHeader,           // the sheet is empty
  ColumnTwice,        // the header names the column twice
  NoSuchColumn,       // the header names a column the sheet does not have
  SlotColumnMissing,  // the header has no slot column
  TooManyCells,       // a row of more cells than the header has columns
  SlotOutOfRange,     // the slot cell is no slot from Low to High
  SlotTwice,          // an earlier row names the slot already
  SlotLeftOut,        // no row names slot Value, which the slots named behind it need
  // One cell.
  NotWholeNumber,      // the cell is no whole number
  NumberOutOfRange,    // the number must be Low to High
  NotStatus,           // the status must be 7 (retainer) or 3 (ronin)
  NotAptitude,         // an aptitude must be D, C, B, A or S
  NotGbk,              // the text holds a character GBK cannot carry, or is no UTF-8
  NotStorable,         // the text holds a character with no Shift-JIS form
  TooWide,             // the text is Value bytes in Shift-JIS; the field holds High
  NotLink,             // a link must be -1, a built-in general 0 to Low, or 10000 to High
  LifespanOutOfRange,  // the years give a lifespan of Value; it must be Low to High
};

struct CsvImportProblem {
  int Line = 0;        // line of the file (1-based); 0 for the file as a whole
  std::string Column;  // the header name, empty when the problem is not one cell's
  CsvRefusal Kind = CsvRefusal::NoHeader;
  long long Value = 0;
  long long Low = 0;
  long long High = 0;
};

struct CsvImportResult {
  std::optional<CsvImportProblem> Problem;  // set when nothing was applied
  int Changed = 0;                          // generals changed
  int Added = 0;                            // generals added behind the last
};

// Applies a sheet: rows name their slot; slots in use are changed, the slots right behind the last
// general are added (from the editor's new general). A cell equal to what the export writes for the
// slot leaves its field's stored bytes alone; every other cell is checked as the editor checks it.
// Any refusal leaves table and lists untouched. Name columns beside codes are only for reading.
CsvImportResult ImportGeneralsCsv(std::string_view text, GeneralTable& table, BuiltinGeneralLists& lists,
                                  TextTables& tables, const CsvTextCodec& codec);

}  // namespace tavlor
