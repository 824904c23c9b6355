// GBK, Big5 and Shift-JIS bytes to UTF-16 and back through the program's own tables
// (UnicodeTablesData.cpp), with the results ICU's converters of those names give: the same on
// every platform, whether or not it has ICU.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlor {

enum class CodePage { Gbk, Big5, ShiftJis };

// Decodes `bytes` into `out`, which has room for bytes.size() units (no byte gives more than
// one), and answers how many it wrote. A first byte whose second byte does not belong to it shows
// as U+FFFD (Shift-JIS: U+001A) and the second byte is read on its own; a first byte at the very
// end shows nothing, as the converter keeps it for bytes that never come.
std::size_t DecodeInto(CodePage page, std::string_view bytes, char16_t* out);
std::u16string Decode(CodePage page, std::string_view bytes);

// The code of one character (one-byte codes below 0x100), or nothing when the code page has
// none. Surrogates never have one: none of the three holds characters beyond the first plane.
std::optional<uint16_t> EncodeCharacter(CodePage page, char16_t character);
// The bytes of a whole text, or nothing when a character has no code.
std::optional<std::string> EncodeStrictly(CodePage page, std::u16string_view text);
// The bytes of a text with the code page's substitute (Shift-JIS 0xFCFC, else '?') for every
// character without a code, and nothing for default-ignorable ones (U+00AD, U+200B...).
std::string EncodeLeniently(CodePage page, std::u16string_view text);

// Appends a code as EncodeCharacter gives it: one byte below 0x100, else two.
void AppendCode(std::string& bytes, uint16_t code);

}  // namespace tavlor
