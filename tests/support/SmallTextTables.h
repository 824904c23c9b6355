// Small hand-made character tables for tests: a few characters mapped Shift-JIS <-> GBK and
// GB <-> Big5, every other entry zero, so a test states exactly which characters convert.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/text/TextTables.h"

namespace tavlor::testing {

// One character in its three encodings (two-byte codes, high byte first); Big5 0 = not mapped.
struct SampleCharacter {
  const char* Utf8;
  uint16_t Sjis;
  uint16_t Gbk;
  uint16_t Big5;
};

// 織 田 信 長 之 助 太 郎 伊 達 政 宗 お だ の ぶ な が: the kanji shown in their Simplified GBK form
// where one exists (織 -> 织), the kana mapped to themselves between GB and Big5.
inline constexpr SampleCharacter kSampleCharacters[] = {
    {"織", 0x9044, 0xD6AF, 0xC2B4}, {"田", 0x9363, 0xCCEF, 0xA5D0}, {"信", 0x904D, 0xD0C5, 0xAB48},
    {"長", 0x92B7, 0xB3A4, 0xAAF8}, {"之", 0x9456, 0xD6AE, 0xA4A7}, {"助", 0x8F95, 0xD6FA, 0xA755},
    {"太", 0x91BE, 0xCCAB, 0xA4D3}, {"郎", 0x9859, 0xC0C9, 0xADA6}, {"伊", 0x88C9, 0xD2C1, 0xA5EC},
    {"達", 0x9242, 0xB4EF, 0xB946}, {"政", 0x90AD, 0xD5FE, 0xAC46}, {"宗", 0x8F40, 0xD7DA, 0xA976},
    {"お", 0x82A8, 0xA4AA, 0xA4AA}, {"だ", 0x82BE, 0xA4C0, 0xA4C0}, {"の", 0x82CC, 0xA4CE, 0xA4CE},
    {"ぶ", 0x82D4, 0xA4D6, 0xA4D6}, {"な", 0x82C8, 0xA4CA, 0xA4CA}, {"が", 0x82AA, 0xA4AC, 0xA4AC},
};

// Tables holding exactly the sample characters, marked loaded (no file is read).
std::unique_ptr<TextTables> SmallTextTables();

// Bytes of two-byte codes, high byte first: Codes({0x9044, 0x9363}) == "\x90\x44\x93\x63".
std::string Codes(std::initializer_list<uint16_t> codes);
inline std::string Code(uint16_t code) {
  return Codes({code});
}

// A table file's bytes: `entries` little-endian 16-bit values, entry i being code(i).
std::string TableFileBytes(std::size_t entries, uint16_t (*code)(std::size_t));

// The same text in each encoding, from indexes into kSampleCharacters.
std::string SjisOf(std::initializer_list<int> characters);
std::string GbkOf(std::initializer_list<int> characters);
std::string Big5Of(std::initializer_list<int> characters);

}  // namespace tavlor::testing
