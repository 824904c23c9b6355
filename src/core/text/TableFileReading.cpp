// Table files are small (at most 48 KB): read in one go, then decoded entry by entry.
#include "core/text/TableFileReading.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace tavlor {

std::optional<std::uintmax_t> ReadTableFile(const std::filesystem::path& file, std::span<uint16_t> codes) {
  std::fill(codes.begin(), codes.end(), uint16_t{0});
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  std::vector<char> bytes(codes.size() * 2);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::size_t entries = static_cast<std::size_t>(in.gcount()) / 2;
  for (std::size_t i = 0; i < entries; ++i) {
    const auto low = static_cast<uint8_t>(bytes[2 * i]);
    const auto high = static_cast<uint8_t>(bytes[2 * i + 1]);
    codes[i] = static_cast<uint16_t>(low | (high << 8));
  }
  return error ? static_cast<std::uintmax_t>(entries * 2) : size;
}

}  // namespace tavlor
