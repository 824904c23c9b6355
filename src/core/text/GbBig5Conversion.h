// Simplified <-> Traditional conversion (GB2312 <-> Big5) through the table files GB.DAT and
// BIG5.DAT; a failed load is retried at the next conversion.
//
// GB.DAT can only name the Big5 code of a GB2312 code. A GBK code outside GB2312 (a Japanese kanji
// in its own form, a user-defined code, a symbol) takes the Big5 code whose BIG5.DAT entry is that
// GBK code, so that Big5ToGb gives it back; failing that, the Big5 code of the GBK code that
// stands for the same Shift-JIS character (when the Shift-JIS tables are at hand). The shipped
// BIG5.DAT names a Big5 code for every GBK code SjisToGbk can produce, using Big5's user-defined
// codes (0xFA40-0xFEFE, 0xC6A1-0xC8FE) for characters Big5 does not hold; the interface's codec
// shows those codes as the characters the tables give them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/text/GbkJisConversion.h"

namespace tavlor {

inline constexpr std::size_t kGbEntries = 8178;     // 87 rows x 94
inline constexpr std::size_t kBig5Entries = 14758;  // 94 rows x 157

struct GbBig5Tables {
  std::array<uint16_t, kGbEntries> GbToBig5Codes{};    // GB.DAT
  std::array<uint16_t, kBig5Entries> Big5ToGbCodes{};  // BIG5.DAT
  bool TablesLoaded = false;
  std::filesystem::path ProgramFolder;  // where the next retry looks
  // Bytes each file held at the last load (nothing when it could not be opened).
  std::optional<std::uintmax_t> GbFileBytes;
  std::optional<std::uintmax_t> Big5FileBytes;
  unsigned Generation = 0;  // counts the completions, so that what is derived can follow
  // Optional: the Shift-JIS tables, for GBK codes that neither file converts (see above).
  const GbkJisTables* JisForms = nullptr;
  // The Big5 code of every GBK two-byte code GB.DAT does not convert, indexed like JISN.dat (0: none).
  // Built from the tables by CompleteGbBig5Tables.
  std::array<uint16_t, kJisnEntries> OutsideGbCodes{};
};

bool IsGbPair(uint8_t lead, uint8_t trail);
bool IsBig5Pair(uint8_t lead, uint8_t trail);
int GbIndex(uint8_t lead, uint8_t trail);
int Big5Index(uint8_t lead, uint8_t trail);

// Reads both files from tables.ProgramFolder (set it first); sets TablesLoaded and, on success,
// completes the tables.
void LoadGbBig5Tables(GbBig5Tables& tables);

// Builds OutsideGbCodes from GB.DAT, BIG5.DAT and JisForms. LoadGbBig5Tables calls it; call it
// after filling the tables by hand.
void CompleteGbBig5Tables(GbBig5Tables& tables);

// Whether the tables are loaded, trying to load them first if they are not (as a conversion does).
bool GbBig5TablesReady(GbBig5Tables& tables);

// Both retry the load while TablesLoaded is false and return the input unchanged if it fails.
std::string GbToBig5(std::string_view gb, GbBig5Tables& tables);
std::string Big5ToGb(std::string_view big5, GbBig5Tables& tables);

}  // namespace tavlor
