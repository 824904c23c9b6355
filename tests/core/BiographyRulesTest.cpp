#include "core/editor/BiographyRules.h"

#include <gtest/gtest.h>

#include <string>

namespace tavlor {
namespace {

// "织" in GBK; any double-byte code does for these rules.
const std::string kWide = "\xd6\xaf";

std::string WideText(int characters) {
  std::string text;
  for (int i = 0; i < characters; ++i) text += kWide;
  return text;
}

TEST(BiographyRules, OnlyDoubleByteTextPasteAndBackspacePass) {
  EXPECT_EQ(BiographyKeyCode("a"), 97);
  EXPECT_EQ(BiographyKeyCode("\r"), 13);
  EXPECT_EQ(BiographyKeyCode(""), 0);
  EXPECT_EQ(BiographyKeyCode(kWide), static_cast<int16_t>(0xd6af));
  EXPECT_LT(BiographyKeyCode(kWide), 0);
  EXPECT_FALSE(BiographyKeyPasses(BiographyKeyCode("a")));
  EXPECT_FALSE(BiographyKeyPasses(BiographyKeyCode(" ")));
  EXPECT_FALSE(BiographyKeyPasses(BiographyKeyCode("7")));
  EXPECT_FALSE(BiographyKeyPasses(13));
  EXPECT_TRUE(BiographyKeyPasses(BiographyKeyCode(kWide)));
  EXPECT_TRUE(BiographyKeyPasses(22));
  EXPECT_TRUE(BiographyKeyPasses(8));
}

TEST(BiographyRules, EnterOnAFullLineMovesOnExceptFromTheLast) {
  EXPECT_TRUE(EnterMovesToNextLine(0, WideText(18)));
  EXPECT_TRUE(EnterMovesToNextLine(2, " " + WideText(18) + " "));
  EXPECT_FALSE(EnterMovesToNextLine(3, WideText(18)));
  EXPECT_FALSE(EnterMovesToNextLine(0, WideText(17)));
  // 36 one-byte characters are 36 bytes but not 18 characters.
  EXPECT_FALSE(EnterMovesToNextLine(0, std::string(36, 'x')));
}

TEST(BiographyRules, ThirtySixBytesEnableTheNextLineAndAnEmptiedLineGivesWay) {
  EXPECT_EQ(BiographyLineChanged(0, WideText(18)), BiographyChange::EnableNextLine);
  EXPECT_EQ(BiographyLineChanged(2, WideText(18)), BiographyChange::EnableNextLine);
  EXPECT_EQ(BiographyLineChanged(3, WideText(18)), BiographyChange::Nothing);
  EXPECT_EQ(BiographyLineChanged(1, WideText(17)), BiographyChange::Nothing);
  EXPECT_EQ(BiographyLineChanged(2, ""), BiographyChange::DisableAndFocusPrevious);
  EXPECT_EQ(BiographyLineChanged(3, "   "), BiographyChange::DisableAndFocusPrevious);
  EXPECT_EQ(BiographyLineChanged(0, ""), BiographyChange::Nothing);
}

TEST(BiographyRules, CharacterCountCountsTwoByteCodesOnce) {
  EXPECT_EQ(CharacterCount(""), 0u);
  EXPECT_EQ(CharacterCount("ab" + kWide), 3u);
  EXPECT_EQ(CharacterCount("\xd6"), 1u);  // a lone lead byte at the end
}

}  // namespace
}  // namespace tavlor
