// Shift-JIS <-> GBK on small tables the test writes: every entry holds a code that tells which
// entry it is, so a wrong index formula shows up as a wrong code.
#include <gtest/gtest.h>

#include <memory>

#include "core/text/GbkJisConversion.h"
#include "support/SmallTextTables.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::Code;
using testing::TableFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

constexpr uint16_t GbknCode(std::size_t index) {
  return static_cast<uint16_t>(0x8000 + index);
}
constexpr uint16_t JisnCode(std::size_t index) {
  return static_cast<uint16_t>(0x8800 + index);
}

class GbkJisConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(folder_ / "GBKN.dat",
                   TableFileBytes(kGbknEntries, [](std::size_t i) { return GbknCode(i); }));
    WriteFileBytes(folder_ / "JISN.dat",
                   TableFileBytes(kJisnEntries, [](std::size_t i) { return JisnCode(i); }));
    LoadGbkJisTables(folder_.Path(), *tables_);
  }

  TempFolder folder_;
  std::unique_ptr<GbkJisTables> tables_ = std::make_unique<GbkJisTables>();
};

TEST_F(GbkJisConversionTest, BlankAndEmptyInputsGiveEmptyText) {
  for (const std::string input : {"", " ", "    "}) {
    EXPECT_EQ(SjisToGbk(input, *tables_), "");
    EXPECT_EQ(GbkToSjis(input, *tables_), "");
  }
}

TEST_F(GbkJisConversionTest, OneByteCodesAreDropped) {
  EXPECT_EQ(SjisToGbk("AB", *tables_), "");
  EXPECT_EQ(GbkToSjis("AB", *tables_), "");
  // Two kanji followed by a blank, then the NUL padding of a stored field.
  const std::string field = Code(0x889F) + Code(0x88A0) + " " + std::string(6, '\0');
  EXPECT_EQ(SjisToGbk(field, *tables_), Code(GbknCode(782)) + Code(GbknCode(783)));
  EXPECT_EQ(GbkToSjis("A" + Code(0x8140) + "1", *tables_), Code(JisnCode(0)));
}

TEST_F(GbkJisConversionTest, EachSegmentTableIsIndexedFromItsOwnStart) {
  struct Case {
    uint16_t sjis;
    std::size_t entry;
  };
  const Case cases[] = {
      {0x8140, 0},    {0x817E, 62},          {0x8180, 63},   {0x84BE, 689},  // table 1
      {0x8740, 690},  {0x879C, 690 + 91},                                    // table 2
      {0x889F, 782},  {0x8940, 782 + 94},    {0x9FFC, 5199},                 // table 3 starts at 0x889F
      {0xE040, 5200}, {0xEAA4, 5200 + 1979},                                 // table 4
      {0xED40, 7180}, {0xEEFC, 7180 + 375},                                  // table 5
      {0xFA40, 7556}, {0xFC4B, 7556 + 387},                                  // table 6
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SjisToGbk(Code(c.sjis), *tables_), Code(GbknCode(c.entry))) << std::hex << c.sjis;
  }
}

TEST_F(GbkJisConversionTest, CodesOutsideTheirTableGiveZeroCharacter) {
  for (const uint16_t sjis : {0x8840, 0x84BF, 0x879D, 0xEAA5, 0xFC4C, 0x84FD, 0x88FE}) {
    EXPECT_EQ(SjisToGbk(Code(sjis), *tables_), "0") << std::hex << sjis;
  }
}

TEST_F(GbkJisConversionTest, LeadBytesWithoutTableAreDropped) {
  for (const uint16_t sjis : {0x8540, 0x8640, 0xEB40, 0xEC9F, 0xEF40, 0xF040, 0xF9FC}) {
    EXPECT_EQ(SjisToGbk(Code(sjis) + Code(0x889F), *tables_), Code(GbknCode(782))) << std::hex << sjis;
  }
}

TEST_F(GbkJisConversionTest, GbkCodesUseTheirRowOf190) {
  EXPECT_EQ(GbkToSjis(Code(0x8140), *tables_), Code(JisnCode(0)));
  EXPECT_EQ(GbkToSjis(Code(0x817E), *tables_), Code(JisnCode(62)));
  EXPECT_EQ(GbkToSjis(Code(0x8180), *tables_), Code(JisnCode(63)));
  EXPECT_EQ(GbkToSjis(Code(0xB0FE), *tables_), Code(JisnCode((0xB0 - 0x81) * 190 + 189)));
  EXPECT_EQ(GbkToSjis(Code(0xB140), *tables_), Code(JisnCode((0xB1 - 0x81) * 190)));
  EXPECT_EQ(GbkToSjis(Code(0xFEFE), *tables_), Code(JisnCode(kJisnEntries - 1)));
  // A lead byte at the end of the text is a one-byte code.
  EXPECT_EQ(GbkToSjis(Code(0xB0A1) + "\xB0", *tables_), Code(JisnCode((0xB0 - 0x81) * 190 + 0xA1 - 0x41)));
}

TEST(GbkJisTableValues, SmallValuesAreOneByteAndMissingEntriesAreZero) {
  TempFolder folder;
  // Entry 0 holds 'A' (one byte), entry 1 holds 0, the file ends after entry 2.
  WriteFileBytes(folder / "GBKN.dat", std::string("A\0\0\0\x34\x12", 6));
  auto tables = std::make_unique<GbkJisTables>();
  tables->GbkToSjisCodes.fill(0x9999);  // what a previous load left must not survive
  LoadGbkJisTables(folder.Path(), *tables);
  EXPECT_EQ(SjisToGbk(Code(0x8140), *tables), "A");
  EXPECT_EQ(SjisToGbk(Code(0x8141), *tables), std::string(1, '\0'));
  EXPECT_EQ(SjisToGbk(Code(0x8142), *tables), Code(0x1234));
  EXPECT_EQ(SjisToGbk(Code(0x8143), *tables), std::string(1, '\0'));  // past the end of the short file
  EXPECT_EQ(GbkToSjis(Code(0xB0A1), *tables), std::string(1, '\0'));  // JISN.dat is missing
}

TEST(TextFitting, PadCutAndTrimWorkOnBytes) {
  std::string name = "\xb3\xa4\xb3\xc7";
  EXPECT_EQ(AnsiByteLength(name), 4u);
  EXPECT_EQ(&PadToBytes(name, 11, '\0'), &name);
  EXPECT_EQ(name, std::string("\xb3\xa4\xb3\xc7", 4) + std::string(7, '\0'));
  std::string longName(12, 'x');
  EXPECT_EQ(PadToBytes(longName, 11, '\0'), std::string(12, 'x'));

  // Cutting never leaves the lead byte of a two-byte code behind.
  const std::string text = "A\xb3\xa4\xb3\xc7";
  EXPECT_EQ(CutToBytes(text, 0), "");
  EXPECT_EQ(CutToBytes(text, 2), "A");
  EXPECT_EQ(CutToBytes(text, 3), "A\xb3\xa4");
  EXPECT_EQ(CutToBytes(text, 4), "A\xb3\xa4");
  EXPECT_EQ(CutToBytes(text, 5), text);
  EXPECT_EQ(CutToBytes(text, 50), text);
  EXPECT_EQ(CutToBytes("AB\xb3", 3), "AB\xb3");  // a lone lead byte at the end is one byte
}

}  // namespace
}  // namespace tavlor
