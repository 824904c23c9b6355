// The tables' word for codes without a character of their own.
#include "core/text/UserDefinedCodes.h"

#include <string>

#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"

namespace tavlor {
namespace {

bool Within(uint16_t code, int firstLead, int lastLead, int firstTrail, int lastTrail) {
  const int lead = code >> 8;
  const int trail = code & 0xFF;
  return lead >= firstLead && lead <= lastLead && trail >= firstTrail && trail <= lastTrail;
}

std::string Bytes(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

}  // namespace

bool IsGbkUserDefinedCode(uint16_t code) {
  if (GbkCodeIndex(code >> 8, code & 0xFF) < 0) return false;
  return Within(code, 0xAA, 0xAF, 0xA1, 0xFE) || Within(code, 0xF8, 0xFE, 0xA1, 0xFE) ||
         Within(code, 0xA1, 0xA7, 0x40, 0xA0);
}

bool IsBig5UserDefinedCode(uint16_t code) {
  if (!IsBig5Pair(code >> 8, code & 0xFF)) return false;
  return Within(code, 0xFA, 0xFE, 0x40, 0xFE) || Within(code, 0xC6, 0xC6, 0xA1, 0xFE) ||
         Within(code, 0xC7, 0xC8, 0x40, 0xFE);
}

bool IsGbkCodeInBig5Text(uint16_t code) {
  return GbkCodeIndex(code >> 8, code & 0xFF) >= 0 && !IsBig5Pair(code >> 8, code & 0xFF);
}

std::optional<uint16_t> ShiftJisCodeOfGbk(uint16_t gbk, const GbkJisTables& tables) {
  if (GbkCodeIndex(gbk >> 8, gbk & 0xFF) < 0) return std::nullopt;
  const std::string sjis = GbkToSjis(Bytes(gbk), tables);
  if (sjis.size() != 2 || SjisToGbk(sjis, tables) != Bytes(gbk)) return std::nullopt;
  return static_cast<uint16_t>((static_cast<uint8_t>(sjis[0]) << 8) | static_cast<uint8_t>(sjis[1]));
}

std::optional<uint16_t> GbkCodeOfBig5(uint16_t big5, const GbBig5Tables& tables) {
  if (!IsBig5Pair(big5 >> 8, big5 & 0xFF)) return std::nullopt;
  const int index = Big5Index(big5 >> 8, big5 & 0xFF);
  if (index < 0 || static_cast<std::size_t>(index) >= kBig5Entries) return std::nullopt;
  const uint16_t gbk = tables.Big5ToGbCodes[static_cast<std::size_t>(index)];
  if (gbk < 0x100) return std::nullopt;
  return gbk;
}

}  // namespace tavlor
