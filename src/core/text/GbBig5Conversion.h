// Simplified <-> Traditional conversion (GB2312 <-> Big5) through the table files GB.DAT and
// BIG5.DAT; a failed load is retried at the next conversion.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavlor {

inline constexpr std::size_t kGbEntries = 8178;     // 87 rows x 94
inline constexpr std::size_t kBig5Entries = 14758;  // 94 rows x 157

struct GbBig5Tables {
  std::array<uint16_t, kGbEntries> GbToBig5Codes{};    // GB.DAT
  std::array<uint16_t, kBig5Entries> Big5ToGbCodes{};  // BIG5.DAT
  bool TablesLoaded = false;
  std::filesystem::path ProgramFolder;  // where the next retry looks
};

bool IsGbPair(uint8_t lead, uint8_t trail);
bool IsBig5Pair(uint8_t lead, uint8_t trail);
int GbIndex(uint8_t lead, uint8_t trail);
int Big5Index(uint8_t lead, uint8_t trail);

// Reads both files from tables.ProgramFolder (set it first); sets TablesLoaded.
void LoadGbBig5Tables(GbBig5Tables& tables);

// Both retry the load while TablesLoaded is false and return the input unchanged if it fails.
std::string GbToBig5(std::string_view gb, GbBig5Tables& tables);
std::string Big5ToGb(std::string_view big5, GbBig5Tables& tables);

}  // namespace tavlor
