// The spreadsheet text reader on what spreadsheet programs write (quotes, line breaks and commas in
// cells, CRLF, CR, no byte-order mark) and on hostile text, which is refused with its line.
#include <gtest/gtest.h>

#include "core/text/CsvReading.h"

namespace tavlor {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(CsvReadingTest, ReadsQuotedCellsLineBreaksAndEveryLineEnd) {
  const CsvTable table = ReadCsv(
      "\xEF\xBB\xBFSlot,Name\r\n"
      "0,\"a,b\"\r\n"
      "\"1\",\"say \"\"hi\"\"\r\nnext\"\n"
      "\n"
      "2,\rlast,\"\"");
  ASSERT_FALSE(table.Problem) << table.Problem->Line;
  EXPECT_EQ(table.Rows,
            (Rows{{"Slot", "Name"}, {"0", "a,b"}, {"1", "say \"hi\"\r\nnext"}, {"2", ""}, {"last", ""}}));
  EXPECT_EQ(table.LineOfRow, (std::vector<int>{1, 2, 3, 6, 7}));
  // Without a byte-order mark, with a comma at the very end.
  EXPECT_EQ(ReadCsv("a,b,\n").Rows, (Rows{{"a", "b", ""}}));
  EXPECT_EQ(ReadCsv("x,").Rows, (Rows{{"x", ""}}));
  EXPECT_EQ(ReadCsv(std::string("n\0l,\"\0\"", 7)).Rows,
            (Rows{{std::string("n\0l", 3), std::string(1, '\0')}}));
}

TEST(CsvReadingTest, WrittenRowsReadBackAsTheyWere) {
  const Rows rows{{"", "plain", " padded ", "com,ma", "quo\"te", "two\nlines", "cr\rlf\r\n"}, {""}, {"", ""}};
  std::string text(kUtf8ByteOrderMark);
  for (const auto& row : rows) text += CsvRow(row);
  EXPECT_EQ(ReadCsv(text).Rows, rows);
  EXPECT_EQ(CsvRow({"a", "b c"}), "a,b c\r\n");
}

TEST(CsvReadingTest, RefusesBrokenOrOversizedTextWithItsLine) {
  struct Case {
    std::string Text;
    int Line;
    CsvTextProblem Kind;
    std::size_t Limit;
  };
  CsvLimits limits;
  limits.MaxRows = 3;
  limits.MaxColumns = 4;
  limits.MaxCellBytes = 8;
  for (const Case& c : std::vector<Case>{{"a\n\"op\nen", 2, CsvTextProblem::QuoteNeverClosed, 0},
                                         {"a\n\"closed\"x,b", 2, CsvTextProblem::TextAfterClosingQuote, 0},
                                         {"1\n2\n3\n4\n", 4, CsvTextProblem::TooManyRows, 3},
                                         {"a,b,c,d,e", 1, CsvTextProblem::TooManyColumns, 4},
                                         {"a,b,c,d,", 1, CsvTextProblem::TooManyColumns, 4},
                                         {"a\nb\n123456789", 3, CsvTextProblem::CellTooLong, 8}}) {
    SCOPED_TRACE(c.Text);
    const CsvTable table = ReadCsv(c.Text, limits);
    ASSERT_TRUE(table.Problem);
    EXPECT_EQ(table.Problem->Line, c.Line);
    EXPECT_EQ(table.Problem->Kind, c.Kind);
    EXPECT_EQ(table.Problem->Limit, c.Limit);
    EXPECT_TRUE(table.Rows.empty());
  }
  // A long cell is refused once it passes the limit, not after reading it all.
  const CsvTable huge = ReadCsv("\"" + std::string(50'000'000, 'x'));
  ASSERT_TRUE(huge.Problem);
  EXPECT_EQ(huge.Problem->Kind, CsvTextProblem::CellTooLong);
}

}  // namespace
}  // namespace tavlor
