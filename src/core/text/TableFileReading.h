// Reading a table file of little-endian 16-bit codes into a fixed array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tavlor {

// Fills `codes` from the start of the file; entries the file does not reach stay zero. Returns the
// file's size in bytes, or nothing when it cannot be opened. Never reads more than the array holds.
std::optional<std::uintmax_t> ReadTableFile(const std::filesystem::path& file, std::span<uint16_t> codes);

// Whether a table file of `bytes` holds exactly `entries` codes.
inline bool IsWholeTable(const std::optional<std::uintmax_t>& bytes, std::size_t entries) {
  return bytes && *bytes == entries * 2;
}

// Appends a table code to a text: a code from 0x100 up is two bytes, high byte first; a code below
// 0x100 is one byte (0 is one zero byte).
inline void AppendTableCode(std::string& text, uint16_t code) {
  if (code >= 0x100) text.push_back(static_cast<char>(code >> 8));
  text.push_back(static_cast<char>(code & 0xFF));
}

}  // namespace tavlor
