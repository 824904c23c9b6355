// Fuzz target: the four table conversions and the field-cutting helper, with the shipped tables
// (TAVLOR_TABLES_DIR, else the tables this build installs). The first byte picks the check:
//   0-3  one conversion of any bytes: no conversion grows a text;
//   4    a cut to a field width: a prefix that ends on a code boundary;
//   5    JIS X 0208 text (every two bytes pick one of its characters; one-byte codes are not
//        converted at all, by design):
//        GbkToSjis(SjisToGbk(x)) == x, and its GBK text comes back from Traditional:
//        Big5ToGb(GbToBig5(g)) == g.
// Tables that did not load end the run at once: fuzzing pass-through code would prove nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/text/TextTables.h"

#ifndef TAVLOR_SHIPPED_TABLES_DIR
#define TAVLOR_SHIPPED_TABLES_DIR "."
#endif

namespace {

std::string Code(uint16_t code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

struct Loaded {
  tavlor::TextTables& Tables = tavlor::SharedTextTables();
  std::vector<uint16_t> JisCharacters;  // Shift-JIS codes of the JIS X 0208 characters
};

[[noreturn]] void Refuse(const char* why, const std::string& folder) {
  std::fprintf(stderr, "fuzz_conversions: %s (tables from %s)\n", why, folder.c_str());
  std::abort();
}

Loaded& Setup() {
  static Loaded* loaded = [] {
    const char* asked = std::getenv("TAVLOR_TABLES_DIR");
    const std::string folder = asked != nullptr && *asked != '\0' ? asked : TAVLOR_SHIPPED_TABLES_DIR;
    tavlor::LoadAllTextTables(folder);
    auto* result = new Loaded;
    const tavlor::TextTables& tables = result->Tables;
    const auto loadedAny = [](const auto& codes) {
      for (const uint16_t code : codes)
        if (code != 0) return true;
      return false;
    };
    if (!loadedAny(tables.GbkJis.SjisToGbkCodes) || !loadedAny(tables.GbkJis.GbkToSjisCodes) ||
        !loadedAny(tables.GbBig5.GbToBig5Codes) || !loadedAny(tables.GbBig5.Big5ToGbCodes))
      Refuse("the character tables did not load", folder);
    // The rows of JIS X 0208: symbols and kana (leads 0x81-0x84), kanji (0x88-0x9F, 0xE0-0xEA).
    for (const auto& [first, last] : {std::pair{0x81, 0x84}, {0x88, 0x9F}, {0xE0, 0xEA}})
      for (int lead = first; lead <= last; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
          if (trail == 0x7F) continue;
          const auto code = static_cast<uint16_t>((lead << 8) | trail);
          if (tavlor::SjisToGbk(Code(code), tables.GbkJis).size() == 2) result->JisCharacters.push_back(code);
        }
    if (result->JisCharacters.size() < 6000) Refuse("the tables know too few JIS X 0208 characters", folder);
    return result;
  }();
  return *loaded;
}

void CheckJisText(Loaded& loaded, const uint8_t* data, std::size_t size) {
  std::string sjis;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const std::size_t pick = ((std::size_t{data[i]} << 8) | data[i + 1]) % loaded.JisCharacters.size();
    sjis += Code(loaded.JisCharacters[pick]);
  }
  tavlor::TextTables& tables = loaded.Tables;
  const std::string gbk = tavlor::SjisToGbk(sjis, tables.GbkJis);
  if (tavlor::GbkToSjis(gbk, tables.GbkJis) != sjis) __builtin_trap();
  if (tavlor::Big5ToGb(tavlor::GbToBig5(gbk, tables.GbBig5), tables.GbBig5) != gbk) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Loaded& loaded = Setup();
  if (size == 0) return 0;
  tavlor::TextTables& tables = loaded.Tables;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string result;
  switch (data[0] % 6) {
    case 0:
      result = tavlor::SjisToGbk(text, tables.GbkJis);
      break;
    case 1:
      result = tavlor::GbkToSjis(text, tables.GbkJis);
      break;
    case 2:
      result = tavlor::GbToBig5(text, tables.GbBig5);
      break;
    case 3:
      result = tavlor::Big5ToGb(text, tables.GbBig5);
      break;
    case 4: {
      const std::size_t width = data[0] / 6;
      result = tavlor::CutToBytes(text, width);
      if (result.size() > width || text.compare(0, result.size(), result) != 0) __builtin_trap();
      // The cut ends on a code boundary: nothing shorter than one code short of the width is cut.
      if (result.size() + 2 <= width && result.size() != text.size()) __builtin_trap();
      break;
    }
    default:
      CheckJisText(loaded, data + 1, size - 1);
      return 0;
  }
  if (result.size() > text.size()) __builtin_trap();
  return 0;
}
