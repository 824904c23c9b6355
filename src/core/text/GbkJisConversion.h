// Shift-JIS <-> GBK conversion through the two table files GBKN.dat and JISN.dat, and the byte
// length and padding helpers used to fit converted text into fixed-width fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavlor {

inline constexpr std::size_t kGbknEntries = 7944;   // six SJIS segment tables
inline constexpr std::size_t kJisnEntries = 23940;  // 126 rows x 190 GBK codes

struct GbkJisTables {
  std::array<uint16_t, kGbknEntries> SjisToGbkCodes{};  // GBKN.dat
  std::array<uint16_t, kJisnEntries> GbkToSjisCodes{};  // JISN.dat
  // Bytes each file held at the last load (nothing when it could not be opened).
  std::optional<std::uintmax_t> GbknFileBytes;
  std::optional<std::uintmax_t> JisnFileBytes;
  unsigned Generation = 0;  // counts the loads, so that what is derived from the tables can follow
};

// Reads GBKN.dat and JISN.dat from the program folder. A missing or short file leaves the entries
// not read at zero; nothing is reported (the file sizes are kept for whoever reports).
void LoadGbkJisTables(const std::filesystem::path& programFolder, GbkJisTables& tables);

// The entry of a GBK two-byte code in JISN.dat's layout (lead 0x81-0xFE, trail 0x40-0x7E or
// 0x80-0xFE), or -1 for any other pair of bytes.
int GbkCodeIndex(uint8_t lead, uint8_t trail);

// Stored Shift-JIS bytes -> GBK bytes (one-byte codes are dropped, see the table rules).
std::string SjisToGbk(std::string_view sjis, const GbkJisTables& tables);
// GBK bytes -> Shift-JIS bytes.
std::string GbkToSjis(std::string_view gbk, const GbkJisTables& tables);

// Bytes the text takes (a two-byte code counts 2).
std::size_t AnsiByteLength(std::string_view text);
// Appends `fill` until the text is `width` bytes long; a longer text is returned unchanged.
std::string& PadToBytes(std::string& text, std::size_t width, char fill);

// Cuts a GBK or Shift-JIS text to at most `width` bytes without leaving half a two-byte code.
std::string CutToBytes(std::string_view text, std::size_t width);


}  // namespace tavlor
