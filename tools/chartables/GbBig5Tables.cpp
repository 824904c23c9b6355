// GB <-> Big5 tables. The GBK codes Shift-JIS text converts to come first; each takes one Big5 code
// of its own, so that it shows as one character no other of them shows as and comes back:
//   1. the Big5 code of the Japanese character itself (長, 後, 國, kana through the ETEN codes);
//   2. else the Big5 code of a Traditional form of it (泽 of 沢 -> 澤 when 澤 is not taken): one of
//      the Japanese character, else the preferred one of the GBK character;
//   3. else, when its GBK code is no Big5 pair (lead byte below 0xA1, or trail byte 0x80-0xA0), that
//      code itself: both conversions pass it through and the interface shows it as the Japanese
//      character (畑 stays GBK 0xAE67 in Big5 text);
//   4. else a Big5 user-defined code, which the interface shows as the Japanese character (沢).
// Any other GB2312 character becomes the Big5 code of its Traditional form (OpenCC's preferred
// one, else any other, else itself); any other Big5 character the GB2312 code of its Simplified
// form, else its GBK code. Positions holding no character stay 0.
#include "GbBig5Tables.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace chartables {
namespace {

bool IsGb2312Code(uint16_t code) {
  return tavlor::IsGbPair(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF));
}

std::size_t GbIndexOf(uint16_t code) {
  return static_cast<std::size_t>(
      tavlor::GbIndex(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF)));
}

std::size_t Big5IndexOf(uint16_t code) {
  return static_cast<std::size_t>(
      tavlor::Big5Index(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF)));
}

uint16_t Big5CodeAt(std::size_t index) {
  const std::size_t column = index % 157;
  const std::size_t trail = column < 63 ? 0x40 + column : 0xA1 + column - 63;
  return static_cast<uint16_t>(((0xA1 + index / 157) << 8) | trail);
}

std::string Bytes(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

uint16_t CodeOf(const std::string& bytes) {
  return static_cast<uint16_t>((static_cast<uint8_t>(bytes[0]) << 8) | static_cast<uint8_t>(bytes[1]));
}

std::string Hex(uint16_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", code);
  return text;
}

std::string Describe(char32_t character) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X ", static_cast<unsigned>(character));
  return text + Utf8(character);
}

// The ETEN extension's kana, in Big5 order from 0xC6E7: hiragana ぁ-ん, then katakana ァ-ヶ.
const std::map<char32_t, uint16_t>& EtenKana() {
  static const std::map<char32_t, uint16_t> kana = [] {
    std::map<char32_t, uint16_t> codes;
    std::size_t index = Big5IndexOf(0xC6E7);
    for (char32_t c = U'ぁ'; c <= U'ん'; ++c) codes[c] = Big5CodeAt(index++);
    for (char32_t c = U'ァ'; c <= U'ヶ'; ++c) codes[c] = Big5CodeAt(index++);
    return codes;
  }();
  return kana;
}

// Big5's user-defined codes that BIG5.DAT reaches, in the order they are handed out: 0xFA40-0xFEFE,
// then 0xC6A1-0xC8FE without the kana.
std::vector<uint16_t> UserDefinedBig5Codes(const CodePage& big5) {
  std::set<uint16_t> kana;
  for (const auto& [character, code] : EtenKana()) kana.insert(code);
  std::vector<uint16_t> codes;
  auto area = [&](uint16_t first, uint16_t last) {
    for (std::size_t index = Big5IndexOf(first); index <= Big5IndexOf(last); ++index) {
      const uint16_t code = Big5CodeAt(index);
      if (!big5.Decode(code) && !kana.contains(code)) codes.push_back(code);
    }
  };
  area(0xFA40, 0xFEFE);
  area(0xC6A1, 0xC8FE);
  return codes;
}

// A GBK code that Big5 text can carry as it is: both conversions pass it through unchanged.
bool PassesThroughBig5(uint16_t gbk) {
  const auto lead = static_cast<uint8_t>(gbk >> 8);
  const auto trail = static_cast<uint8_t>(gbk & 0xFF);
  return !tavlor::IsBig5Pair(lead, trail);
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

std::optional<uint16_t> Big5OfTraditionalForm(char32_t character, const CodePage& big5,
                                              const CharacterVariants& variants) {
  std::vector<char32_t> candidates = VariantsOf(variants.SimplifiedToTraditional, character);
  candidates.push_back(character);
  for (const char32_t candidate : candidates) {
    if (const auto code = Big5CodeOf(big5, candidate)) return code;
  }
  return std::nullopt;
}

// A GBK code that Shift-JIS text converts to, and the character it stands for.
struct ShiftJisCode {
  uint16_t Gbk = 0;
  uint16_t Sjis = 0;                     // the Shift-JIS code it comes back as
  char32_t Japanese = 0;                 // that code's character
  std::optional<char32_t> GbkCharacter;  // the GBK code's own character (none for user-defined codes)
  std::optional<uint16_t> Big5;
};

std::vector<ShiftJisCode> ShiftJisCodes(const CodePage& sjis, const CodePage& gbk,
                                        const tavlor::GbkJisTables& gbkJis) {
  std::set<uint16_t> seen;
  std::vector<ShiftJisCode> codes;
  for (const uint16_t value : gbkJis.SjisToGbkCodes) {
    if (value < 0x100 || !seen.insert(value).second) continue;
    const std::string back = tavlor::GbkToSjis(Bytes(value), gbkJis);
    if (back.size() != 2) continue;
    ShiftJisCode code;
    code.Gbk = value;
    code.Sjis = CodeOf(back);
    const auto japanese = sjis.Decode(code.Sjis);
    if (!japanese) continue;
    code.Japanese = *japanese;
    code.GbkCharacter = gbk.Decode(value);
    codes.push_back(code);
  }
  // JIS X 0208 before the vendor rows, each in code order.
  const auto rank = [](const ShiftJisCode& code) {
    const int lead = code.Sjis >> 8;
    return std::pair(lead == 0x87 || lead >= 0xED, code.Sjis);
  };
  std::sort(codes.begin(), codes.end(), [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
  return codes;
}

}  // namespace

std::optional<uint16_t> Big5CodeOf(const CodePage& big5, char32_t character) {
  if (const auto code = big5.Encode(character)) return code;
  const auto kana = EtenKana().find(character);
  if (kana != EtenKana().end()) return kana->second;
  return std::nullopt;
}

GbBig5Figures BuildGbBig5Tables(const CodePage& sjis, const CodePage& gbk, const CodePage& big5,
                                const CharacterVariants& variants, const tavlor::GbkJisTables& gbkJis,
                                tavlor::GbBig5Tables& tables, std::ostream& report) {
  GbBig5Figures figures;
  tables.GbToBig5Codes.fill(0);
  tables.Big5ToGbCodes.fill(0);

  std::vector<ShiftJisCode> shiftJis = ShiftJisCodes(sjis, gbk, gbkJis);
  figures.ShiftJisCodes = static_cast<int>(shiftJis.size());
  std::set<uint16_t> taken;
  auto take = [&](ShiftJisCode& code, uint16_t big5Code) {
    code.Big5 = big5Code;
    taken.insert(big5Code);
  };
  // 1. The Japanese character itself.
  for (auto& code : shiftJis) {
    if (const auto own = Big5CodeOf(big5, code.Japanese); own && !taken.contains(*own)) {
      take(code, *own);
      ++figures.ShownAsThemselves;
    }
  }
  // 2. A Traditional form of the Japanese character, else the preferred Traditional form of the GBK
  //    character. A further form of the GBK character is another word (当 -> 噹, 团 -> 糰, 历 -> 歷
  //    for 暦): when the preferred one is taken, the character shows as itself (step 4) instead.
  for (auto& code : shiftJis) {
    if (code.Big5) continue;
    std::vector<char32_t> candidates = VariantsOf(variants.JapaneseToTraditional, code.Japanese);
    if (code.GbkCharacter) {
      const std::vector<char32_t> forms = VariantsOf(variants.SimplifiedToTraditional, *code.GbkCharacter);
      if (!forms.empty()) candidates.push_back(forms.front());
    }
    for (const char32_t candidate : candidates) {
      if (const auto form = Big5CodeOf(big5, candidate); form && !taken.contains(*form)) {
        take(code, *form);
        ++figures.ShownTraditional;
        break;
      }
    }
  }
  // 3. The GBK code itself. 4. A user-defined code.
  const std::vector<uint16_t> userDefined = UserDefinedBig5Codes(big5);
  std::size_t nextUserDefined = 0;
  for (auto& code : shiftJis) {
    if (code.Big5) continue;
    if (PassesThroughBig5(code.Gbk)) {
      ++figures.ShownThroughGbk;
      continue;
    }
    if (nextUserDefined == userDefined.size()) {
      report << "exception: GBK " << Hex(code.Gbk) << " (Shift-JIS " << Hex(code.Sjis) << ' '
             << Describe(code.Japanese) << ") has no Big5 code: the user-defined codes are used up\n";
      continue;
    }
    take(code, userDefined[nextUserDefined++]);
    ++figures.ShownUserDefined;
  }
  figures.UserDefinedCodesLeft = static_cast<int>(userDefined.size() - nextUserDefined);

  std::map<uint16_t, const ShiftJisCode*> byGbk;
  for (const auto& code : shiftJis) {
    byGbk[code.Gbk] = &code;
    if (!code.Big5) continue;
    if (IsGb2312Code(code.Gbk)) tables.GbToBig5Codes[GbIndexOf(code.Gbk)] = *code.Big5;
    tables.Big5ToGbCodes[Big5IndexOf(*code.Big5)] = code.Gbk;
  }

  for (std::size_t index = 0; index < tavlor::kGbEntries; ++index) {
    const auto code = static_cast<uint16_t>(((0xA1 + index / 94) << 8) | (0xA1 + index % 94));
    const auto character = gbk.Decode(code);
    if (!character) continue;
    ++figures.GbCharacters;
    if (tables.GbToBig5Codes[index] == 0) {
      if (const auto big5Code = Big5OfTraditionalForm(*character, big5, variants))
        tables.GbToBig5Codes[index] = *big5Code;
    }
    if (tables.GbToBig5Codes[index] != 0) ++figures.GbMapped;
  }

  for (std::size_t index = 0; index < tavlor::kBig5Entries; ++index) {
    const uint16_t code = Big5CodeAt(index);
    const auto character = big5.Decode(code);
    if (!character) continue;
    ++figures.Big5Characters;
    if (tables.Big5ToGbCodes[index] == 0) {
      if (const auto gbCode = GbOfSimplifiedForm(*character, gbk, variants)) {
        // A code that only stands for another Big5 code's character must not become the first
        // Big5 code giving a GBK code outside GB2312 back: that one names it in GbToBig5.
        const auto owner = byGbk.find(*gbCode);
        if (owner == byGbk.end() || IsGb2312Code(*gbCode) || !owner->second->Big5 ||
            *owner->second->Big5 < code)
          tables.Big5ToGbCodes[index] = *gbCode;
      }
    }
    if (tables.Big5ToGbCodes[index] != 0) {
      ++figures.Big5Mapped;
      if (IsGb2312Code(tables.Big5ToGbCodes[index])) ++figures.Big5ToGb2312;
    }
  }

  // Check through the program's own conversions, and the characters the interface shows.
  tables.JisForms = &gbkJis;
  tavlor::CompleteGbBig5Tables(tables);
  tables.TablesLoaded = true;
  auto shown = [&](uint16_t big5Code) -> std::optional<char32_t> {
    if (PassesThroughBig5(big5Code)) {
      const auto owner = byGbk.find(big5Code);
      return owner == byGbk.end() ? std::nullopt : std::optional(owner->second->Japanese);
    }
    if (const auto character = big5.Decode(big5Code)) return character;
    for (const auto& [kana, code] : EtenKana()) {
      if (code == big5Code) return kana;
    }
    const auto owner = byGbk.find(tables.Big5ToGbCodes[Big5IndexOf(big5Code)]);
    if (owner == byGbk.end()) return std::nullopt;
    return owner->second->Japanese;
  };
  std::map<char32_t, int> shownCount;
  std::vector<std::pair<const ShiftJisCode*, char32_t>> shownAs;
  for (const auto& code : shiftJis) {
    const std::string big5Text = tavlor::GbToBig5(Bytes(code.Gbk), tables);
    if (tavlor::Big5ToGb(big5Text, tables) == Bytes(code.Gbk)) {
      ++figures.ComeBack;
    } else {
      report << "exception: GBK " << Hex(code.Gbk) << ' ' << Describe(code.Japanese)
             << " does not come back\n";
    }
    const auto character = big5Text.size() == 2 ? shown(CodeOf(big5Text)) : std::nullopt;
    if (!character) continue;
    ++shownCount[*character];
    shownAs.emplace_back(&code, *character);
  }
  for (const auto& [code, character] : shownAs) {
    if (shownCount[character] == 1) {
      ++figures.ShownUniquely;
    } else {
      report << "exception: GBK " << Hex(code->Gbk) << ' ' << Describe(code->Japanese) << " shows as "
             << Describe(character) << " like another\n";
    }
  }
  return figures;
}

}  // namespace chartables
