// Reading a table file of little-endian 16-bit codes into a fixed array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace tavlor {

// Fills `codes` from the start of the file; entries the file does not reach stay zero. Returns the
// number of entries read (0 when the file cannot be opened). Never reads more than the array holds.
std::size_t ReadTableFile(const std::filesystem::path& file, std::span<uint16_t> codes);

// Appends a table code to a text: a code from 0x100 up is two bytes, high byte first; a code below
// 0x100 is one byte (0 is one zero byte).
inline void AppendTableCode(std::string& text, uint16_t code) {
  if (code >= 0x100) text.push_back(static_cast<char>(code >> 8));
  text.push_back(static_cast<char>(code & 0xFF));
}

}  // namespace tavlor
