#include "support/SmallTextTables.h"

#include <stdexcept>

namespace tavlor::testing {
namespace {

// Index of a Shift-JIS code in GBKN.dat (the six segment tables one after another).
std::size_t GbknIndex(uint16_t sjis) {
  const int lead = sjis >> 8;
  const int trail = sjis & 0xFF;
  const int t = trail <= 0x7E ? trail - 0x40 : trail - 0x41;
  if (lead >= 0x81 && lead <= 0x84) return static_cast<std::size_t>((lead - 0x81) * 188 + t);
  if (lead >= 0x88 && lead <= 0x9F) return static_cast<std::size_t>(782 + (lead - 0x88) * 188 + t - 94);
  throw std::logic_error("sample character outside the segments the tests use");
}

std::size_t JisnIndex(uint16_t gbk) {
  const int lead = gbk >> 8;
  const int trail = gbk & 0xFF;
  const int t = trail <= 0x7E ? trail - 0x40 : trail - 0x41;
  return static_cast<std::size_t>((lead - 0x81) * 190 + t);
}

template <typename Pick>
std::string TextOf(std::initializer_list<int> characters, Pick pick) {
  std::string text;
  for (int index : characters) {
    const uint16_t code = pick(kSampleCharacters[index]);
    text.push_back(static_cast<char>(code >> 8));
    text.push_back(static_cast<char>(code & 0xFF));
  }
  return text;
}

}  // namespace

std::unique_ptr<TextTables> SmallTextTables() {
  auto tables = std::make_unique<TextTables>();
  for (const SampleCharacter& c : kSampleCharacters) {
    tables->GbkJis.SjisToGbkCodes[GbknIndex(c.Sjis)] = c.Gbk;
    tables->GbkJis.GbkToSjisCodes[JisnIndex(c.Gbk)] = c.Sjis;
    if (c.Big5 != 0) {
      tables->GbBig5.GbToBig5Codes[GbIndex(c.Gbk >> 8, c.Gbk & 0xFF)] = c.Big5;
      tables->GbBig5.Big5ToGbCodes[Big5Index(c.Big5 >> 8, c.Big5 & 0xFF)] = c.Gbk;
    }
  }
  tables->GbBig5.TablesLoaded = true;
  tables->GbBig5.JisForms = &tables->GbkJis;
  CompleteGbBig5Tables(tables->GbBig5);
  return tables;
}

std::string Codes(std::initializer_list<uint16_t> codes) {
  std::string text;
  for (uint16_t code : codes) {
    text.push_back(static_cast<char>(code >> 8));
    text.push_back(static_cast<char>(code & 0xFF));
  }
  return text;
}

std::string SjisOf(std::initializer_list<int> characters) {
  return TextOf(characters, [](const SampleCharacter& c) { return c.Sjis; });
}
std::string GbkOf(std::initializer_list<int> characters) {
  return TextOf(characters, [](const SampleCharacter& c) { return c.Gbk; });
}
std::string Big5Of(std::initializer_list<int> characters) {
  return TextOf(characters, [](const SampleCharacter& c) { return c.Big5; });
}

std::string TableFileBytes(std::size_t entries, uint16_t (*code)(std::size_t)) {
  std::string bytes;
  for (std::size_t i = 0; i < entries; ++i) {
    bytes.push_back(static_cast<char>(code(i) & 0xFF));
    bytes.push_back(static_cast<char>(code(i) >> 8));
  }
  return bytes;
}

}  // namespace tavlor::testing
