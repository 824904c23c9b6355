// Decoding reads the tables directly; encoding inverts them once per code page (the first code
// that decodes to a character) and corrects that with the exceptions where the converter chooses
// otherwise or holds no encoding at all.
#include "core/text/UnicodeTables.h"

#include <algorithm>
#include <vector>

#include "core/text/CodePageData.h"

namespace tavlor {
namespace {

const CodePageData& DataOf(CodePage page) {
  switch (page) {
    case CodePage::Gbk:
      return kGbkCodePage;
    case CodePage::Big5:
      return kBig5CodePage;
    case CodePage::ShiftJis:
      break;
  }
  return kShiftJisCodePage;
}

constexpr uint8_t kNoRow = 0xFF;

std::vector<uint16_t> InvertedTable(const CodePageData& data) {
  std::vector<uint16_t> codes(0x10000, kNoCode);
  for (int byte = 0; byte < 256; ++byte) {
    const char16_t c = data.Singles[byte];
    if (c != kLeadByte && codes[c] == kNoCode) codes[c] = static_cast<uint16_t>(byte);
  }
  const int width = data.LastTrail - data.FirstTrail + 1;
  for (int lead = 0; lead < 256; ++lead) {
    if (data.LeadRows[lead] == kNoRow) continue;
    const char16_t* row = data.Pairs + data.LeadRows[lead] * width;
    for (int i = 0; i < width; ++i) {
      if (row[i] != kTrailNotTaken && codes[row[i]] == kNoCode)
        codes[row[i]] = static_cast<uint16_t>(lead * 256 + data.FirstTrail + i);
    }
  }
  for (std::size_t i = 0; i < data.ExceptionCount; ++i)
    codes[data.Exceptions[i].Character] = data.Exceptions[i].Code;
  return codes;
}

const std::vector<uint16_t>& CodesOf(CodePage page) {
  static const std::vector<uint16_t> gbk = InvertedTable(kGbkCodePage);
  static const std::vector<uint16_t> big5 = InvertedTable(kBig5CodePage);
  static const std::vector<uint16_t> sjis = InvertedTable(kShiftJisCodePage);
  return page == CodePage::Gbk ? gbk : page == CodePage::Big5 ? big5 : sjis;
}

bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

bool IsDropped(const CodePageData& data, char32_t c) {
  return std::any_of(data.Dropped, data.Dropped + data.DroppedCount,
                     [c](const CharacterRange& range) { return c >= range.First && c <= range.Last; });
}

}  // namespace

std::size_t DecodeInto(CodePage page, std::string_view bytes, char16_t* out) {
  const CodePageData& data = DataOf(page);
  const int width = data.LastTrail - data.FirstTrail + 1;
  char16_t* const start = out;
  const std::size_t size = bytes.size();
  std::size_t i = 0;
  while (i < size) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    const char16_t single = data.Singles[byte];
    if (single != kLeadByte) {
      *out++ = single;
      ++i;
      continue;
    }
    if (i + 1 == size) break;
    const auto trail = static_cast<uint8_t>(bytes[i + 1]);
    const char16_t pair = trail >= data.FirstTrail && trail <= data.LastTrail
                              ? data.Pairs[data.LeadRows[byte] * width + (trail - data.FirstTrail)]
                              : kTrailNotTaken;
    if (pair == kTrailNotTaken) {
      *out++ = data.LeadAlone;
      ++i;
    } else {
      *out++ = pair;
      i += 2;
    }
  }
  return static_cast<std::size_t>(out - start);
}

std::u16string Decode(CodePage page, std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  text.resize(DecodeInto(page, bytes, text.data()));
  return text;
}

std::optional<uint16_t> EncodeCharacter(CodePage page, char16_t character) {
  if (IsSurrogate(character)) return std::nullopt;
  const uint16_t code = CodesOf(page)[character];
  if (code == kNoCode) return std::nullopt;
  return code;
}

void AppendCode(std::string& bytes, uint16_t code) {
  if (code >= 0x100) bytes.push_back(static_cast<char>(code >> 8));
  bytes.push_back(static_cast<char>(code & 0xFF));
}

std::optional<std::string> EncodeStrictly(CodePage page, std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t character : text) {
    const auto code = EncodeCharacter(page, character);
    if (!code) return std::nullopt;
    AppendCode(bytes, *code);
  }
  return bytes;
}

std::string EncodeLeniently(CodePage page, std::u16string_view text) {
  const CodePageData& data = DataOf(page);
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t character = text[i];
    if (const auto code = EncodeCharacter(page, character)) {
      AppendCode(bytes, *code);
      continue;
    }
    char32_t codePoint = character;
    const bool pair = character >= 0xD800 && character <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pair) {
      codePoint = 0x10000 + ((character - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (!IsDropped(data, codePoint)) AppendCode(bytes, data.Substitute);
  }
  return bytes;
}

}  // namespace tavlor
