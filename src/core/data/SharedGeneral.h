// The shared-general file: one general in a small file of its own, to hand to another player.
//
// Layout (all integers little-endian):
//   offset  0, 16 bytes  the format's name "TavlorGeneral" followed by three NUL bytes
//   offset 16,  2 bytes  the format's version, 1
//   offset 18,  2 bytes  n, the length of the entry that follows (363 to 375)
//   offset 20,  4 bytes  CRC-32 (the zlib/PNG polynomial) of the n entry bytes
//   offset 24,  n bytes  the general's entry exactly as EDATA000.13S stores it: the 317-byte record,
//                        the three link pairs (a value only after a flag of 1), the 34-byte appendix
// The file is exactly 24 + n bytes. The usual file name ends in ".n13general".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data/EntryBytes.h"
#include "core/data/GeneralRecord.h"

namespace tavlor {

inline constexpr std::string_view kSharedGeneralFormatName = "TavlorGeneral";
inline constexpr int kSharedGeneralVersion = 1;
inline constexpr std::size_t kSharedGeneralHeaderSize = 24;
inline constexpr std::string_view kSharedGeneralExtension = ".n13general";

// The whole file for one general.
std::string EncodeSharedGeneral(const GeneralEntry& entry);

enum class SharedGeneralProblem {
  None,
  NotSharedGeneral,  // no format name at the start: some other file
  NewerVersion,      // written by a later version of the format
  Damaged,           // wrong length, checksum or entry layout
};

struct DecodedSharedGeneral {
  std::optional<GeneralEntry> Entry;  // set when Problem is None
  SharedGeneralProblem Problem = SharedGeneralProblem::None;
};

// Reads a whole shared-general file. Any damage is refused; nothing is guessed.
DecodedSharedGeneral DecodeSharedGeneral(std::string_view bytes);

// The file's size limit for readers: anything larger is not a shared general.
inline constexpr std::size_t kLargestSharedGeneralFile = kSharedGeneralHeaderSize + kLongestStoredEntry;

}  // namespace tavlor
