// One list of columns serves export and import, so a sheet written is a sheet that reads back.
#include "core/editor/GeneralCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <memory>
#include <vector>

#include "core/editor/EditorValues.h"
#include "core/editor/LifespanLine.h"
#include "core/editor/StoredText.h"
#include "core/editor/TextBudget.h"
#include "core/lang/InterfaceTexts.h"
#include "core/text/CsvReading.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace {

// The ranges the editor's controls and pickers offer.
constexpr int kMinBirthYear = 1460, kMaxBirthYear = 1650;
constexpr int kMinLifespan = 16, kMaxLifespan = 110;
constexpr int kLastBuiltinGeneral = 2305;
constexpr std::array<std::string_view, 5> kAptitudeLetters = {"D", "C", "B", "A", "S"};
// GBK: 武士 高家 僧侣 商人 海贼 忍者 剑豪 庶民; 家臣 浪人; 声音.
constexpr std::array<std::string_view, 8> kOriginNames = {
    "\xce\xe4\xca\xbf", "\xb8\xdf\xbc\xd2", "\xc9\xae\xc2\xc2", "\xc9\xcc\xc8\xcb",
    "\xba\xa3\xd4\xf4", "\xc8\xcc\xd5\xdf", "\xbd\xa3\xba\xc0", "\xca\xfc\xc3\xf1"};
constexpr std::string_view kRetainer = "\xbc\xd2\xb3\xbc", kRonin = "\xc0\xcb\xc8\xcb",
                           kVoice = "\xc9\xf9\xd2\xf4";

struct Context {
  TextTables& Tables;
  const CsvTextCodec& Codec;
  int GeneralCountAfter;  // registered links may name any general the sheet leaves in use
};

// A cell's refusal: the kind and its numbers, the line and column filled in by the caller.
using CellRefusal = std::optional<CsvImportProblem>;

CsvImportProblem Refusal(CsvRefusal kind, long long value = 0, long long low = 0, long long high = 0) {
  return CsvImportProblem{0, {}, kind, value, low, high};
}

struct Column {
  std::string Name;
  std::function<std::string(const GeneralEntry&, const Context&)> Export;
  // Empty for a column that is only for reading; says why when the cell is refused.
  std::function<CellRefusal(GeneralEntry&, const std::string&, const Context&)> Import;
};

std::optional<long long> WholeNumber(std::string_view cell) {
  cell = TrimBlanks(cell);
  if (!cell.empty() && cell.front() == '+') cell.remove_prefix(1);
  long long number = 0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), number);
  if (cell.empty() || error != std::errc() || end != cell.data() + cell.size()) return std::nullopt;
  return number;
}

template <typename Field>
Column NumberColumn(std::string name, long long low, long long high, Field field) {
  return {name,
          [field](const GeneralEntry& e, const Context&) {
            return std::to_string(field(const_cast<GeneralEntry&>(e)));
          },
          [field, low, high](GeneralEntry& e, const std::string& cell, const Context&) -> CellRefusal {
            const auto number = WholeNumber(cell);
            if (!number) return Refusal(CsvRefusal::NotWholeNumber);
            if (*number < low || *number > high)
              return Refusal(CsvRefusal::NumberOutOfRange, *number, low, high);
            field(e) = static_cast<std::remove_reference_t<decltype(field(e))>>(*number);
            return std::nullopt;
          }};
}

Column NameColumn(std::string name, std::function<std::string_view(const GeneralEntry&)> gbkName) {
  return {
      name, [gbkName](const GeneralEntry& e, const Context& c) { return c.Codec.Utf8OfGbk(gbkName(e)); }, {}};
}

template <std::size_t Width>
Column TextColumn(std::string name, bool trimmed, TextField<Width> GeneralRecord::*field,
                  uint8_t GeneralRecord::*breakByte = nullptr) {
  return {name,
          [field](const GeneralEntry& e, const Context& c) {
            return c.Codec.Utf8OfGbk(ShownTextOfField(FieldBytes(e.Record.*field), c.Tables, true));
          },
          [=](GeneralEntry& e, const std::string& cell, const Context& c) -> CellRefusal {
            auto gbk = c.Codec.GbkOfUtf8(cell);
            if (!gbk) return Refusal(CsvRefusal::NotGbk);
            const std::string text(trimmed ? TrimBlanks(*gbk) : std::string_view(*gbk));
            const TextBudget budget = BudgetOfBox(std::nullopt, text, Width, trimmed, c.Tables, true);
            if (budget.Unstorable) return Refusal(CsvRefusal::NotStorable);
            if (budget.OverWidth())
              return Refusal(CsvRefusal::TooWide, static_cast<long long>(budget.Bytes), 0,
                             static_cast<long long>(Width));
            const std::string stored = StoredBytesOfShownText(text, Width, c.Tables, true);
            StoreField(e.Record.*field, stored);
            if (breakByte) e.Record.*breakByte = IsDoubleByteCodes(stored, Width / 2) ? 10 : 0;
            return std::nullopt;
          }};
}

Column AptitudeColumn(std::string name, int32_t GeneralRecord::*field) {
  return {name,
          [field](const GeneralEntry& e, const Context&) {
            const int32_t value = e.Record.*field;
            // A value the lists cannot show is written as its number and kept while unchanged.
            return value >= 0 && value < 5 ? std::string(kAptitudeLetters[static_cast<std::size_t>(value)])
                                           : std::to_string(value);
          },
          [field](GeneralEntry& e, const std::string& cell, const Context&) -> CellRefusal {
            const std::string_view letter = TrimBlanks(cell);
            for (std::size_t k = 0; k < kAptitudeLetters.size(); ++k) {
              if (letter == kAptitudeLetters[k] || (letter.size() == 1 && letter[0] == "dcbas"[k])) {
                e.Record.*field = static_cast<int32_t>(k);
                return std::nullopt;
              }
            }
            return Refusal(CsvRefusal::NotAptitude);
          }};
}

bool LinkIsValid(long long number, const Context& c) {
  const long long registered = number - kRegisteredGeneralBase;
  return number == -1 || (number >= 0 && number <= kLastBuiltinGeneral) ||
         (registered >= 0 && registered < c.GeneralCountAfter);
}

// A refused link, or nothing: a whole number that names nothing a link may name is refused.
CellRefusal LinkRefusal(const std::optional<long long>& number, const Context& c) {
  if (!number) return Refusal(CsvRefusal::NotWholeNumber);
  if (LinkIsValid(*number, c)) return std::nullopt;
  return Refusal(CsvRefusal::NotLink, *number, kLastBuiltinGeneral,
                 kRegisteredGeneralBase + c.GeneralCountAfter - 1);
}

Column RecordLinkColumn(std::string name, int32_t GeneralRecord::*field) {
  return {name, [field](const GeneralEntry& e, const Context&) { return std::to_string(e.Record.*field); },
          [field](GeneralEntry& e, const std::string& cell, const Context& c) -> CellRefusal {
            const auto number = WholeNumber(cell);
            if (auto refused = LinkRefusal(number, c)) return refused;
            e.Record.*field = static_cast<int32_t>(*number);
            return std::nullopt;
          }};
}

Column PairLinkColumn(std::string name, int32_t GeneralLinks::*flag, int32_t GeneralLinks::*value) {
  return {name,
          [=](const GeneralEntry& e, const Context&) {
            return std::to_string(e.Links.*flag == 1 ? e.Links.*value : -1);
          },
          [=](GeneralEntry& e, const std::string& cell, const Context& c) -> CellRefusal {
            const auto number = WholeNumber(cell);
            if (auto refused = LinkRefusal(number, c)) return refused;
            // As the editor stores it: -1 clears the flag and keeps the old value unwritten.
            if (*number == -1) {
              e.Links.*flag = 0;
            } else {
              e.Links.*flag = 1;
              e.Links.*value = static_cast<int32_t>(*number);
            }
            return std::nullopt;
          }};
}

template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int32_t value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? names[static_cast<std::size_t>(value)] : "";
}

const std::vector<Column>& Columns() {
  static const std::vector<Column> columns = [] {
    std::vector<Column> c;
    c.push_back(TextColumn("FamilyName", true, &GeneralRecord::FamilyName));
    c.push_back(TextColumn("GivenName", true, &GeneralRecord::GivenName));
    c.push_back(TextColumn("FamilyReading", true, &GeneralRecord::FamilyReading));
    c.push_back(TextColumn("GivenReading", true, &GeneralRecord::GivenReading));
    c.push_back(TextColumn("BioLine1", false, &GeneralRecord::BioLine1, &GeneralRecord::BioBreak1));
    c.push_back(TextColumn("BioLine2", false, &GeneralRecord::BioLine2, &GeneralRecord::BioBreak2));
    c.push_back(TextColumn("BioLine3", false, &GeneralRecord::BioLine3, &GeneralRecord::BioBreak3));
    c.push_back(TextColumn("BioLine4", false, &GeneralRecord::BioLine4));
    c.push_back(NumberColumn("Sex", 0, 1, [](GeneralEntry& e) -> int32_t& { return e.Record.Sex; }));
    c.push_back(NumberColumn("BirthYear", kMinBirthYear, kMaxBirthYear,
                             [](GeneralEntry& e) -> int32_t& { return e.Record.BirthYear; }));
    c.push_back(NumberColumn("DeathYear", INT32_MIN, INT32_MAX,
                             [](GeneralEntry& e) -> int32_t& { return e.Record.DeathYear; }));
    c.push_back(
        NumberColumn("Leadership", 1, 120, [](GeneralEntry& e) -> int32_t& { return e.Record.Leadership; }));
    c.push_back(NumberColumn("Valor", 1, 120, [](GeneralEntry& e) -> int32_t& { return e.Record.Valor; }));
    c.push_back(
        NumberColumn("Intellect", 1, 120, [](GeneralEntry& e) -> int32_t& { return e.Record.Intellect; }));
    c.push_back(
        NumberColumn("Politics", 1, 120, [](GeneralEntry& e) -> int32_t& { return e.Record.Politics; }));
    c.push_back(NumberColumn("Duty", 1, 100, [](GeneralEntry& e) -> int32_t& { return e.Appendix.Duty; }));
    c.push_back(AptitudeColumn("AptAshigaru", &GeneralRecord::AptAshigaru));
    c.push_back(AptitudeColumn("AptCavalry", &GeneralRecord::AptCavalry));
    c.push_back(AptitudeColumn("AptBow", &GeneralRecord::AptBow));
    c.push_back(AptitudeColumn("AptGun", &GeneralRecord::AptGun));
    c.push_back(AptitudeColumn("AptSiege", &GeneralRecord::AptSiege));
    c.push_back(NumberColumn("Tactic", 0, 56, [](GeneralEntry& e) -> int16_t& { return e.Appendix.Tactic; }));
    c.push_back(NameColumn(
        "TacticName", [](const GeneralEntry& e) { return NameOf(texts::TacticNames, e.Appendix.Tactic); }));
    c.push_back(NumberColumn("Origin", 0, 7, [](GeneralEntry& e) -> int32_t& { return e.Record.Origin; }));
    c.push_back(NameColumn("OriginName",
                           [](const GeneralEntry& e) { return NameOf(kOriginNames, e.Record.Origin); }));
    Column status =
        NumberColumn("Status", 3, 7, [](GeneralEntry& e) -> int32_t& { return e.Appendix.Status; });
    const auto anyStatus = status.Import;
    status.Import = [anyStatus](GeneralEntry& e, const std::string& cell,
                                const Context& context) -> CellRefusal {
      const auto number = WholeNumber(cell);
      if (!number || (*number != 7 && *number != 3)) return Refusal(CsvRefusal::NotStatus);
      return anyStatus(e, cell, context);
    };
    c.push_back(status);
    c.push_back(NameColumn("StatusName", [](const GeneralEntry& e) -> std::string_view {
      return e.Appendix.Status == 7 ? kRetainer : e.Appendix.Status == 3 ? kRonin : "";
    }));
    c.push_back(NumberColumn("Voice", 1, 12, [](GeneralEntry& e) -> int32_t& { return e.Appendix.Voice; }));
    c.push_back({"VoiceName",
                 [](const GeneralEntry& e, const Context& context) {
                   return context.Codec.Utf8OfGbk(std::string(kVoice) + std::to_string(e.Appendix.Voice));
                 },
                 {}});
    c.push_back(NumberColumn("CityNo", 0, 65, [](GeneralEntry& e) -> int32_t& { return e.Appendix.CityNo; }));
    c.push_back(NameColumn("CityName",
                           [](const GeneralEntry& e) { return NameOf(texts::ListCity, e.Appendix.CityNo); }));
    c.push_back(NumberColumn("FaceNo", INT32_MIN, INT32_MAX,
                             [](GeneralEntry& e) -> int32_t& { return e.Record.FaceNo; }));
    c.push_back(RecordLinkColumn("AffinityNo", &GeneralRecord::AffinityNo));
    c.push_back(PairLinkColumn("FavouredNo", &GeneralLinks::FavouredFlag, &GeneralLinks::FavouredNo));
    c.push_back(PairLinkColumn("DislikedNo", &GeneralLinks::DislikedFlag, &GeneralLinks::DislikedNo));
    c.push_back(RecordLinkColumn("FatherNo", &GeneralRecord::FatherNo));
    c.push_back(
        NumberColumn("AppearFlag", 0, 1, [](GeneralEntry& e) -> int32_t& { return e.Appendix.AppearFlag; }));
    return c;
  }();
  return columns;
}

constexpr std::string_view kSlotColumn = "Slot";

CsvRefusal RefusalOfText(CsvTextProblem problem) {
  switch (problem) {
    case CsvTextProblem::TooManyRows:
      return CsvRefusal::TooManyRows;
    case CsvTextProblem::TooManyColumns:
      return CsvRefusal::TooManyColumns;
    case CsvTextProblem::CellTooLong:
      return CsvRefusal::CellTooLong;
    case CsvTextProblem::QuoteNeverClosed:
      return CsvRefusal::QuoteNeverClosed;
    case CsvTextProblem::TextAfterClosingQuote:
      break;
  }
  return CsvRefusal::TextAfterClosingQuote;
}

}  // namespace

std::string ExportGeneralsCsv(const GeneralTable& table, TextTables& tables, const CsvTextCodec& codec) {
  const Context context{tables, codec, table.GeneralCount};
  std::vector<std::string> header{std::string(kSlotColumn)};
  for (const Column& column : Columns()) header.push_back(column.Name);
  std::string text(kUtf8ByteOrderMark);
  text += CsvRow(header);
  for (int slot = 0; slot < table.GeneralCount; ++slot) {
    const GeneralEntry& entry = table.Slots[static_cast<std::size_t>(slot)];
    std::vector<std::string> cells{std::to_string(slot)};
    for (const Column& column : Columns()) cells.push_back(column.Export(entry, context));
    text += CsvRow(cells);
  }
  return text;
}

CsvImportResult ImportGeneralsCsv(std::string_view text, GeneralTable& table, BuiltinGeneralLists& lists,
                                  TextTables& tables, const CsvTextCodec& codec) {
  CsvImportResult result;
  const auto refuse = [&](int line, std::string column, CsvImportProblem problem) {
    problem.Line = line;
    problem.Column = std::move(column);
    result.Problem = std::move(problem);
    return result;
  };
  const CsvTable sheet = ReadCsv(text);
  if (sheet.Problem)
    return refuse(
        sheet.Problem->Line, "",
        Refusal(RefusalOfText(sheet.Problem->Kind), 0, 0, static_cast<long long>(sheet.Problem->Limit)));
  if (sheet.Rows.empty()) return refuse(0, "", Refusal(CsvRefusal::NoHeader));

  // The header: the slot column, then any of the columns, each once, in any order.
  const std::vector<std::string>& header = sheet.Rows[0];
  std::vector<const Column*> columnOfCell(header.size(), nullptr);
  std::optional<std::size_t> slotCell;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string_view name = TrimBlanks(header[i]);
    const auto found =
        std::find_if(Columns().begin(), Columns().end(), [&](const Column& c) { return c.Name == name; });
    const bool seen = std::any_of(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(i),
                                  [&](const std::string& earlier) { return TrimBlanks(earlier) == name; });
    if (seen) return refuse(sheet.LineOfRow[0], std::string(name), Refusal(CsvRefusal::ColumnTwice));
    if (name == kSlotColumn) {
      slotCell = i;
    } else if (found == Columns().end()) {
      return refuse(sheet.LineOfRow[0], std::string(name), Refusal(CsvRefusal::NoSuchColumn));
    } else {
      columnOfCell[i] = &*found;
    }
  }
  if (!slotCell)
    return refuse(sheet.LineOfRow[0], std::string(kSlotColumn), Refusal(CsvRefusal::SlotColumnMissing));

  // The slots: each once; new ones continue right behind the last general.
  const int count = table.GeneralCount;
  std::vector<int> slotOfRow(sheet.Rows.size(), -1);
  std::vector<bool> named(kSlotCount, false);
  int highest = count - 1;
  for (std::size_t r = 1; r < sheet.Rows.size(); ++r) {
    const auto& row = sheet.Rows[r];
    const int line = sheet.LineOfRow[r];
    if (row.size() > header.size()) return refuse(line, "", Refusal(CsvRefusal::TooManyCells));
    const auto slot = *slotCell < row.size() ? WholeNumber(row[*slotCell]) : std::nullopt;
    if (!slot || *slot < 0 || *slot >= static_cast<long long>(kSlotCount))
      return refuse(
          line, std::string(kSlotColumn),
          Refusal(CsvRefusal::SlotOutOfRange, slot.value_or(0), 0, static_cast<long long>(kSlotCount) - 1));
    if (named[static_cast<std::size_t>(*slot)])
      return refuse(line, std::string(kSlotColumn), Refusal(CsvRefusal::SlotTwice, *slot));
    named[static_cast<std::size_t>(*slot)] = true;
    slotOfRow[r] = static_cast<int>(*slot);
    highest = std::max(highest, static_cast<int>(*slot));
  }
  for (int slot = count; slot <= highest; ++slot) {
    if (!named[static_cast<std::size_t>(slot)])
      return refuse(0, std::string(kSlotColumn), Refusal(CsvRefusal::SlotLeftOut, slot));
  }

  auto changed = std::make_unique<GeneralTable>(table);
  const Context context{tables, codec, highest + 1};
  for (std::size_t r = 1; r < sheet.Rows.size(); ++r) {
    const auto& row = sheet.Rows[r];
    const int line = sheet.LineOfRow[r];
    const int slot = slotOfRow[r];
    GeneralEntry& entry = changed->Slots[static_cast<std::size_t>(slot)];
    const bool adding = slot >= count;
    if (adding) WriteGeneral(DefaultEditorValues(), EditorState{}, slot, *changed, tables, true);
    const GeneralEntry before = entry;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const Column* column = columnOfCell[i];
      if (!column || !column->Import) continue;
      // A cell as the export wrote it keeps the field as it is stored.
      if (row[i] == column->Export(before, context)) continue;
      if (CellRefusal refused = column->Import(entry, row[i], context))
        return refuse(line, column->Name, std::move(*refused));
    }
    const int64_t lifespan = LifespanOf(entry.Record.BirthYear, entry.Record.DeathYear);
    const bool yearsChanged = entry.Record.BirthYear != before.Record.BirthYear ||
                              entry.Record.DeathYear != before.Record.DeathYear || adding;
    if (yearsChanged && (lifespan < kMinLifespan || lifespan > kMaxLifespan))
      return refuse(line, "DeathYear",
                    Refusal(CsvRefusal::LifespanOutOfRange, lifespan, kMinLifespan, kMaxLifespan));
    if (adding) {
      ++result.Added;
    } else if (!(entry == before)) {
      ++result.Changed;
    }
  }
  changed->GeneralCount = highest + 1;

  // The list rows of every general written, as the editor's change and add rewrite them.
  const bool listsHoldEveryGeneral = lists.RowCount() == kBuiltinRowCount + count;
  for (int slot = 0; slot <= highest && listsHoldEveryGeneral; ++slot) {
    const GeneralEntry& entry = changed->Slots[static_cast<std::size_t>(slot)];
    if (slot < count && entry == table.Slots[static_cast<std::size_t>(slot)]) continue;
    lists.SetRow(kBuiltinRowCount + slot, ListRowOfGeneral(entry, tables.GbkJis));
  }
  table = *changed;
  return result;
}

}  // namespace tavlor
