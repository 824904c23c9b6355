// Builds face archives in the game's layout for tests: 32-byte header, entry table, size table,
// then one image record (56-byte header + S x S BGRx pixels) per distinct face.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tavlor::testing {

struct PatternRgb {
  uint8_t Red, Green, Blue;
  bool operator==(const PatternRgb&) const = default;
};

// The colour the builder stores at (x, y) of a face made with `seed`: red = seed, green = x,
// blue = y (each mod 256), so a test can tell position and face from any pixel.
PatternRgb PatternPixel(int seed, int x, int y);

class ArchiveBuilder {
 public:
  // Appends a face with its own image record; returns its index.
  int AddFace(int width, int height, int seed);
  // Appends an entry that shares the image record of face `source`; returns its index.
  int AddSharedFace(int source);
  // Writes the size table with `count` rows instead of one per face (extra rows are 0 x 0).
  void SetSizeRowCount(int count) { sizeRowCount_ = count; }

  std::string Bytes() const;
  void WriteTo(const std::filesystem::path& file) const;

  // Where things lie in Bytes(), for tests that corrupt them.
  static constexpr std::size_t kEntryCountOffset = 4;
  static constexpr std::size_t kEntryTableOffsetOffset = 8;
  static constexpr std::size_t kSizeCountOffset = 12;
  static constexpr std::size_t kSizeTableOffsetOffset = 16;
  std::size_t EntryRowOffset(int index) const { return 32 + 8 * static_cast<std::size_t>(index); }
  std::size_t SizeRowOffset(int index) const;
  std::size_t ImageRecordOffset(int index) const;  // of the record that entry `index` points at

 private:
  struct Face {
    int Width, Height, Seed, Record;
  };
  std::vector<Face> faces_;
  int recordCount_ = 0;
  int sizeRowCount_ = -1;  // -1: one per face
  std::vector<int> recordWidths_;
  std::vector<int> recordHeights_;
  std::vector<int> recordSeeds_;
};

// An archive of `entries` faces of width x height: the faces listed in `own` (face index -> seed)
// have an image of their own, every other face shares one image of seed `otherSeed`. Game-sized
// archives stay small this way.
ArchiveBuilder SparseArchive(int entries, int width, int height, const std::map<int, int>& own,
                             int otherSeed);

// Overwrites a little-endian 32-bit (or 16-bit) value inside archive bytes.
void PatchLong(std::string& bytes, std::size_t offset, int32_t value);
void PatchInteger(std::string& bytes, std::size_t offset, int16_t value);

}  // namespace tavlor::testing
