// GB <-> Big5 on small tables the test writes (each entry names its own index), and the retry of a
// failed load.
#include <gtest/gtest.h>

#include <memory>

#include "core/text/GbBig5Conversion.h"
#include "support/SmallTextTables.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::Code;
using testing::TableFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

uint16_t GbEntry(std::size_t index) {
  return static_cast<uint16_t>(0x9000 + index);
}
uint16_t Big5Entry(std::size_t index) {
  return static_cast<uint16_t>(0x4000 + index);
}

void WriteTables(const TempFolder& folder) {
  WriteFileBytes(folder / "GB.DAT", TableFileBytes(kGbEntries, GbEntry));
  WriteFileBytes(folder / "BIG5.DAT", TableFileBytes(kBig5Entries, Big5Entry));
}

std::unique_ptr<GbBig5Tables> TablesIn(const TempFolder& folder) {
  auto tables = std::make_unique<GbBig5Tables>();
  tables->ProgramFolder = folder.Path();
  return tables;
}

TEST(GbBig5Pairs, IndexesAndPairTests) {
  EXPECT_EQ(GbIndex(0xA1, 0xA1), 0);
  EXPECT_EQ(GbIndex(0xF7, 0xFE), 8177);
  EXPECT_TRUE(IsGbPair(0xA1, 0xA1));
  EXPECT_FALSE(IsGbPair(0xF8, 0xA1));
  EXPECT_FALSE(IsGbPair(0xB0, 0x40));
  EXPECT_EQ(Big5Index(0xA1, 0x40), 0);
  EXPECT_EQ(Big5Index(0xA1, 0x7E), 62);
  EXPECT_EQ(Big5Index(0xA1, 0xA1), 63);
  EXPECT_EQ(Big5Index(0xFE, 0xFE), 14757);
  EXPECT_EQ(Big5Index(0xA4, 0x90), 0);  // a trail byte between the two ranges
  EXPECT_TRUE(IsBig5Pair(0xFF, 0x40));
  EXPECT_FALSE(IsBig5Pair(0xA4, 0x90));
  EXPECT_FALSE(IsBig5Pair(0xA0, 0xA1));
}

TEST(GbBig5Conversion, ConvertsPairsAndCopiesEverythingElse) {
  TempFolder folder;
  WriteTables(folder);
  auto tables = TablesIn(folder);

  EXPECT_EQ(GbToBig5("", *tables), "");
  EXPECT_EQ(GbToBig5("ABC", *tables), "ABC");
  EXPECT_EQ(Big5ToGb("ABC", *tables), "ABC");
  EXPECT_EQ(GbToBig5(Code(0xA1A1), *tables), Code(GbEntry(0)));
  EXPECT_EQ(GbToBig5(Code(0xF7FE) + "x", *tables), Code(GbEntry(8177)) + "x");
  EXPECT_EQ(GbToBig5(Code(0x8140) + Code(0xB040), *tables), Code(0x8140) + Code(0xB040));
  EXPECT_EQ(GbToBig5("a\xB0", *tables), "a\xB0");  // a lead byte at the end is copied

  EXPECT_EQ(Big5ToGb(Code(0xA140), *tables), Code(Big5Entry(0)));
  EXPECT_EQ(Big5ToGb(Code(0xA1A1), *tables), Code(Big5Entry(63)));
  EXPECT_EQ(Big5ToGb(Code(0xFEFE) + "1", *tables), Code(Big5Entry(14757)) + "1");
  EXPECT_EQ(Big5ToGb("\xFF\x40", *tables), "\xFF\x40");
}

TEST(GbBig5Conversion, TwoByteCodesOutsideTheTableStayWhole) {
  TempFolder folder;
  WriteTables(folder);
  auto tables = TablesIn(folder);
  // 0x84D9 is no GB2312 code; its trail byte 0xD9 must not pair with the next lead byte 0xC8.
  const std::string text = Code(0x84D9) + Code(0xC8F0);
  EXPECT_EQ(GbToBig5(text, *tables), Code(0x84D9) + Code(GbEntry(GbIndex(0xC8, 0xF0))));
  const std::string big5 = Code(0x8EA1) + Code(0xA4A4);
  EXPECT_EQ(Big5ToGb(big5, *tables), Code(0x8EA1) + Code(Big5Entry(Big5Index(0xA4, 0xA4))));
}

TEST(GbBig5Conversion, ZeroEntriesKeepTheCode) {
  TempFolder folder;
  std::string gb = TableFileBytes(kGbEntries, GbEntry);
  gb[0] = gb[1] = '\0';  // entry 0 holds no character
  WriteFileBytes(folder / "GB.DAT", gb);
  WriteFileBytes(folder / "BIG5.DAT", TableFileBytes(kBig5Entries, Big5Entry));
  auto tables = TablesIn(folder);
  EXPECT_EQ(GbToBig5(Code(0xA1A1) + Code(0xA1A2), *tables), Code(0xA1A1) + Code(GbEntry(1)));
}

// GB.DAT names only GB2312 codes: any other GBK code takes the first Big5 code that BIG5.DAT gives
// back as it, else the Big5 code of the GBK code its Shift-JIS character converts to.
TEST(GbBig5Conversion, CodesOutsideGb2312TakeTheBig5CodeThatGivesThemBack) {
  GbBig5Tables tables;
  GbkJisTables jis;
  tables.Big5ToGbCodes[Big5Index(0xA4, 0x40)] = 0x8140;   // a GBK/3 code, lead below 0xA1
  tables.Big5ToGbCodes[Big5Index(0xB0, 0x41)] = 0xAA40;   // a Big5 pair as GBK: must not be misread
  tables.Big5ToGbCodes[Big5Index(0xB0, 0x42)] = 0xAA40;   // a later code for the same GBK code
  tables.GbToBig5Codes[GbIndex(0xD4, 0xF3)] = 0xFA40;     // 泽 -> a user-defined code
  jis.GbkToSjisCodes[GbkCodeIndex(0x9B, 0x67)] = 0x91F2;  // GBK 沢 -> Shift-JIS 沢
  jis.GbkToSjisCodes[GbkCodeIndex(0xD4, 0xF3)] = 0x91F2;  // 泽 -> 沢 as well, and back:
  jis.SjisToGbkCodes[782 + (0x91 - 0x88) * 188 + (0xF2 - 0x41) - 94] = 0xD4F3;
  tables.JisForms = &jis;
  tables.TablesLoaded = true;
  CompleteGbBig5Tables(tables);

  EXPECT_EQ(GbToBig5(Code(0x8140), tables), Code(0xA440));
  EXPECT_EQ(GbToBig5(Code(0xAA40), tables), Code(0xB041));
  EXPECT_EQ(Big5ToGb(GbToBig5(Code(0xAA40) + Code(0x8140), tables), tables), Code(0xAA40) + Code(0x8140));
  EXPECT_EQ(GbToBig5(Code(0x9B67), tables), Code(0xFA40));
  // A GBK code without any of these is passed through whole, in both directions, also when its
  // trail byte is none of Big5's.
  const std::string passed = Code(0x8190) + Code(0xA1A1);
  EXPECT_EQ(GbToBig5(Code(0x8190), tables), Code(0x8190));
  EXPECT_EQ(Big5ToGb(passed, tables), Code(0x8190) + Code(0xA1A1));
}

TEST(GbBig5Conversion, FailedLoadPassesTextThroughAndIsRetried) {
  TempFolder folder;
  auto tables = TablesIn(folder);
  const std::string text = Code(0xA1A1) + "A";
  EXPECT_EQ(GbToBig5(text, *tables), text);
  EXPECT_EQ(Big5ToGb(text, *tables), text);
  EXPECT_FALSE(tables->TablesLoaded);

  // A short file is no table: still nothing converted.
  WriteFileBytes(folder / "GB.DAT", TableFileBytes(kGbEntries - 1, GbEntry));
  WriteFileBytes(folder / "BIG5.DAT", TableFileBytes(kBig5Entries, Big5Entry));
  EXPECT_EQ(GbToBig5(text, *tables), text);
  EXPECT_FALSE(tables->TablesLoaded);

  // The files appear: the next conversion picks them up.
  WriteTables(folder);
  EXPECT_EQ(GbToBig5(text, *tables), Code(GbEntry(0)) + "A");
  EXPECT_TRUE(tables->TablesLoaded);

  // A successful load is never repeated.
  std::filesystem::remove(folder / "GB.DAT");
  EXPECT_EQ(GbToBig5(text, *tables), Code(GbEntry(0)) + "A");
}

}  // namespace
}  // namespace tavlor
