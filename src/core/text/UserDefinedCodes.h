// Codes of the interface's encodings that have no character of their own: GBK's and Big5's
// user-defined areas, and GBK codes that Big5 text carries unchanged. The character tables give
// them one: the Shift-JIS character whose GBK code they are, or the character Big5 gives back.
#pragma once

#include <cstdint>
#include <optional>

namespace tavlor {

struct GbkJisTables;
struct GbBig5Tables;

// GBK's user-defined areas: 0xAAA1-0xAFFE, 0xF8A1-0xFEFE and 0xA140-0xA7A0.
bool IsGbkUserDefinedCode(uint16_t code);

// Big5's user-defined areas that the Big5 table reaches: 0xFA40-0xFEFE and 0xC6A1-0xC8FE (the ETEN
// extension, kana included).
bool IsBig5UserDefinedCode(uint16_t code);

// A GBK two-byte code that is no Big5 pair (lead byte below 0xA1, or trail byte 0x80-0xA0): Big5
// text carries such a code unchanged.
bool IsGbkCodeInBig5Text(uint16_t code);

// The Shift-JIS code whose character converts to `gbk` (SjisToGbk(GbkToSjis(gbk)) == gbk), or
// nothing when no Shift-JIS character converts to it.
std::optional<uint16_t> ShiftJisCodeOfGbk(uint16_t gbk, const GbkJisTables& tables);

// The GBK code BIG5.DAT gives for a Big5 code, or nothing.
std::optional<uint16_t> GbkCodeOfBig5(uint16_t big5, const GbBig5Tables& tables);

}  // namespace tavlor
