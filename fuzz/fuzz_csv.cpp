// Fuzz target: the spreadsheet text reader. Whatever it accepts stays within its limits and reads
// back to the same rows once written out again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/CsvReading.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tavlor::CsvLimits limits;
  limits.MaxRows = 64;
  limits.MaxColumns = 32;
  limits.MaxCellBytes = 256;
  const tavlor::CsvTable table = tavlor::ReadCsv(text, limits);
  if (table.Problem) {
    if (!table.Rows.empty() || table.Problem->Line < 1) __builtin_trap();
    return 0;
  }
  if (table.Rows.size() > limits.MaxRows || table.LineOfRow.size() != table.Rows.size()) __builtin_trap();
  std::string written;
  for (const auto& row : table.Rows) {
    if (row.empty() || row.size() > limits.MaxColumns) __builtin_trap();
    for (const auto& cell : row)
      if (cell.size() > limits.MaxCellBytes) __builtin_trap();
    written += tavlor::CsvRow(row);
  }
  const tavlor::CsvTable again = tavlor::ReadCsv(written, limits);
  if (again.Problem || again.Rows != table.Rows) __builtin_trap();
  return 0;
}
