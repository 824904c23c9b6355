// What the tables make of codes without a character of their own, decoded once per load.
#include "ui/app/TableCharacters.h"

#include "core/text/TextTables.h"
#include "core/text/UnicodeTables.h"
#include "core/text/UserDefinedCodes.h"

namespace tavlor {
namespace {

// One two-byte code as exactly one character, or nothing (undecodable, private use, several).
std::optional<char16_t> DecodeOne(CodePage page, uint16_t code) {
  const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  char16_t text[2];
  if (DecodeInto(page, std::string_view(bytes, 2), text) != 1) return std::nullopt;
  const char16_t character = text[0];
  const bool privateUse = character >= 0xE000 && character <= 0xF8FF;
  if (privateUse || character == 0xFFFD || QChar::isSurrogate(character)) return std::nullopt;
  return character;
}

template <typename Visit>
void ForEachGbkCode(Visit&& visit) {
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail != 0x7F) visit(static_cast<uint16_t>((lead << 8) | trail));
    }
  }
}

}  // namespace

const TableCharacters& TableCharacters::Current() {
  static TableCharacters characters;
  const TextTables& tables = SharedTextTables();
  const bool stale = characters.gbkJisGeneration_ != tables.GbkJis.Generation ||
                     characters.gbBig5Generation_ != tables.GbBig5.Generation ||
                     characters.gbBig5Loaded_ != tables.GbBig5.TablesLoaded;
  if (stale) characters.Build();
  return characters;
}

void TableCharacters::Build() {
  const TextTables& tables = SharedTextTables();
  gbkJisGeneration_ = tables.GbkJis.Generation;
  gbBig5Generation_ = tables.GbBig5.Generation;
  gbBig5Loaded_ = tables.GbBig5.TablesLoaded;
  big5Characters_.clear();
  gbkCharacters_.clear();
  gbkInBig5Characters_.clear();
  big5Codes_.clear();
  gbkCodes_.clear();

  constexpr CodePage sjis = CodePage::ShiftJis;
  constexpr CodePage gbk = CodePage::Gbk;
  auto japanese = [&](uint16_t gbkCode) -> std::optional<char16_t> {
    const auto sjisCode = ShiftJisCodeOfGbk(gbkCode, tables.GbkJis);
    return sjisCode ? DecodeOne(sjis, *sjisCode) : std::nullopt;
  };

  ForEachGbkCode([&](uint16_t code) {
    if (IsGbkUserDefinedCode(code)) {
      if (const auto character = japanese(code)) {
        gbkCharacters_.emplace(code, *character);
        gbkCodes_.emplace(*character, code);
      }
    }
    if (IsGbkCodeInBig5Text(code)) {
      if (const auto character = japanese(code)) {
        gbkInBig5Characters_.emplace(code, *character);
        // Only Japanese characters: those Big5 has no code for.
        big5Codes_.emplace(*character, code);
      } else if (const auto own = DecodeOne(gbk, code)) {
        gbkInBig5Characters_.emplace(code, *own);
      }
    }
  });

  if (!tables.GbBig5.TablesLoaded) return;
  for (int lead = 0xA1; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const auto code = static_cast<uint16_t>((lead << 8) | trail);
      if (!IsBig5UserDefinedCode(code)) continue;
      const auto gbkCode = GbkCodeOfBig5(code, tables.GbBig5);
      if (!gbkCode) continue;
      std::optional<char16_t> character = japanese(*gbkCode);
      if (!character) character = IsGbkUserDefinedCode(*gbkCode) ? OfGbk(*gbkCode) : DecodeOne(gbk, *gbkCode);
      if (!character) continue;
      big5Characters_.emplace(code, *character);
      big5Codes_.emplace(*character, code);
    }
  }
}

namespace {

template <typename Key, typename Value>
std::optional<Value> Find(const std::unordered_map<Key, Value>& map, Key key) {
  const auto found = map.find(key);
  if (found == map.end()) return std::nullopt;
  return found->second;
}

}  // namespace

std::optional<char16_t> TableCharacters::OfBig5(uint16_t code) const {
  return Find(big5Characters_, code);
}
std::optional<char16_t> TableCharacters::OfGbk(uint16_t code) const {
  return Find(gbkCharacters_, code);
}
std::optional<char16_t> TableCharacters::OfGbkInBig5(uint16_t code) const {
  return Find(gbkInBig5Characters_, code);
}
std::optional<uint16_t> TableCharacters::Big5CodeOf(char16_t character) const {
  return Find(big5Codes_, character);
}
std::optional<uint16_t> TableCharacters::GbkCodeOf(char16_t character) const {
  return Find(gbkCodes_, character);
}

}  // namespace tavlor
