// Reading the game's face archives (KAO_*.N13): 32-byte header, entry table, size table and
// image records of S x S BGRx pixels. Read only; every count and offset is checked against the
// file's size before anything is allocated or read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavlor {

struct FaceImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgb;  // Width * Height * 3 bytes, rows top to bottom, upright
};

struct FaceSize {
  int16_t Width = 0;
  int16_t Height = 0;
};

// The smallest of 64, 128, 256 not below `width`; nothing for a width outside 1..256.
std::optional<int> TextureSide(int width);

class FaceArchive {
 public:
  // Opens and reads the tables; on failure returns nothing and sets `error` (English reason).
  static std::unique_ptr<FaceArchive> Open(const std::filesystem::path& path, std::string* error);
  // Same, on bytes in memory (the fuzzer, tests).
  static std::unique_ptr<FaceArchive> FromBytes(std::string bytes, std::string* error);

  int32_t EntryCount() const { return static_cast<int32_t>(imageOffsets_.size()); }
  int32_t SizeCount() const { return static_cast<int32_t>(sizes_.size()); }
  const std::vector<FaceSize>& Sizes() const { return sizes_; }

  // One face, upright, RGB; nothing for an index outside either table, a width outside 1..256 or
  // a short read.
  std::optional<FaceImage> ReadFace(int32_t index);

  ~FaceArchive();

 private:
  FaceArchive() = default;
  bool ReadTables(std::string* reason);
  bool ReadAt(uint64_t offset, char* out, std::size_t length);

  std::ifstream file_;
  std::string memory_;  // used instead of file_ for FromBytes
  bool inMemory_ = false;
  uint64_t fileSize_ = 0;
  std::vector<uint32_t> imageOffsets_;
  std::vector<FaceSize> sizes_;
};

}  // namespace tavlor
