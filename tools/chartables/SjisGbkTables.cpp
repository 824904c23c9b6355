// Shift-JIS <-> GBK tables. Every character of Shift-JIS gets one GBK code of its own, so the
// conversion comes back to the same code:
//   1. a character that is its own Simplified form keeps its GBK code (国, kana, symbols);
//   2. a kanji whose Simplified form is no Shift-JIS character takes that form when no kanji
//      ahead of it has (長 -> 长; level-1 kanji first, direct mappings before Shinjitai ones);
//   3. any other keeps its own GBK form (後 stays 後, since 后 is a kanji of its own);
//   4. a character with no free GBK form takes a look-alike GBK character that is no Shift-JIS
//      character, else a code of GBK's user-defined areas.
// The GBK side then maps every code a character took back to it, every other GBK character to
// its Japanese form, and whatever has none to the geta mark.
#include "SjisGbkTables.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace chartables {
namespace {

constexpr uint16_t kGetaMark = 0x81AC;

struct Segment {
  uint8_t FirstLead;
  std::size_t Offset;
  std::size_t Entries;
  int Skipped;
  bool Vendor;  // the rows 0x87, 0xED-0xEE and 0xFA-0xFC, which repeat characters of each other
};
constexpr Segment kSegments[] = {{0x81, 0, 690, 0, false},     {0x87, 690, 92, 0, true},
                                 {0x88, 782, 4418, 94, false}, {0xE0, 5200, 1980, 0, false},
                                 {0xED, 7180, 376, 0, true},   {0xFA, 7556, 388, 0, true}};

uint16_t SjisCodeAt(const Segment& segment, std::size_t index) {
  const std::size_t position = index + static_cast<std::size_t>(segment.Skipped);
  const auto lead = static_cast<uint8_t>(segment.FirstLead + position / 188);
  const auto column = static_cast<int>(position % 188);
  const auto trail = static_cast<uint8_t>(column < 63 ? 0x40 + column : 0x41 + column);
  return static_cast<uint16_t>((lead << 8) | trail);
}

std::size_t JisnIndex(uint16_t gbkCode) {
  const int lead = gbkCode >> 8;
  const int trail = gbkCode & 0xFF;
  return static_cast<std::size_t>((lead - 0x81) * 190 + (trail <= 0x7E ? trail - 0x40 : trail - 0x41));
}

bool IsGbkTrail(int trail) {
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
}

// GBK's user-defined areas, in the order they are handed out.
std::vector<uint16_t> UserDefinedGbkCodes() {
  std::vector<uint16_t> codes;
  auto area = [&](int firstLead, int lastLead, int firstTrail, int lastTrail) {
    for (int lead = firstLead; lead <= lastLead; ++lead) {
      for (int trail = firstTrail; trail <= lastTrail; ++trail) {
        if (IsGbkTrail(trail)) codes.push_back(static_cast<uint16_t>((lead << 8) | trail));
      }
    }
  };
  area(0xAA, 0xAF, 0xA1, 0xFE);
  area(0xF8, 0xFE, 0xA1, 0xFE);
  area(0xA1, 0xA7, 0x40, 0xA0);
  return codes;
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

// One character of Shift-JIS at its own (canonical) code.
struct SjisCharacter {
  uint16_t Code = 0;
  char32_t Character = 0;
  bool Vendor = false;
  std::optional<char32_t> Simplified;  // a Simplified form other than the character itself
  bool ViaShinjitai = false;           // found through the Traditional form of a Shinjitai kanji
  std::optional<uint16_t> GbkCode;     // the code it takes
};

void FindSimplifiedForm(SjisCharacter& item, const CharacterVariants& variants) {
  const auto& direct = VariantsOf(variants.TraditionalToSimplified, item.Character);
  if (!direct.empty() && direct.front() != item.Character) {
    item.Simplified = direct.front();
    return;
  }
  for (const char32_t traditional : VariantsOf(variants.JapaneseToTraditional, item.Character)) {
    const auto& simplified = VariantsOf(variants.TraditionalToSimplified, traditional);
    const char32_t form = simplified.empty() ? traditional : simplified.front();
    if (form != item.Character) {
      item.Simplified = form;
      item.ViaShinjitai = true;
      return;
    }
  }
}

// The Shift-JIS code a GBK character that no Shift-JIS character took maps to.
std::optional<uint16_t> JapaneseFormOf(char32_t character, const CodePage& sjis,
                                       const CharacterVariants& variants) {
  if (const auto same = sjis.Encode(character)) return same;
  std::vector<char32_t> candidates;
  for (const char32_t traditional : VariantsOf(variants.SimplifiedToTraditional, character)) {
    candidates.push_back(traditional);
    for (const char32_t japanese : VariantsOf(variants.TraditionalToJapanese, traditional))
      candidates.push_back(japanese);
  }
  for (const char32_t japanese : VariantsOf(variants.TraditionalToJapanese, character))
    candidates.push_back(japanese);
  for (const char32_t simplified : VariantsOf(variants.TraditionalToSimplified, character)) {
    candidates.push_back(simplified);
  }
  for (const char32_t candidate : candidates) {
    if (const auto code = sjis.Encode(candidate)) return code;
  }
  return std::nullopt;
}

}  // namespace

SjisGbkFigures BuildSjisGbkTables(const CodePage& sjis, const CodePage& gbk,
                                  const CharacterVariants& variants, tavlor::GbkJisTables& tables,
                                  std::ostream& report) {
  SjisGbkFigures figures;
  tables.SjisToGbkCodes.fill(0);
  tables.GbkToSjisCodes.fill(0);

  // Every position of the six segment tables: its character and the canonical code of it.
  std::vector<SjisCharacter> characters;  // canonical codes only, in code order
  std::map<uint16_t, uint16_t> duplicateOf;
  std::vector<std::pair<std::size_t, uint16_t>> positions;  // GBKN index -> Shift-JIS code
  for (const Segment& segment : kSegments) {
    for (std::size_t index = 0; index < segment.Entries; ++index) {
      const uint16_t code = SjisCodeAt(segment, index);
      positions.emplace_back(segment.Offset + index, code);
      const auto character = sjis.Decode(code);
      if (!character) continue;
      if (segment.Vendor) ++figures.VendorCharacters;
      const auto canonical = sjis.Encode(*character);
      if (canonical && *canonical != code) {
        duplicateOf[code] = *canonical;
        if (segment.Vendor) {
          ++figures.VendorDuplicates;
        } else {
          report << "exception: " << Hex(code) << ' ' << Describe(*character) << " repeats "
                 << Hex(*canonical) << " and comes back as it\n";
        }
        continue;
      }
      SjisCharacter item;
      item.Code = code;
      item.Character = *character;
      item.Vendor = segment.Vendor;
      FindSimplifiedForm(item, variants);
      characters.push_back(item);
    }
  }

  std::set<uint16_t> takenGbkCodes;
  auto take = [&](SjisCharacter& item, uint16_t gbkCode) {
    item.GbkCode = gbkCode;
    takenGbkCodes.insert(gbkCode);
  };
  // 1. Characters that are their own Simplified form.
  for (auto& item : characters) {
    if (item.Simplified) continue;
    if (const auto code = gbk.Encode(item.Character); code && !takenGbkCodes.contains(*code))
      take(item, *code);
  }
  // 2. Simplified forms that are no Shift-JIS character, in order of precedence.
  std::vector<SjisCharacter*> wantingSimplified;
  for (auto& item : characters) {
    if (item.Simplified && !sjis.Encode(*item.Simplified)) wantingSimplified.push_back(&item);
  }
  std::stable_sort(wantingSimplified.begin(), wantingSimplified.end(), [](const auto* a, const auto* b) {
    const auto rank = [](const SjisCharacter* item) {
      return std::tuple(item->Vendor, item->Code >= 0x989F, item->ViaShinjitai, item->Code);
    };
    return rank(a) < rank(b);
  });
  for (auto* item : wantingSimplified) {
    const auto code = gbk.Encode(*item->Simplified);
    if (code && !takenGbkCodes.contains(*code)) {
      take(*item, *code);
      if (!item->Vendor) ++figures.ShownSimplified;
    }
  }
  // 3. Their own GBK form.
  for (auto& item : characters) {
    if (item.GbkCode) continue;
    if (const auto code = gbk.Encode(item.Character); code && !takenGbkCodes.contains(*code))
      take(item, *code);
  }
  // 3b. A look-alike GBK character that is no Shift-JIS character (・ -> ·).
  for (auto& item : characters) {
    if (item.GbkCode) continue;
    const auto code = gbk.EncodeBestFit(item.Character);
    if (!code || takenGbkCodes.contains(*code)) continue;
    const auto lookAlike = gbk.Decode(*code);
    if (!lookAlike || sjis.Encode(*lookAlike)) continue;
    take(item, *code);
    report << "look-alike: " << Hex(item.Code) << ' ' << Describe(item.Character) << " -> GBK " << Hex(*code)
           << ' ' << Describe(*lookAlike) << '\n';
  }
  // 4. A user-defined GBK code.
  const std::vector<uint16_t> userDefined = UserDefinedGbkCodes();
  std::size_t nextUserDefined = 0;
  for (auto& item : characters) {
    if (item.GbkCode) continue;
    while (nextUserDefined < userDefined.size() && takenGbkCodes.contains(userDefined[nextUserDefined])) {
      ++nextUserDefined;
    }
    if (nextUserDefined == userDefined.size()) {
      report << "exception: " << Hex(item.Code) << ' ' << Describe(item.Character)
             << " has no GBK form and the user-defined areas are full\n";
      continue;
    }
    take(item, userDefined[nextUserDefined]);
    ++figures.UserDefinedCodes;
    report << "user-defined: " << Hex(item.Code) << ' ' << Describe(item.Character) << " -> GBK "
           << Hex(*item.GbkCode)
           << (gbk.Encode(item.Character) ? " (its GBK form is taken)" : " (no GBK form)") << '\n';
  }

  // GBKN.dat: each position gets the code of its character (a duplicate that of the canonical).
  std::map<uint16_t, uint16_t> gbkOfSjis;
  for (const auto& item : characters) {
    if (item.GbkCode) gbkOfSjis[item.Code] = *item.GbkCode;
  }
  for (const auto& [index, code] : positions) {
    const auto duplicate = duplicateOf.find(code);
    const uint16_t source = duplicate == duplicateOf.end() ? code : duplicate->second;
    if (const auto found = gbkOfSjis.find(source); found != gbkOfSjis.end()) {
      tables.SjisToGbkCodes[index] = found->second;
    }
  }

  // JISN.dat: codes taken by a Shift-JIS character lead back to it; every other GBK character to
  // its Japanese form, else the geta mark. Nothing is 0: a zero byte would end a name in the game.
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (!IsGbkTrail(trail)) continue;
      const auto gbkCode = static_cast<uint16_t>((lead << 8) | trail);
      uint16_t sjisCode = kGetaMark;
      if (const auto character = gbk.Decode(gbkCode)) {
        ++figures.GbkCharacters;
        if (const auto japanese = JapaneseFormOf(*character, sjis, variants)) {
          sjisCode = *japanese;
          if (sjis.Decode(*japanese) == character) {
            ++figures.GbkToSameCharacter;
          } else {
            ++figures.GbkToJapaneseForm;
          }
        } else {
          ++figures.GbkToGeta;
        }
      }
      tables.GbkToSjisCodes[JisnIndex(gbkCode)] = sjisCode;
    }
  }
  for (const auto& item : characters) {
    if (item.GbkCode) tables.GbkToSjisCodes[JisnIndex(*item.GbkCode)] = item.Code;
  }

  // Check through the program's own conversions.
  auto roundTrips = [&](uint16_t code) {
    const std::string bytes{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return tavlor::GbkToSjis(tavlor::SjisToGbk(bytes, tables), tables) == bytes;
  };
  for (const auto& [index, code] : positions) {
    const auto character = sjis.Decode(code);
    if (!character) continue;
    const bool vendor = (code >> 8) == 0x87 || (code >> 8) >= 0xED;
    const bool ok = roundTrips(code);
    if (vendor) {
      if (ok) ++figures.VendorRoundTrips;
      continue;
    }
    ++figures.JisCharacters;
    if (ok) {
      ++figures.JisRoundTrips;
    } else if (!duplicateOf.contains(code)) {
      report << "exception: " << Hex(code) << ' ' << Describe(*character) << " does not come back\n";
    }
  }
  return figures;
}

}  // namespace chartables
