// Simplified <-> Traditional through GB.DAT (GB2312 code -> Big5 code) and BIG5.DAT (Big5 code ->
// GB code), completed for the GBK codes outside GB2312. The conversions walk byte pairs; a failed
// load is retried at the next conversion so a table file that appears later is picked up without
// a restart.
#include "core/text/GbBig5Conversion.h"

#include "core/text/TableFileReading.h"

namespace tavlor {
namespace {

// A two-byte code of the source text that has no table entry is copied whole: copying only its
// lead byte would pair its trail byte with the next character's lead (GBK 0x84D9 0xC8F0 would
// turn 0xD9C8 into a wrong character). Big5 text holds such GBK codes too (those GbToBig5 passes
// through), so both directions split text the way a GBK reader does.
bool IsGbkTwoByteCode(uint8_t lead, uint8_t trail) {
  return GbkCodeIndex(lead, trail) >= 0;
}

// The table code a pair converts to, or 0 when it converts to nothing.
using PairConversion = uint16_t (*)(const GbBig5Tables&, uint8_t lead, uint8_t trail);

uint16_t GbPairToBig5(const GbBig5Tables& tables, uint8_t lead, uint8_t trail) {
  if (IsGbPair(lead, trail)) {
    // An entry of 0 marks a position that holds no character.
    if (const uint16_t code = tables.GbToBig5Codes[static_cast<std::size_t>(GbIndex(lead, trail))])
      return code;
  }
  const int index = GbkCodeIndex(lead, trail);
  return index < 0 ? 0 : tables.OutsideGbCodes[static_cast<std::size_t>(index)];
}

uint16_t Big5PairToGb(const GbBig5Tables& tables, uint8_t lead, uint8_t trail) {
  if (!IsBig5Pair(lead, trail)) return 0;
  const int index = Big5Index(lead, trail);
  if (index < 0 || static_cast<std::size_t>(index) >= kBig5Entries) return 0;
  return tables.Big5ToGbCodes[static_cast<std::size_t>(index)];
}

std::string ConvertPairs(std::string_view text, const GbBig5Tables& tables, PairConversion convert) {
  std::string result;
  result.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto first = static_cast<uint8_t>(text[i]);
    const uint8_t second = i + 1 < text.size() ? static_cast<uint8_t>(text[i + 1]) : 0;
    // A code converting to nothing is kept as it is rather than turned into a zero byte that
    // would end the text.
    if (const uint16_t code = convert(tables, first, second)) {
      AppendTableCode(result, code);
      i += 2;
      continue;
    }
    if (i + 1 < text.size() && IsGbkTwoByteCode(first, second)) {
      result.append(text.substr(i, 2));
      i += 2;
      continue;
    }
    result.push_back(static_cast<char>(first));
    ++i;
  }
  return result;
}

std::string CodeBytes(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// Whether GB.DAT converts a GBK code itself.
bool HasGbEntry(const GbBig5Tables& tables, uint16_t gbk) {
  const auto lead = static_cast<uint8_t>(gbk >> 8);
  const auto trail = static_cast<uint8_t>(gbk & 0xFF);
  return IsGbPair(lead, trail) && tables.GbToBig5Codes[static_cast<std::size_t>(GbIndex(lead, trail))] != 0;
}

// The Big5 code at an index of BIG5.DAT.
uint16_t Big5CodeOfIndex(std::size_t index) {
  const std::size_t column = index % 157;
  const std::size_t trail = column < 63 ? 0x40 + column : 0xA1 + column - 63;
  return static_cast<uint16_t>(((0xA1 + index / 157) << 8) | trail);
}

// Whether a table code is two bytes that GbToBig5 or Big5ToGb would walk as one code again.
bool IsTwoByteTableCode(uint16_t code) {
  return code >= 0x100 &&
         IsGbkTwoByteCode(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code & 0xFF));
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
  tables.GbFileBytes = ReadTableFile(tables.ProgramFolder / "GB.DAT", tables.GbToBig5Codes);
  tables.Big5FileBytes = ReadTableFile(tables.ProgramFolder / "BIG5.DAT", tables.Big5ToGbCodes);
  // A longer file still holds the whole table at its start.
  tables.TablesLoaded = tables.GbFileBytes && *tables.GbFileBytes >= kGbEntries * 2 && tables.Big5FileBytes &&
                        *tables.Big5FileBytes >= kBig5Entries * 2;
  if (tables.TablesLoaded) CompleteGbBig5Tables(tables);
}

void CompleteGbBig5Tables(GbBig5Tables& tables) {
  ++tables.Generation;
  tables.OutsideGbCodes.fill(0);
  // BIG5.DAT read backwards: the first Big5 code that gives a GBK code back names it.
  for (std::size_t index = 0; index < kBig5Entries; ++index) {
    const uint16_t gbk = tables.Big5ToGbCodes[index];
    if (!IsTwoByteTableCode(gbk) || HasGbEntry(tables, gbk)) continue;
    uint16_t& outside = tables.OutsideGbCodes[static_cast<std::size_t>(GbkCodeIndex(gbk >> 8, gbk & 0xFF))];
    if (outside == 0) outside = Big5CodeOfIndex(index);
  }
  if (tables.JisForms == nullptr) return;
  // A GBK code still without a Big5 code: the Big5 code of the GBK code its Shift-JIS character
  // converts to (GBK 沢 is stored as 沢, which the tables show through 泽). Characters that have no
  // Shift-JIS form (the geta mark stands for them) keep none.
  const GbkJisTables& jis = *tables.JisForms;
  constexpr std::string_view kGeta = "\x81\xAC";
  std::array<uint16_t, kJisnEntries> viaJis{};
  for (uint16_t gbk = 0x8140; gbk != 0xFF40; ++gbk) {
    const int index = GbkCodeIndex(gbk >> 8, gbk & 0xFF);
    if (index < 0 || tables.OutsideGbCodes[static_cast<std::size_t>(index)] != 0 || HasGbEntry(tables, gbk))
      continue;
    const std::string sjis = GbkToSjis(CodeBytes(gbk), jis);
    if (sjis.size() != 2 || sjis == kGeta) continue;
    const std::string same = SjisToGbk(sjis, jis);
    if (same.size() != 2 || same == CodeBytes(gbk)) continue;
    viaJis[static_cast<std::size_t>(index)] =
        GbPairToBig5(tables, static_cast<uint8_t>(same[0]), static_cast<uint8_t>(same[1]));
  }
  for (std::size_t index = 0; index < kJisnEntries; ++index) {
    if (tables.OutsideGbCodes[index] == 0) tables.OutsideGbCodes[index] = viaJis[index];
  }
}

bool GbBig5TablesReady(GbBig5Tables& tables) {
  if (!tables.TablesLoaded) LoadGbBig5Tables(tables);
  return tables.TablesLoaded;
}

std::string GbToBig5(std::string_view gb, GbBig5Tables& tables) {
  if (!GbBig5TablesReady(tables)) return std::string(gb);
  return ConvertPairs(gb, tables, GbPairToBig5);
}

std::string Big5ToGb(std::string_view big5, GbBig5Tables& tables) {
  if (!GbBig5TablesReady(tables)) return std::string(big5);
  return ConvertPairs(big5, tables, Big5PairToGb);
}

}  // namespace tavlor
