// A single pass over the bytes with one cell of look-ahead; every limit is checked before a cell or
// row grows, so no input makes it allocate more than the limits allow.
#include "core/text/CsvReading.h"

namespace tavlor {
namespace {

class CsvReader {
 public:
  CsvReader(std::string_view text, const CsvLimits& limits) : text_(text), limits_(limits) {}

  CsvTable Read() {
    if (text_.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
      position_ = kUtf8ByteOrderMark.size();
    while (position_ < text_.size() && !table_.Problem) ReadRow();
    if (table_.Problem) {
      table_.Rows.clear();
      table_.LineOfRow.clear();
    }
    return std::move(table_);
  }

 private:
  bool AtLineEnd() const { return text_[position_] == '\n' || text_[position_] == '\r'; }

  void SkipLineEnd() {
    if (text_[position_] == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n') ++position_;
    ++position_;
    ++line_;
  }

  void Refuse(int line, CsvTextProblem kind, std::size_t limit = 0) {
    table_.Problem = CsvProblem{line, kind, limit};
  }

  void ReadRow() {
    if (AtLineEnd()) {  // a line with nothing on it
      SkipLineEnd();
      return;
    }
    if (table_.Rows.size() >= limits_.MaxRows)
      return Refuse(line_, CsvTextProblem::TooManyRows, limits_.MaxRows);
    const int firstLine = line_;
    std::vector<std::string> row;
    while (true) {
      if (row.size() >= limits_.MaxColumns)
        return Refuse(line_, CsvTextProblem::TooManyColumns, limits_.MaxColumns);
      std::string cell;
      if (!ReadCell(cell)) return;
      row.push_back(std::move(cell));
      if (position_ >= text_.size()) break;
      if (AtLineEnd()) {
        SkipLineEnd();
        break;
      }
      ++position_;                      // the comma
      if (position_ >= text_.size()) {  // a comma at the very end: one more empty cell
        if (row.size() >= limits_.MaxColumns)
          return Refuse(line_, CsvTextProblem::TooManyColumns, limits_.MaxColumns);
        row.emplace_back();
        break;
      }
    }
    table_.Rows.push_back(std::move(row));
    table_.LineOfRow.push_back(firstLine);
  }

  // NUL bytes are kept: a text field whose stored bytes are not text is exported as they convert.
  bool Append(std::string& cell, char c) {
    if (cell.size() >= limits_.MaxCellBytes) {
      Refuse(line_, CsvTextProblem::CellTooLong, limits_.MaxCellBytes);
      return false;
    }
    cell.push_back(c);
    return true;
  }

  // Reads one cell up to (not including) the comma or line end after it.
  bool ReadCell(std::string& cell) {
    if (position_ < text_.size() && text_[position_] == '"') return ReadQuotedCell(cell);
    while (position_ < text_.size() && text_[position_] != ',' && !AtLineEnd()) {
      if (!Append(cell, text_[position_++])) return false;
    }
    return true;
  }

  bool ReadQuotedCell(std::string& cell) {
    const int openedOn = line_;
    ++position_;
    while (true) {
      if (position_ >= text_.size()) {
        Refuse(openedOn, CsvTextProblem::QuoteNeverClosed);
        return false;
      }
      const char c = text_[position_];
      if (c == '"') {
        if (position_ + 1 < text_.size() && text_[position_ + 1] == '"') {
          if (!Append(cell, '"')) return false;
          position_ += 2;
          continue;
        }
        ++position_;
        if (position_ < text_.size() && text_[position_] != ',' && !AtLineEnd()) {
          Refuse(line_, CsvTextProblem::TextAfterClosingQuote);
          return false;
        }
        return true;
      }
      if (c == '\r' || c == '\n') {  // a line break inside the cell, kept as LF or CRLF as written
        const bool crlf = c == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n';
        if (!Append(cell, c) || (crlf && !Append(cell, '\n'))) return false;
        position_ += crlf ? 2 : 1;
        ++line_;
        continue;
      }
      if (!Append(cell, c)) return false;
      ++position_;
    }
  }

  std::string_view text_;
  const CsvLimits& limits_;
  std::size_t position_ = 0;
  int line_ = 1;
  CsvTable table_;
};

}  // namespace

CsvTable ReadCsv(std::string_view text, const CsvLimits& limits) {
  return CsvReader(text, limits).Read();
}

std::string CsvCell(std::string_view text) {
  // A cell that starts with a byte-order mark is quoted, or as the first cell of a file the mark
  // would be read back as the file's own and dropped.
  const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                           (!text.empty() && (text.front() == ' ' || text.back() == ' ')) ||
                           text.starts_with("\xEF\xBB\xBF");
  if (!needsQuotes) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvRow(const std::vector<std::string>& cells) {
  // A row of one empty cell must not become an empty line, which reading skips.
  if (cells.size() == 1 && cells[0].empty()) return "\"\"\r\n";
  std::string row;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) row += ',';
    row += CsvCell(cells[i]);
  }
  return row + "\r\n";
}

}  // namespace tavlor
