// Conversions of the editor's texts to and from the record's fields.
#include "core/editor/StoredText.h"

#include <cstdint>

#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"

namespace tavlor {

std::string ShownTextOfField(std::string_view storedBytes, TextTables& tables, bool simplified) {
  const std::string gbk(TrimBlanks(SjisToGbk(storedBytes, tables.GbkJis)));
  return simplified ? gbk : GbToBig5(gbk, tables.GbBig5);
}

std::string GbkOfShownText(std::string_view shown, TextTables& tables, bool simplified) {
  return simplified ? std::string(shown) : Big5ToGb(shown, tables.GbBig5);
}

std::string StoredBytesOfShownText(std::string_view shown, std::size_t width, TextTables& tables,
                                   bool simplified) {
  const std::string sjis = GbkToSjis(GbkOfShownText(shown, tables, simplified), tables.GbkJis);
  // Cutting at the width may not leave the lead byte of a character alone at the end: the game
  // would read it together with whatever follows the field.
  std::string stored = CutToBytes(sjis, width);
  return PadToBytes(stored, width, '\0');
}

StoredOrigin ShowStoredField(std::string_view storedBytes, TextTables& tables, bool simplified) {
  return {std::string(storedBytes), ShownTextOfField(storedBytes, tables, simplified)};
}

bool ShowsStoredText(const std::optional<StoredOrigin>& origin, std::string_view text, bool trimmed) {
  if (!origin) return false;
  return (trimmed ? TrimBlanks(text) : text) == origin->Shown;
}

std::string FieldBytesOfBox(const std::optional<StoredOrigin>& origin, std::string_view text,
                            std::size_t width, bool trimmed, TextTables& tables, bool simplified) {
  // A field read from a file always has its width; anything else (a hand-made origin) is not
  // trusted to fill the field exactly.
  if (ShowsStoredText(origin, text, trimmed) && origin->Bytes.size() == width) return origin->Bytes;
  return StoredBytesOfShownText(trimmed ? TrimBlanks(text) : text, width, tables, simplified);
}

std::string RetypedText(std::string_view shown, TextTables& tables, bool fromSimplified, bool toSimplified) {
  if (fromSimplified == toSimplified) return std::string(shown);
  const std::string gbk = GbkOfShownText(shown, tables, fromSimplified);
  return toSimplified ? gbk : GbToBig5(gbk, tables.GbBig5);
}

std::optional<std::string> FirstUncarriedCharacter(std::string_view gbk, const GbkJisTables& tables) {
  constexpr std::string_view kGetaGbk = "\xA1\xFE";  // 〓
  constexpr std::string_view kGetaSjis = "\x81\xAC";
  std::size_t i = 0;
  while (i < gbk.size()) {
    const bool twoBytes = IsDoubleByteCodes(gbk.substr(i, 2), 1);
    const std::string_view character = gbk.substr(i, twoBytes ? 2 : 1);
    i += character.size();
    if (!twoBytes) return std::string(character);
    const std::string sjis = GbkToSjis(character, tables);
    const bool carried = IsDoubleByteCodes(sjis, 1) && (sjis != kGetaSjis || character == kGetaGbk);
    if (!carried) return std::string(character);
  }
  return std::nullopt;
}

bool IsDoubleByteCodes(std::string_view bytes, std::size_t count) {
  if (bytes.size() != count * 2) return false;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const auto lead = static_cast<uint8_t>(bytes[i]);
    const auto trail = static_cast<uint8_t>(bytes[i + 1]);
    const bool isLead = lead >= 0x81 && lead <= 0xFE;
    const bool isTrail = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
    if (!isLead || !isTrail) return false;
  }
  return true;
}

}  // namespace tavlor
