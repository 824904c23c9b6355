// The four character tables shipped beside the program: what they must achieve for names.
#include <gtest/gtest.h>

#include <memory>

#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

std::string Code(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

class ShippedTablesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto folder = testing::ProgramFolder();
    for (const auto& [name, size] :
         {std::pair{"GBKN.dat", 15888}, {"JISN.dat", 47880}, {"GB.DAT", 16356}, {"BIG5.DAT", 29516}}) {
      ASSERT_EQ(std::filesystem::file_size(folder / name), static_cast<std::uintmax_t>(size)) << name;
    }
    gbkJis_ = std::make_unique<GbkJisTables>().release();
    LoadGbkJisTables(folder, *gbkJis_);
    gbBig5_ = std::make_unique<GbBig5Tables>().release();
    gbBig5_->ProgramFolder = folder;
    LoadGbBig5Tables(*gbBig5_);
  }
  static void TearDownTestSuite() {
    delete gbkJis_;
    delete gbBig5_;
  }

  static std::string ToGbk(std::string_view sjis) { return SjisToGbk(sjis, *gbkJis_); }
  static std::string ToSjis(std::string_view gbk) { return GbkToSjis(gbk, *gbkJis_); }

  static GbkJisTables* gbkJis_;
  static GbBig5Tables* gbBig5_;
};
GbkJisTables* ShippedTablesTest::gbkJis_ = nullptr;
GbBig5Tables* ShippedTablesTest::gbBig5_ = nullptr;

// Every two-byte Shift-JIS code with the given lead bytes.
template <typename Visit>
void ForEachSjisCode(int firstLead, int lastLead, Visit&& visit) {
  for (int lead = firstLead; lead <= lastLead; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail != 0x7F) visit(static_cast<uint16_t>((lead << 8) | trail));
    }
  }
}

TEST_F(ShippedTablesTest, EveryJisX0208CharacterComesBack) {
  int characters = 0;
  int comeBack = 0;
  auto check = [&](uint16_t code) {
    const std::string gbk = ToGbk(Code(code));
    if (gbk.size() != 2) return;  // no character at this code
    ++characters;
    if (ToSjis(gbk) == Code(code)) {
      ++comeBack;
    } else {
      ADD_FAILURE() << std::hex << code << " comes back as a different code";
    }
  };
  ForEachSjisCode(0x81, 0x84, check);
  ForEachSjisCode(0x88, 0x9F, check);
  ForEachSjisCode(0xE0, 0xEA, check);
  EXPECT_EQ(characters, 6879);  // the characters of JIS X 0208: 524 non-kanji, 6355 kanji
  EXPECT_EQ(comeBack, characters);
}

TEST_F(ShippedTablesTest, VendorRowsComeBackAsACodeOfTheSameCharacter) {
  int characters = 0;
  auto check = [&](uint16_t code) {
    const std::string gbk = ToGbk(Code(code));
    if (gbk.size() != 2) return;
    ++characters;
    const std::string back = ToSjis(gbk);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(ToGbk(back), gbk) << std::hex << code;
  };
  ForEachSjisCode(0x87, 0x87, check);
  ForEachSjisCode(0xED, 0xEE, check);
  ForEachSjisCode(0xFA, 0xFC, check);
  EXPECT_GT(characters, 800);
}

TEST_F(ShippedTablesTest, KanjiAreShownInSimplifiedFormAndComeBack) {
  const std::string odaNobunaga = "\x90\x44\x93\x63\x90\x4d\x92\xb7";  // 織田信長 in Shift-JIS
  const std::string simplified = "\xd6\xaf\xcc\xef\xd0\xc5\xb3\xa4";   // 织田信长 in GBK
  EXPECT_EQ(ToGbk(odaNobunaga), simplified);
  EXPECT_EQ(ToSjis(simplified), odaNobunaga);
  EXPECT_EQ(ToGbk("\x92\xb7"), "\xb3\xa4");     // 長 -> 长
  EXPECT_EQ(ToGbk("\x8d\x91"), "\xb9\xfa");     // 国 -> 国
  EXPECT_EQ(ToSjis("\xb9\xfa"), "\x8d\x91");    // 国 -> 国
  const std::string sawa = ToSjis("\xd4\xf3");  // 泽 -> 沢 or 澤
  EXPECT_TRUE(sawa == "\x91\xf2" || sawa == "\xe0\x56") << std::hex << sawa;
}

TEST_F(ShippedTablesTest, KanaMapBothWays) {
  const std::string sjisKana = "\x82\x9f\x83\x41\x83\x93";  // ぁアン
  const std::string gbkKana = "\xa4\xa1\xa5\xa2\xa5\xf3";
  EXPECT_EQ(ToGbk(sjisKana), gbkKana);
  EXPECT_EQ(ToSjis(gbkKana), sjisKana);
}

TEST_F(ShippedTablesTest, NoGbkCharacterBecomesAZeroByte) {
  EXPECT_EQ(ToSjis("\x81\x40"), "\x81\xac");  // 丂 has no Shift-JIS form: the geta mark
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string sjis = ToSjis(Code(static_cast<uint16_t>((lead << 8) | trail)));
      ASSERT_EQ(sjis.size(), 2u) << std::hex << lead << ' ' << trail;
    }
  }
}

TEST_F(ShippedTablesTest, SimplifiedAndTraditionalConvertEachOther) {
  ASSERT_TRUE(gbBig5_->TablesLoaded);
  EXPECT_EQ(GbToBig5("\xb3\xa4\xb3\xc7", *gbBig5_).substr(0, 2), "\xaa\xf8");  // 长 -> 長
  EXPECT_EQ(GbToBig5("\xb9\xfa"
                     "AB",
                     *gbBig5_),
            "\xb0\xea"
            "AB");                                        // 国 -> 國
  EXPECT_EQ(Big5ToGb("\xaa\xf8", *gbBig5_), "\xb3\xa4");  // 長 -> 长
  EXPECT_EQ(Big5ToGb("\xb0\xea", *gbBig5_), "\xb9\xfa");  // 國 -> 国
  EXPECT_EQ(GbToBig5("\xd0\xc5", *gbBig5_), "\xab\x48");  // 信 stays 信
}

}  // namespace
}  // namespace tavlor
