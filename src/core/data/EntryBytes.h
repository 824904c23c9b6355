// One entry of the edit-data file as stored: the 317-byte record, the three link pairs (hidden,
// favoured, disliked: a Long flag, and a Long value only after a flag of 1) and the 34-byte
// appendix; 363 to 375 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/data/GeneralRecord.h"

namespace tavlor {

inline constexpr std::size_t kShortestStoredEntry = kRecordSize + 3 * 4 + kAppendixSize;  // 363
inline constexpr std::size_t kLongestStoredEntry = kRecordSize + 3 * 8 + kAppendixSize;   // 375

// Appends the entry's bytes.
void AppendEntryBytes(std::string& out, const GeneralEntry& entry);

// Reads one whole entry from the start of `bytes` and sets `length` to its size. Nothing when the
// bytes end inside the entry. A link value after a flag other than 1 is not stored: it is 0.
std::optional<GeneralEntry> ReadEntryBytes(std::span<const uint8_t> bytes, std::size_t& length);

}  // namespace tavlor
