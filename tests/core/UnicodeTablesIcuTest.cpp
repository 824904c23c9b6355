// The program's GBK, Big5 and Shift-JIS tables against ICU's converters of the same names, used
// as Qt's ICU codecs use them: every one- and two-byte sequence decoded, every character of the
// first plane encoded strictly and leniently.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/UnicodeTables.h"

#ifdef TAVLOR_HAVE_ICU
#include <unicode/ucnv.h>
#endif

namespace {

#ifdef TAVLOR_HAVE_ICU

struct Page {
  const char* Name;
  tavlor::CodePage Page;
};
const Page kPages[] = {{"GBK", tavlor::CodePage::Gbk},
                       {"Big5", tavlor::CodePage::Big5},
                       {"Shift_JIS", tavlor::CodePage::ShiftJis}};

// Counts every character the converter calls back for as an error, as Qt does.
void KeepError(const void*, UConverterFromUnicodeArgs*, const UChar*, int32_t, UChar32,
               UConverterCallbackReason, UErrorCode*) {}

class IcuConverter {
 public:
  IcuConverter(const char* name, bool strict) {
    UErrorCode status = U_ZERO_ERROR;
    converter_ = ucnv_open(name, &status);
    if (strict) ucnv_setFromUCallBack(converter_, KeepError, nullptr, nullptr, nullptr, &status);
    ok_ = U_SUCCESS(status);
  }
  ~IcuConverter() { ucnv_close(converter_); }
  IcuConverter(const IcuConverter&) = delete;
  IcuConverter& operator=(const IcuConverter&) = delete;
  bool Ok() const { return ok_; }

  // Without flushing, as a decoder that may be handed more bytes later.
  std::u16string Decode(const std::string& bytes) const {
    ucnv_reset(converter_);
    std::u16string units(bytes.size() + 4, u'\0');
    const char* source = bytes.data();
    UChar* target = reinterpret_cast<UChar*>(units.data());
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(converter_, &target, target + units.size(), &source, source + bytes.size(), nullptr, false,
                   &status);
    units.resize(static_cast<std::size_t>(target - reinterpret_cast<UChar*>(units.data())));
    return U_SUCCESS(status) ? units : u"<error>";
  }

  std::optional<std::string> Encode(const std::u16string& text) const {
    ucnv_reset(converter_);
    char bytes[16];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t size =
        ucnv_fromUChars(converter_, bytes, sizeof bytes, reinterpret_cast<const UChar*>(text.data()),
                        static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(size));
  }

 private:
  UConverter* converter_ = nullptr;
  bool ok_ = false;
};

TEST(UnicodeTablesIcuTest, EveryOneAndTwoByteSequenceDecodesAsIcuDecodesIt) {
  for (const Page& page : kPages) {
    const IcuConverter icu(page.Name, false);
    ASSERT_TRUE(icu.Ok()) << page.Name;
    int differences = 0;
    for (int first = 0; first < 256; ++first) {
      const std::string one(1, static_cast<char>(first));
      if (tavlor::Decode(page.Page, one) != icu.Decode(one)) ++differences;
      for (int second = 0; second < 256; ++second) {
        const std::string two = {static_cast<char>(first), static_cast<char>(second)};
        if (tavlor::Decode(page.Page, two) != icu.Decode(two)) {
          if (++differences <= 5) ADD_FAILURE() << page.Name << " differs for " << first * 256 + second;
        }
      }
    }
    EXPECT_EQ(differences, 0) << page.Name;
  }
}

TEST(UnicodeTablesIcuTest, EveryCharacterOfTheFirstPlaneEncodesAsIcuEncodesIt) {
  for (const Page& page : kPages) {
    const IcuConverter strict(page.Name, true);
    const IcuConverter lenient(page.Name, false);
    ASSERT_TRUE(strict.Ok() && lenient.Ok()) << page.Name;
    int differences = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      const std::u16string text(1, static_cast<char16_t>(c));
      const bool same = tavlor::EncodeStrictly(page.Page, text) == strict.Encode(text) &&
                        tavlor::EncodeLeniently(page.Page, text) == lenient.Encode(text).value_or("<error>");
      if (!same && ++differences <= 5) ADD_FAILURE() << page.Name << " differs for U+" << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(differences, 0) << page.Name;
    // Beyond the first plane: a surrogate pair has no code and takes one substitute.
    const std::u16string beyond = u"\U00020000";
    EXPECT_EQ(tavlor::EncodeStrictly(page.Page, beyond), strict.Encode(beyond)) << page.Name;
    EXPECT_EQ(tavlor::EncodeLeniently(page.Page, beyond), lenient.Encode(beyond).value_or("<error>"))
        << page.Name;
  }
}

#else

TEST(UnicodeTablesIcuTest, EveryOneAndTwoByteSequenceDecodesAsIcuDecodesIt) {
  GTEST_SKIP() << "built without ICU";
}

TEST(UnicodeTablesIcuTest, EveryCharacterOfTheFirstPlaneEncodesAsIcuEncodesIt) {
  GTEST_SKIP() << "built without ICU";
}

#endif

}  // namespace
