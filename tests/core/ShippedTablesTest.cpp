// The four character tables shipped beside the program: what they must achieve for names.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

std::string Code(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

class ShippedTablesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto folder = testing::ShippedFolder();
    for (const auto& [name, size] :
         {std::pair{"GBKN.dat", 15888}, {"JISN.dat", 47880}, {"GB.DAT", 16356}, {"BIG5.DAT", 29516}}) {
      ASSERT_EQ(std::filesystem::file_size(folder / name), static_cast<std::uintmax_t>(size)) << name;
    }
    gbkJis_ = std::make_unique<GbkJisTables>().release();
    LoadGbkJisTables(folder, *gbkJis_);
    gbBig5_ = std::make_unique<GbBig5Tables>().release();
    gbBig5_->ProgramFolder = folder;
    gbBig5_->JisForms = gbkJis_;
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
  EXPECT_EQ(Big5ToGb("\xaa\xf8", *gbBig5_), "\xb3\xa4");                       // 長 -> 长
  EXPECT_EQ(GbToBig5("\xd0\xc5"
                     "AB",
                     *gbBig5_),
            "\xab\x48"
            "AB");                                        // 信 stays 信
  EXPECT_EQ(GbToBig5("\xc3\xc7", *gbBig5_), "\xad\xcc");  // 们 -> 們 (no Japanese character)
  // Japanese keeps 国 and 國 apart: 國 in Big5 is the Japanese 國, and 国 shows as itself through
  // a user-defined Big5 code.
  const std::string kuni = GbToBig5("\xb9\xfa", *gbBig5_);
  EXPECT_GE(static_cast<uint8_t>(kuni[0]), 0xC6);
  EXPECT_EQ(Big5ToGb(kuni, *gbBig5_), "\xb9\xfa");
  EXPECT_EQ(ToSjis(Big5ToGb("\xb0\xea", *gbBig5_)), "\x9a\xa0");  // typed 國 is stored as 國
}

TEST_F(ShippedTablesTest, KanaHaveTheBig5KanaOfTheEtenExtension) {
  EXPECT_EQ(GbToBig5(ToGbk("\x82\x9f\x82\xf1"), *gbBig5_), "\xc6\xe7\xc7\x7a");  // ぁん
  EXPECT_EQ(GbToBig5(ToGbk("\x83\x40\x83\x96"), *gbBig5_), "\xc7\x7b\xc7\xf2");  // ァヶ
}

// Every text SjisToGbk can produce is made of the GBK codes of GBKN.dat, the character "0" and
// nothing else: each code, and all of them in one text, must come back from Traditional.
TEST_F(ShippedTablesTest, TraditionalGivesBackEveryTextOfShiftJisCharacters) {
  std::string everyCode;
  int codes = 0;
  for (const uint16_t gbk : gbkJis_->SjisToGbkCodes) {
    if (gbk < 0x100) continue;
    ++codes;
    const std::string text = Code(gbk);
    const std::string big5 = GbToBig5(text, *gbBig5_);
    ASSERT_EQ(big5.size(), 2u) << std::hex << gbk;
    EXPECT_EQ(Big5ToGb(big5, *gbBig5_), text) << std::hex << gbk;
    everyCode += text + (codes % 7 == 0 ? "0" : "");
  }
  EXPECT_GT(codes, 7700);
  const std::string back = Big5ToGb(GbToBig5(everyCode, *gbBig5_), *gbBig5_);
  const auto differs = std::mismatch(back.begin(), back.end(), everyCode.begin(), everyCode.end());
  EXPECT_TRUE(back == everyCode) << "differs from byte " << differs.first - back.begin();
}

// GBK codes outside GB2312 that GB.DAT cannot name: the Big5 code BIG5.DAT gives back as them, or
// the one of the GBK code their Shift-JIS character converts to.
TEST_F(ShippedTablesTest, CodesOutsideGb2312ShowThroughTheirBig5Code) {
  const std::string kokuGbk = "\x87\xf8";  // 國, as GBK
  EXPECT_EQ(GbToBig5(kokuGbk, *gbBig5_), "\xb0\xea");
  // GBK 沢 is no code of a Shift-JIS character (沢 converts to 泽): it shows as 泽 does.
  EXPECT_EQ(GbToBig5("\x9b\x67", *gbBig5_), GbToBig5("\xd4\xf3", *gbBig5_));
}

}  // namespace
}  // namespace tavlor
