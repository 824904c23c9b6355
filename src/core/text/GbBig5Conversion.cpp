// Simplified <-> Traditional through GB.DAT (GB2312 code -> Big5 code) and BIG5.DAT (Big5 code ->
// GB code). The conversions walk byte pairs; a failed load is retried at the next conversion so a
// table file that appears later is picked up without a restart.
#include "core/text/GbBig5Conversion.h"

#include "core/text/TableFileReading.h"

namespace tavlor {
namespace {

// A two-byte code of the source text that has no table entry is copied whole: copying only its
// lead byte would pair its trail byte with the next character's lead (GBK 0x84D9 0xC8F0 would
// turn 0xD9C8 into a wrong character).
bool IsGbkTwoByteCode(uint8_t lead, uint8_t trail) {
  return lead >= 0x81 && lead <= 0xFE &&
         ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE));
}
bool IsBig5TwoByteCode(uint8_t lead, uint8_t trail) {
  return lead >= 0x81 && lead <= 0xFE &&
         ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE));
}

template <std::size_t Entries>
std::string ConvertPairs(std::string_view text, const std::array<uint16_t, Entries>& codes,
                         bool (*isTablePair)(uint8_t, uint8_t), int (*indexOf)(uint8_t, uint8_t),
                         bool (*isTwoByteCode)(uint8_t, uint8_t)) {
  std::string result;
  result.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto first = static_cast<uint8_t>(text[i]);
    const uint8_t second = i + 1 < text.size() ? static_cast<uint8_t>(text[i + 1]) : 0;
    if (isTablePair(first, second)) {
      const int index = indexOf(first, second);
      // An entry of 0 marks a position that holds no character: the code is kept as it is rather
      // than turned into a zero byte that would end the text.
      if (index >= 0 && static_cast<std::size_t>(index) < Entries &&
          codes[static_cast<std::size_t>(index)] != 0) {
        AppendTableCode(result, codes[static_cast<std::size_t>(index)]);
        i += 2;
        continue;
      }
    }
    if (i + 1 < text.size() && isTwoByteCode(first, second)) {
      result.append(text.substr(i, 2));
      i += 2;
      continue;
    }
    result.push_back(static_cast<char>(first));
    ++i;
  }
  return result;
}

bool EnsureLoaded(GbBig5Tables& tables) {
  if (!tables.TablesLoaded) LoadGbBig5Tables(tables);
  return tables.TablesLoaded;
}

}  // namespace

bool IsGbPair(uint8_t lead, uint8_t trail) {
  return lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

bool IsBig5Pair(uint8_t lead, uint8_t trail) {
  return lead >= 0xA1 && ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE));
}

int GbIndex(uint8_t lead, uint8_t trail) {
  return (lead - 0xA1) * 94 + (trail - 0xA1);
}

int Big5Index(uint8_t lead, uint8_t trail) {
  if (trail >= 0x40 && trail <= 0x7E) return (lead - 0xA1) * 157 + (trail - 0x40);
  if (trail >= 0xA1 && trail <= 0xFE) return (lead - 0xA1) * 157 + 63 + (trail - 0xA1);
  return 0;
}

void LoadGbBig5Tables(GbBig5Tables& tables) {
  // A file that is missing or shorter than its table counts as a failed load: the conversions then
  // pass text through unchanged instead of producing zero bytes, and the next conversion retries.
  const bool gbRead = ReadTableFile(tables.ProgramFolder / "GB.DAT", tables.GbToBig5Codes) == kGbEntries;
  const bool big5Read =
      ReadTableFile(tables.ProgramFolder / "BIG5.DAT", tables.Big5ToGbCodes) == kBig5Entries;
  tables.TablesLoaded = gbRead && big5Read;
}

std::string GbToBig5(std::string_view gb, GbBig5Tables& tables) {
  if (!EnsureLoaded(tables)) return std::string(gb);
  return ConvertPairs(gb, tables.GbToBig5Codes, IsGbPair, GbIndex, IsGbkTwoByteCode);
}

std::string Big5ToGb(std::string_view big5, GbBig5Tables& tables) {
  if (!EnsureLoaded(tables)) return std::string(big5);
  return ConvertPairs(big5, tables.Big5ToGbCodes, IsBig5Pair, Big5Index, IsBig5TwoByteCode);
}

}  // namespace tavlor
