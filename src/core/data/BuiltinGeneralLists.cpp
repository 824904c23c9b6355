// The built-in general lists: heading row, the 2306 built-in generals read from a GBK tab-separated
// file, then one row per registered general (slot k at row 2307 + k).
#include "core/data/BuiltinGeneralLists.h"
#include "core/data/PathText.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

#include "core/lang/InterfaceTexts.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace {

constexpr int kBuiltinGeneralCount = kBuiltinRowCount - 1;  // 2306
// The bundled list is about 70 KB; anything far larger is not a list of 2306 generals and is
// refused before it is read, so a wrong file cannot take the program's memory.
constexpr std::uintmax_t kMaxListFileBytes = 4 * 1024 * 1024;
constexpr std::size_t kMaxNameBytes = 64;
constexpr long kMaxFaceNumber = 99999;
constexpr long kMaxAbility = 999;

const ListRow& HeadingRow() {
  static const ListRow heading = {
      std::string(texts::ListHeadingNone),       std::string(texts::ListHeadingFace),
      std::string(texts::ListHeadingLeadership), std::string(texts::ListHeadingValor),
      std::string(texts::ListHeadingIntellect),  std::string(texts::ListHeadingPolitics)};
  return heading;
}

// A row that keeps the place of a general the file does not describe, so that every later
// general keeps its row and its General number.
ListRow PlaceholderRow() {
  return {"", "0", "0", "0", "0", "0"};
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (fields.size() <= kListColumnCount) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

// Decimal text of a whole number within [low, high], written back without leading zeros or signs.
bool ParseNumber(std::string_view text, long low, long high, std::string& out) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return false;
  out = std::to_string(value);
  return true;
}

// Checks one data line; on success fills `row`, otherwise returns the reason.
std::string ParseGeneralLine(std::string_view line, ListRow& row) {
  const auto fields = SplitTabs(line);
  if (fields.size() != kListColumnCount)
    return "expected 6 tab-separated fields: name, face number, 4 abilities";
  if (fields[0].empty()) return "empty name";
  if (fields[0].size() > kMaxNameBytes) return "name longer than 64 bytes";
  row[0] = std::string(fields[0]);
  if (!ParseNumber(fields[1], -1, kMaxFaceNumber, row[1]))
    return "face number is not a whole number from -1 to 99999";
  for (int column = 2; column < kListColumnCount; ++column) {
    if (!ParseNumber(fields[column], 0, kMaxAbility, row[column])) {
      return "ability " + std::to_string(column - 1) + " is not a whole number from 0 to 999";
    }
  }
  return {};
}

}  // namespace

BuiltinGeneralLists::BuiltinGeneralLists() {
  AppendRow(HeadingRow());
}

std::vector<BuiltinGeneralLists::LoadProblem> BuiltinGeneralLists::LoadBuiltinRows(
    const std::filesystem::path& tsvFile) {
  std::vector<LoadProblem> problems;
  CutRows(1);

  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(tsvFile, error);
  std::string bytes;
  bool fileRead = false;
  if (error) {
    problems.push_back({0, "cannot read " + TextOfPath(tsvFile) + ": " + error.message()});
  } else if (size > kMaxListFileBytes) {
    problems.push_back(
        {0, TextOfPath(tsvFile) + " is " + std::to_string(size) + " bytes, more than a list can be"});
  } else {
    std::ifstream in(tsvFile, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    fileRead = static_cast<bool>(in);
    if (!fileRead) problems.push_back({0, "cannot read " + TextOfPath(tsvFile)});
  }

  std::string_view rest = bytes;
  int lineNumber = 0;
  int generals = 0;
  while (!rest.empty()) {
    const std::size_t newline = rest.find('\n');
    std::string_view line = rest.substr(0, newline);
    rest = newline == std::string_view::npos ? std::string_view{} : rest.substr(newline + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (generals == kBuiltinGeneralCount) {
      problems.push_back({lineNumber, "more than 2306 generals; the rest are ignored"});
      break;
    }
    ListRow row;
    const std::string reason = ParseGeneralLine(line, row);
    if (reason.empty()) {
      AppendRow(row);
    } else {
      problems.push_back({lineNumber, reason});
      AppendRow(PlaceholderRow());
    }
    ++generals;
  }
  if (generals < kBuiltinGeneralCount && fileRead) {
    problems.push_back({lineNumber, "only " + std::to_string(generals) + " of 2306 generals"});
  }
  while (RowCount() < kBuiltinRowCount) AppendRow(PlaceholderRow());
  return problems;
}

ListRow BuiltinGeneralLists::Row(int row) const {
  ListRow values;
  for (int column = 0; column < kListColumnCount; ++column) values[column] = columns_[column][row];
  return values;
}

void BuiltinGeneralLists::AppendRow(const ListRow& row) {
  for (int column = 0; column < kListColumnCount; ++column) columns_[column].push_back(row[column]);
}

void BuiltinGeneralLists::SetRow(int row, const ListRow& values) {
  if (row < 0) return;
  if (row >= RowCount()) {
    AppendRow(values);
    return;
  }
  for (int column = 0; column < kListColumnCount; ++column) columns_[column][row] = values[column];
}

void BuiltinGeneralLists::CutRows(int firstRemoved) {
  if (firstRemoved < 0 || firstRemoved >= RowCount()) return;
  for (auto& column : columns_) column.resize(static_cast<std::size_t>(firstRemoved));
}

void BuiltinGeneralLists::ReorderRows(int first, const std::vector<int>& order) {
  const auto start = static_cast<std::size_t>(first);
  std::vector<std::string> taken(order.size());
  for (auto& column : columns_) {
    for (std::size_t j = 0; j < order.size(); ++j)
      taken[j] = std::move(column[start + static_cast<std::size_t>(order[j])]);
    column.resize(start);
    column.insert(column.end(), std::make_move_iterator(taken.begin()), std::make_move_iterator(taken.end()));
  }
}

std::string DisplayNameOfGeneral(const GeneralRecord& record, const GbkJisTables& tables) {
  std::string name(TrimBlanks(SjisToGbk(FieldBytes(record.FamilyName), tables)));
  name += TrimBlanks(SjisToGbk(FieldBytes(record.GivenName), tables));
  return name;
}

ListRow ListRowOfGeneral(const GeneralEntry& entry, const GbkJisTables& tables) {
  const GeneralRecord& record = entry.Record;
  return {DisplayNameOfGeneral(record, tables), std::to_string(record.FaceNo),
          std::to_string(record.Leadership),    std::to_string(record.Valor),
          std::to_string(record.Intellect),     std::to_string(record.Politics)};
}

void RefreshGeneralLists(BuiltinGeneralLists& lists, const GeneralTable& table, const GbkJisTables& tables) {
  lists.CutRows(kBuiltinRowCount);
  // Lists that never got their built-in rows are filled up, so slot k still lands on row 2307 + k.
  while (lists.RowCount() < kBuiltinRowCount) lists.AppendRow(PlaceholderRow());
  const int count = std::clamp(table.GeneralCount, 0, static_cast<int>(kSlotCount));
  for (int slot = 0; slot < count; ++slot) lists.AppendRow(ListRowOfGeneral(table.Slots[slot], tables));
}

BuiltinGeneralLists& SharedBuiltinGeneralLists() {
  static BuiltinGeneralLists lists;
  return lists;
}

}  // namespace tavlor
