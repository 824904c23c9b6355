// GBK, Big5 and Shift-JIS through the program's own tables, on values checked by hand.
#include <gtest/gtest.h>

#include "core/text/UnicodeTables.h"

namespace {

using tavlor::CodePage;
using tavlor::Decode;
using tavlor::EncodeCharacter;
using tavlor::EncodeLeniently;
using tavlor::EncodeStrictly;

TEST(UnicodeTablesTest, TwoByteCodesDecodeToTheirCharacters) {
  EXPECT_EQ(Decode(CodePage::Gbk, "\xB0\xA1"), u"啊");
  EXPECT_EQ(Decode(CodePage::Gbk, "a\xC4\xE3\xBA\xC3"), u"a你好");
  EXPECT_EQ(Decode(CodePage::Gbk, "\x80"), u"€");
  EXPECT_EQ(Decode(CodePage::Big5, "\xA4\x40"), u"一");
  EXPECT_EQ(Decode(CodePage::Big5, "\xA1\x40"), u"\u3000");
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\x82\xA0"), u"あ");
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\x93\xFA\x96\x7B"), u"日本");
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\x5C\x7E"), u"\\~");
}

TEST(UnicodeTablesTest, ShiftJisHalfWidthKanaAreOneByteEach) {
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\xA1\xB1\xDF"), u"｡ｱﾟ");
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\xB0\x41"), u"ｰA");
  EXPECT_EQ(EncodeStrictly(CodePage::ShiftJis, u"ｱ"), "\xB1");
}

TEST(UnicodeTablesTest, MalformedBytesShowAsTheConverterShowedThem) {
  // A first byte at the very end shows nothing.
  EXPECT_EQ(Decode(CodePage::Gbk, "a\xB0"), u"a");
  EXPECT_EQ(Decode(CodePage::Big5, "\xA4"), u"");
  EXPECT_EQ(Decode(CodePage::ShiftJis, "x\x82"), u"x");
  // A second byte that does not belong: the first byte is replaced, the second read alone.
  EXPECT_EQ(Decode(CodePage::Gbk, "\xB0\x21"), u"\uFFFD!");
  EXPECT_EQ(Decode(CodePage::Big5, "\xB0\x7F"), u"\uFFFD\x7F");
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\x82\x21"), u"\x1A!");
  // The first byte taken again as the first of a code.
  EXPECT_EQ(Decode(CodePage::Gbk, "\xB0\x21\xB0\xA1"), u"\uFFFD!啊");
  // Shift-JIS bytes that start nothing.
  EXPECT_EQ(Decode(CodePage::ShiftJis, "\xA0\xFE"), u"\x1A\x1A");
}

TEST(UnicodeTablesTest, CharactersEncodeToTheirCodes) {
  EXPECT_EQ(EncodeCharacter(CodePage::Gbk, u'啊'), 0xB0A1);
  EXPECT_EQ(EncodeCharacter(CodePage::Big5, u'一'), 0xA440);
  EXPECT_EQ(EncodeCharacter(CodePage::ShiftJis, u'あ'), 0x82A0);
  EXPECT_EQ(EncodeCharacter(CodePage::Gbk, u'A'), 0x41);
  EXPECT_EQ(EncodeStrictly(CodePage::Gbk, u"a啊"), "a\xB0\xA1");
  // Shift-JIS holds 〜 but not the middle dot, GBK the middle dot but not the katakana one.
  EXPECT_EQ(EncodeCharacter(CodePage::ShiftJis, u'\u30FB'), 0x8145);
  EXPECT_EQ(EncodeCharacter(CodePage::ShiftJis, u'\u00B7'), std::nullopt);
  EXPECT_EQ(EncodeCharacter(CodePage::Gbk, u'\u00B7'), 0xA1A4);
  EXPECT_EQ(EncodeCharacter(CodePage::Gbk, u'\u30FB'), std::nullopt);
  EXPECT_EQ(EncodeCharacter(CodePage::Big5, u'あ'), std::nullopt);
}

TEST(UnicodeTablesTest, StrictEncodingRefusesWhatTheCodePageLacks) {
  EXPECT_EQ(EncodeStrictly(CodePage::Big5, u"一あ"), std::nullopt);
  EXPECT_EQ(EncodeStrictly(CodePage::Gbk, u"\U00020000"), std::nullopt);
  EXPECT_EQ(EncodeStrictly(CodePage::Gbk, u"a\xD840"), std::nullopt);  // a lone surrogate at the end
  // Default-ignorable characters are no exception.
  EXPECT_EQ(EncodeStrictly(CodePage::ShiftJis, u"\u00AD"), std::nullopt);
}

TEST(UnicodeTablesTest, LenientShiftJisSubstitutesWhatItLacks) {
  EXPECT_EQ(EncodeLeniently(CodePage::ShiftJis, u"あ\u0101"), "\x82\xA0\xFC\xFC");
  EXPECT_EQ(EncodeLeniently(CodePage::ShiftJis, u"\U00020000x"), "\xFC\xFCx");
  EXPECT_EQ(EncodeLeniently(CodePage::ShiftJis, u"a\u00ADb"), "ab");
  EXPECT_EQ(EncodeLeniently(CodePage::ShiftJis, u"a\xD840"), "a\xFC\xFC");
  EXPECT_EQ(EncodeLeniently(CodePage::Gbk, u"\u30FB"), "?");
}

TEST(UnicodeTablesTest, EveryDecodedCharacterEncodesToACodeThatDecodesToIt) {
  for (const CodePage page : {CodePage::Gbk, CodePage::Big5, CodePage::ShiftJis}) {
    int failures = 0;
    for (int code = 0x8100; code <= 0xFEFF; ++code) {
      const std::string bytes = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
      const std::u16string text = Decode(page, bytes);
      if (text.size() != 1 || text[0] == u'\uFFFD' || text[0] == u'\x1A') continue;
      const auto back = EncodeStrictly(page, text);
      if (back && Decode(page, *back) != text && ++failures <= 5) ADD_FAILURE() << std::hex << code;
    }
    EXPECT_EQ(failures, 0);
  }
}

}  // namespace
