// Shift-JIS <-> GBK through GBKN.dat (six segment tables indexed by Shift-JIS code) and JISN.dat
// (one table indexed by GBK code).
#include "core/text/GbkJisConversion.h"

#include <optional>
#include <vector>

#include "core/text/PlainTextRules.h"
#include "core/text/TableFileReading.h"

namespace tavlor {
namespace {

// One SJIS segment table inside GBKN.dat: its lead bytes, where it starts in the file, its size and
// how many codes of its first row lie before it (table 3 starts at 0x889F, 94 codes into lead 0x88).
struct SjisSegment {
  uint8_t FirstLead;
  uint8_t LastLead;
  std::size_t Offset;
  std::size_t Entries;
  int Skipped;
};

constexpr SjisSegment kSegments[] = {
    {0x81, 0x84, 0, 690, 0},     {0x87, 0x87, 690, 92, 0},   {0x88, 0x9F, 782, 4418, 94},
    {0xE0, 0xEA, 5200, 1980, 0}, {0xED, 0xEE, 7180, 376, 0}, {0xFA, 0xFC, 7556, 388, 0},
};
static_assert(7556 + 388 == kGbknEntries);

constexpr int kSjisRowCodes = 188;  // trail bytes 0x40-0x7E and 0x80-0xFC
constexpr int kGbkRowCodes = 190;   // trail bytes 0x40-0x7E and 0x80-0xFE

bool IsLeadByte(uint8_t byte) {
  return byte >= 0x81 && byte <= 0xFE;
}
bool IsTrailByte(uint8_t byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

// Position of a trail byte within its row: 0x40 -> 0, 0x7E -> 62, 0x80 -> 63 (0x7F is skipped).
int TrailPosition(uint8_t trail) {
  return trail <= 0x7E ? trail - 0x40 : trail - 0x41;
}

const SjisSegment* SegmentOfLead(uint8_t lead) {
  for (const auto& segment : kSegments) {
    if (lead >= segment.FirstLead && lead <= segment.LastLead) return &segment;
  }
  return nullptr;
}

// Walks a text code by code the way a GBK reader splits it (used for both directions).
template <typename OnTwoByteCode>
void ForEachTwoByteCode(std::string_view text, OnTwoByteCode&& onCode) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<uint8_t>(text[i]);
    if (IsLeadByte(lead) && i + 1 < text.size() && IsTrailByte(static_cast<uint8_t>(text[i + 1]))) {
      onCode(lead, static_cast<uint8_t>(text[i + 1]));
      i += 2;
    } else {
      ++i;  // one-byte codes (ASCII, blanks, NUL padding) add nothing
    }
  }
}

// The Shift-JIS code at an index of GBKN.dat.
uint16_t SjisCodeOfGbknIndex(std::size_t index) {
  for (const auto& segment : kSegments) {
    if (index < segment.Offset || index >= segment.Offset + segment.Entries) continue;
    const auto position = static_cast<int>(index - segment.Offset) + segment.Skipped;
    const int trailPosition = position % kSjisRowCodes;
    const int trail = trailPosition < 63 ? 0x40 + trailPosition : 0x41 + trailPosition;
    return static_cast<uint16_t>(((segment.FirstLead + position / kSjisRowCodes) << 8) | trail);
  }
  return 0;
}

// A missing or short GBKN.dat: the entries it did not give are taken from JISN.dat read
// backwards, so that names still show: the first GB2312 code that converts to the Shift-JIS code,
// else the first other GBK code (many GBK characters share the Japanese form of one).
void FillGbknFromJisn(GbkJisTables& tables) {
  std::vector<uint16_t> gbkOfSjis(0x10000, 0);
  for (const bool gb2312 : {false, true}) {
    for (int lead = 0xFE; lead >= 0x81; --lead) {
      for (int trail = 0xFE; trail >= 0x40; --trail) {
        const int index = GbkCodeIndex(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
        const bool isGb2312 = lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1;
        if (index < 0 || isGb2312 != gb2312) continue;
        const uint16_t sjis = tables.GbkToSjisCodes[static_cast<std::size_t>(index)];
        if (sjis >= 0x100) gbkOfSjis[sjis] = static_cast<uint16_t>((lead << 8) | trail);
      }
    }
  }
  for (std::size_t index = 0; index < kGbknEntries; ++index) {
    uint16_t& entry = tables.SjisToGbkCodes[index];
    if (entry == 0) entry = gbkOfSjis[SjisCodeOfGbknIndex(index)];
  }
}

}  // namespace

int GbkCodeIndex(uint8_t lead, uint8_t trail) {
  if (!IsLeadByte(lead) || !IsTrailByte(trail)) return -1;
  return (lead - 0x81) * kGbkRowCodes + TrailPosition(trail);
}

void LoadGbkJisTables(const std::filesystem::path& programFolder, GbkJisTables& tables) {
  tables.GbknFileBytes = ReadTableFile(programFolder / "GBKN.dat", tables.SjisToGbkCodes);
  tables.JisnFileBytes = ReadTableFile(programFolder / "JISN.dat", tables.GbkToSjisCodes);
  if (!IsWholeTable(tables.GbknFileBytes, kGbknEntries)) FillGbknFromJisn(tables);
  ++tables.Generation;
}

std::string SjisToGbk(std::string_view sjis, const GbkJisTables& tables) {
  std::string gbk;
  if (TrimBlanks(sjis).empty()) return gbk;
  gbk.reserve(sjis.size());
  ForEachTwoByteCode(sjis, [&](uint8_t lead, uint8_t trail) {
    const SjisSegment* segment = SegmentOfLead(lead);
    if (segment == nullptr) return;  // a lead byte without a table
    // Trail bytes 0xFD-0xFE lie outside every Shift-JIS row; the formula would reach into the next
    // row, so they are treated like any other code without an entry.
    const int index =
        trail > 0xFC ? -1
                     : (lead - segment->FirstLead) * kSjisRowCodes + TrailPosition(trail) - segment->Skipped;
    if (index < 0 || static_cast<std::size_t>(index) >= segment->Entries) {
      gbk.push_back('0');
      return;
    }
    AppendTableCode(gbk, tables.SjisToGbkCodes[segment->Offset + static_cast<std::size_t>(index)]);
  });
  return gbk;
}

std::string GbkToSjis(std::string_view gbk, const GbkJisTables& tables) {
  std::string sjis;
  if (TrimBlanks(gbk).empty()) return sjis;
  sjis.reserve(gbk.size());
  ForEachTwoByteCode(gbk, [&](uint8_t lead, uint8_t trail) {
    AppendTableCode(sjis, tables.GbkToSjisCodes[static_cast<std::size_t>(GbkCodeIndex(lead, trail))]);
  });
  return sjis;
}

std::size_t AnsiByteLength(std::string_view text) {
  return text.size();  // a two-byte code takes two bytes, a one-byte code one
}

std::string& PadToBytes(std::string& text, std::size_t width, char fill) {
  if (text.size() < width) text.append(width - text.size(), fill);
  return text;
}

std::string CutToBytes(std::string_view text, std::size_t width) {
  std::size_t end = 0;
  while (end < text.size()) {
    const auto lead = static_cast<uint8_t>(text[end]);
    const bool twoBytes =
        IsLeadByte(lead) && end + 1 < text.size() && IsTrailByte(static_cast<uint8_t>(text[end + 1]));
    const std::size_t next = end + (twoBytes ? 2 : 1);
    if (next > width) break;
    end = next;
  }
  return std::string(text.substr(0, end));
}

}  // namespace tavlor
