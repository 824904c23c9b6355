// GB <-> Big5 tables: a GB2312 character becomes the Big5 code of its Traditional form (OpenCC's
// preferred one, else any other, else itself); a Big5 character the GB2312 code of its Simplified
// form, else its GBK code. Positions holding no character, and characters with no code on the
// other side, stay 0.
#include "GbBig5Tables.h"

#include <optional>
#include <vector>

namespace chartables {
namespace {

bool IsGb2312Code(uint16_t code) {
  return tavlor::IsGbPair(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF));
}

std::optional<uint16_t> Big5OfTraditionalForm(char32_t character, const CodePage& big5,
                                              const CharacterVariants& variants) {
  std::vector<char32_t> candidates = VariantsOf(variants.SimplifiedToTraditional, character);
  candidates.push_back(character);
  for (const char32_t candidate : candidates) {
    if (const auto code = big5.Encode(candidate)) return code;
  }
  return std::nullopt;
}

std::optional<uint16_t> GbOfSimplifiedForm(char32_t character, const CodePage& gbk,
                                           const CharacterVariants& variants) {
  std::vector<char32_t> candidates = VariantsOf(variants.TraditionalToSimplified, character);
  candidates.push_back(character);
  for (const char32_t candidate : candidates) {
    if (const auto code = gbk.Encode(candidate); code && IsGb2312Code(*code)) return code;
  }
  for (const char32_t candidate : candidates) {
    if (const auto code = gbk.Encode(candidate)) return code;
  }
  return std::nullopt;
}

}  // namespace

GbBig5Figures BuildGbBig5Tables(const CodePage& gbk, const CodePage& big5, const CharacterVariants& variants,
                                tavlor::GbBig5Tables& tables, std::ostream& report) {
  GbBig5Figures figures;
  tables.GbToBig5Codes.fill(0);
  tables.Big5ToGbCodes.fill(0);

  for (std::size_t index = 0; index < tavlor::kGbEntries; ++index) {
    const auto code = static_cast<uint16_t>(((0xA1 + index / 94) << 8) | (0xA1 + index % 94));
    const auto character = gbk.Decode(code);
    if (!character) continue;
    ++figures.GbCharacters;
    if (const auto big5Code = Big5OfTraditionalForm(*character, big5, variants)) {
      tables.GbToBig5Codes[index] = *big5Code;
      ++figures.GbMapped;
    }
  }

  for (std::size_t index = 0; index < tavlor::kBig5Entries; ++index) {
    const auto column = static_cast<int>(index % 157);
    const auto trail = column < 63 ? 0x40 + column : 0xA1 + column - 63;
    const auto code = static_cast<uint16_t>(((0xA1 + index / 157) << 8) | trail);
    const auto character = big5.Decode(code);
    if (!character) continue;
    ++figures.Big5Characters;
    if (const auto gbCode = GbOfSimplifiedForm(*character, gbk, variants)) {
      tables.Big5ToGbCodes[index] = *gbCode;
      ++figures.Big5Mapped;
      if (IsGb2312Code(*gbCode)) ++figures.Big5ToGb2312;
    }
  }
  (void)report;
  return figures;
}

}  // namespace chartables
