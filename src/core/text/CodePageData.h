// The shape of one code page's Unicode mappings as the chartables tool writes them
// (UnicodeTablesData.cpp): every one-byte code, every two-byte code, and the characters whose
// encoding is not simply the first code that decodes to them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavlor {

// A one-byte entry that is the first byte of a two-byte code.
inline constexpr char16_t kLeadByte = 0xFFFF;
// A two-byte entry whose second byte does not belong to the code: the first byte shows as
// LeadAlone and the second byte is read again on its own.
inline constexpr char16_t kTrailNotTaken = 0xFFFF;
// An exception's code for a character that has no encoding at all.
inline constexpr uint16_t kNoCode = 0xFFFF;

struct EncodingException {
  char16_t Character;
  uint16_t Code;  // a one-byte code is below 0x100; kNoCode when the character has none
};

struct CharacterRange {
  char32_t First;
  char32_t Last;
};

struct CodePageData {
  const char16_t* Singles;  // 256 entries: the character of each byte, or kLeadByte
  const uint8_t* LeadRows;  // 256 entries: the row of Pairs of each lead byte
  const char16_t* Pairs;    // rows of (LastTrail - FirstTrail + 1) entries
  uint8_t FirstTrail;       // second bytes outside [FirstTrail, LastTrail] are never taken
  uint8_t LastTrail;
  char16_t LeadAlone;                   // a lead byte whose second byte does not belong to it
  uint16_t Substitute;                  // the code written for a character without one (lenient encoding)
  const EncodingException* Exceptions;  // sorted by character
  std::size_t ExceptionCount;
  // Characters lenient encoding leaves out instead of writing Substitute (default-ignorable ones).
  const CharacterRange* Dropped;
  std::size_t DroppedCount;
};

extern const CodePageData kGbkCodePage;
extern const CodePageData kBig5CodePage;
extern const CodePageData kShiftJisCodePage;

}  // namespace tavlor
