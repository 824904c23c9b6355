// The spreadsheet round trip: a full table exported and imported again is the same byte for byte;
// an edited cell changes its field alone; every refusal names its line and column and applies
// nothing; one undo takes an import back.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "core/editor/EditHistory.h"
#include "core/editor/GeneralCsv.h"
#include "core/text/CsvReading.h"
#include "support/RandomTable.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

// The sample characters between GBK and UTF-8, ASCII as it is; any other GBK code is written as a
// hex escape, so that export is total and the same every time.
class SampleCodec : public CsvTextCodec {
 public:
  std::string Utf8OfGbk(std::string_view gbk) const override {
    std::string utf8;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
      const auto lead = static_cast<uint8_t>(gbk[i]);
      if (lead < 0x80) {
        utf8 += gbk[i];
        continue;
      }
      const uint16_t code =
          i + 1 < gbk.size() ? static_cast<uint16_t>(lead << 8 | static_cast<uint8_t>(gbk[i + 1])) : 0;
      const auto* sample = Find([&](const testing::SampleCharacter& c) { return c.Gbk == code; });
      if (sample) {
        utf8 += sample->Utf8;
        ++i;
      } else {
        static const char hex[] = "0123456789abcdef";
        utf8 += std::string("<") + hex[lead >> 4] + hex[lead & 15] + ">";
      }
    }
    return utf8;
  }
  std::optional<std::string> GbkOfUtf8(std::string_view utf8) const override {
    std::string gbk;
    for (std::size_t i = 0; i < utf8.size();) {
      if (static_cast<uint8_t>(utf8[i]) < 0x80) {
        gbk += utf8[i++];
        continue;
      }
      const auto* sample =
          Find([&](const testing::SampleCharacter& c) { return utf8.substr(i, 3) == c.Utf8; });
      if (!sample) return std::nullopt;
      gbk += static_cast<char>(sample->Gbk >> 8);
      gbk += static_cast<char>(sample->Gbk & 0xFF);
      i += 3;
    }
    return gbk;
  }

 private:
  template <typename Match>
  static const testing::SampleCharacter* Find(Match match) {
    for (const auto& c : testing::kSampleCharacters)
      if (match(c)) return &c;
    return nullptr;
  }
};

class GeneralCsvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 random(21);
    table = testing::RandomTable(random, 1000);
    while (lists.RowCount() < kBuiltinRowCount + table->GeneralCount)
      lists.AppendRow({"x", "", "", "", "", ""});
  }
  CsvImportResult Import(const std::string& text) {
    return ImportGeneralsCsv(text, *table, lists, *tables, codec);
  }
  // The exported sheet with one cell replaced.
  std::string WithCell(int slot, const std::string& column, const std::string& value) {
    CsvTable sheet = ReadCsv(ExportGeneralsCsv(*table, *tables, codec));
    const auto& header = sheet.Rows[0];
    const auto at = std::find(header.begin(), header.end(), column) - header.begin();
    sheet.Rows[static_cast<std::size_t>(slot + 1)][static_cast<std::size_t>(at)] = value;
    std::string text;
    for (const auto& row : sheet.Rows) text += CsvRow(row);
    return text;
  }

  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  SampleCodec codec;
  std::unique_ptr<GeneralTable> table;
  BuiltinGeneralLists lists;
};

TEST_F(GeneralCsvTest, AFullTableComesBackByteForByte) {
  const auto before = std::make_unique<GeneralTable>(*table);
  const std::string sheet = ExportGeneralsCsv(*table, *tables, codec);
  EXPECT_EQ(sheet.substr(0, 3), kUtf8ByteOrderMark);
  EXPECT_EQ(sheet.substr(3, sheet.find("\r\n") - 3).substr(0, 31), "Slot,FamilyName,GivenName,Famil");
  const CsvImportResult result = Import(sheet);
  ASSERT_FALSE(result.Problem) << static_cast<int>(result.Problem->Kind);
  EXPECT_EQ(result.Changed, 0);
  EXPECT_TRUE(*table == *before);
  EXPECT_EQ(ExportGeneralsCsv(*table, *tables, codec), sheet);
}

TEST_F(GeneralCsvTest, AnEditedCellChangesItsFieldAloneAndUndoTakesItBack) {
  const auto before = std::make_unique<GeneralTable>(*table);
  EditHistory history;
  const std::string sheet = WithCell(5, "FamilyName", "織田");
  bool applied = history.RecordStep(*table, lists, [&] { return !Import(sheet).Problem; });
  ASSERT_TRUE(applied);
  GeneralEntry expected = before->Slots[5];
  StoreField(expected.Record.FamilyName, testing::SjisOf({0, 1}));
  EXPECT_TRUE(table->Slots[5] == expected);
  for (int slot : {0, 4, 6, 999}) EXPECT_TRUE(table->Slots[slot] == before->Slots[slot]);
  ASSERT_TRUE(history.Undo(*table, lists));
  EXPECT_TRUE(*table == *before);

  ASSERT_FALSE(Import(WithCell(7, "AptGun", "s")).Problem);
  EXPECT_EQ(table->Slots[7].Record.AptGun, 4);
  ASSERT_FALSE(Import(WithCell(8, "FavouredNo", "-1")).Problem);
  EXPECT_EQ(table->Slots[8].Links.FavouredFlag, 0);
}

TEST_F(GeneralCsvTest, ColumnsMayBeMissingOrReorderedAndRowsAddGenerals) {
  table->GeneralCount = 2;
  lists.CutRows(kBuiltinRowCount + 2);
  const CsvImportResult result = Import("Leadership,Slot\n\"99\",1\n 77 ,2\n");
  ASSERT_FALSE(result.Problem) << static_cast<int>(result.Problem->Kind);
  EXPECT_EQ(result.Changed, 1);
  EXPECT_EQ(result.Added, 1);
  EXPECT_EQ(table->GeneralCount, 3);
  EXPECT_EQ(table->Slots[1].Record.Leadership, 99);
  EXPECT_EQ(table->Slots[2].Record.Leadership, 77);
  EXPECT_EQ(table->Slots[2].Appendix.GeneralNo, 10002);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 3);
}

TEST_F(GeneralCsvTest, RefusalsNameLineColumnAndWhyAndApplyNothing) {
  const auto before = std::make_unique<GeneralTable>(*table);
  struct Case {
    std::string Text;
    int Line;
    std::string Column;
    CsvRefusal Kind;
    std::optional<std::pair<long long, long long>> Range;  // Low and High, where the kind has them
  };
  using R = CsvRefusal;
  std::string manyRows = "Slot\n";
  for (int row = 0; row < 1100; ++row) manyRows += "0\n";
  std::string manyColumns = "Slot";
  for (int column = 0; column < 256; ++column) manyColumns += ",x";
  for (const Case& c : std::vector<Case>{
           {WithCell(3, "AptBow", "X"), 5, "AptBow", R::NotAptitude, {}},
           {WithCell(3, "Leadership", "121"), 5, "Leadership", R::NumberOutOfRange, {{1, 120}}},
           {WithCell(3, "Leadership", "12a"), 5, "Leadership", R::NotWholeNumber, {}},
           {WithCell(3, "Status", "5"), 5, "Status", R::NotStatus, {}},
           {WithCell(9, "FatherNo", "11000"), 11, "FatherNo", R::NotLink, {{2305, 10999}}},
           {WithCell(9, "FavouredNo", "x"), 11, "FavouredNo", R::NotWholeNumber, {}},
           {WithCell(9, "GivenName", "日本"), 11, "GivenName", R::NotGbk, {}},
           {WithCell(9, "BioLine1", std::string(19, 'a')), 11, "BioLine1", R::NotStorable, {}},
           {WithCell(9, "FamilyName", "織田織田織田"), 11, "FamilyName", R::TooWide, {{0, 11}}},
           {WithCell(9, "BirthYear", "1460"), 11, "DeathYear", R::LifespanOutOfRange, {{16, 110}}},
           {"Slot,Nickname\n0,x\n", 1, "Nickname", R::NoSuchColumn, {}},
           {"Slot,Valor,Valor\n", 1, "Valor", R::ColumnTwice, {}},
           {"Valor\n1\n", 1, "Slot", R::SlotColumnMissing, {}},
           {"Slot\n0\n0\n", 3, "Slot", R::SlotTwice, {}},
           {"Slot,Valor\n1001,1\n", 2, "Slot", R::SlotOutOfRange, {{0, 999}}},
           {"Slot\n0,1\n", 2, "", R::TooManyCells, {}},
           {"", 0, "", R::NoHeader, {}},
           {"Slot\n\"0\n", 2, "", R::QuoteNeverClosed, {}},
           {"Slot\n\"0\"1\n", 2, "", R::TextAfterClosingQuote, {}},
           {"Slot\n" + std::string(5000, '0') + "\n", 2, "", R::CellTooLong, {{0, 4096}}},
           {manyRows, 1101, "", R::TooManyRows, {{0, 1100}}},
           {manyColumns, 1, "", R::TooManyColumns, {{0, 256}}}}) {
    SCOPED_TRACE(c.Column + ": " + std::to_string(static_cast<int>(c.Kind)));
    const CsvImportResult result = Import(c.Text);
    ASSERT_TRUE(result.Problem);
    EXPECT_EQ(result.Problem->Line, c.Line);
    EXPECT_EQ(result.Problem->Column, c.Column);
    EXPECT_EQ(result.Problem->Kind, c.Kind);
    if (c.Range) {
      EXPECT_EQ(result.Problem->Low, c.Range->first);
      EXPECT_EQ(result.Problem->High, c.Range->second);
    }
    EXPECT_TRUE(*table == *before);
  }
  const CsvImportResult leadership = Import(WithCell(3, "Leadership", "121"));
  ASSERT_TRUE(leadership.Problem);
  EXPECT_EQ(leadership.Problem->Value, 121);
  const CsvImportResult wide = Import(WithCell(9, "FamilyName", "織田織田織田"));
  ASSERT_TRUE(wide.Problem);
  EXPECT_EQ(wide.Problem->Value, 12);

  table->GeneralCount = 2;
  const CsvImportResult gap = Import("Slot\n3\n");
  ASSERT_TRUE(gap.Problem);
  EXPECT_EQ(gap.Problem->Kind, CsvRefusal::SlotLeftOut);
  EXPECT_EQ(gap.Problem->Value, 2);
}

}  // namespace
}  // namespace tavlor
