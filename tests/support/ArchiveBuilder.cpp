#include "support/ArchiveBuilder.h"

#include <fstream>
#include <stdexcept>

namespace tavlor::testing {
namespace {

int SideOf(int width) {
  if (width <= 64) return 64;
  if (width <= 128) return 128;
  return 256;
}

void AppendLong(std::string& bytes, int32_t value) {
  for (int b = 0; b < 4; ++b)
    bytes.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * b)) & 0xff));
}

void AppendInteger(std::string& bytes, int16_t value) {
  bytes.push_back(static_cast<char>(static_cast<uint16_t>(value) & 0xff));
  bytes.push_back(static_cast<char>(static_cast<uint16_t>(value) >> 8));
}

std::size_t RecordBytes(int width) {
  const std::size_t side = static_cast<std::size_t>(SideOf(width));
  return 56 + side * side * 4;
}

}  // namespace

PatternRgb PatternPixel(int seed, int x, int y) {
  return PatternRgb{static_cast<uint8_t>(seed), static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

int ArchiveBuilder::AddFace(int width, int height, int seed) {
  faces_.push_back(Face{width, height, seed, recordCount_++});
  recordWidths_.push_back(width);
  recordHeights_.push_back(height);
  recordSeeds_.push_back(seed);
  return static_cast<int>(faces_.size()) - 1;
}

int ArchiveBuilder::AddSharedFace(int source) {
  faces_.push_back(faces_.at(static_cast<std::size_t>(source)));
  return static_cast<int>(faces_.size()) - 1;
}

std::size_t ArchiveBuilder::SizeRowOffset(int index) const {
  return 32 + 8 * faces_.size() + 12 * static_cast<std::size_t>(index);
}

std::size_t ArchiveBuilder::ImageRecordOffset(int index) const {
  const int rows = sizeRowCount_ < 0 ? static_cast<int>(faces_.size()) : sizeRowCount_;
  std::size_t offset = 32 + 8 * faces_.size() + 12 * static_cast<std::size_t>(rows);
  const int record = faces_.at(static_cast<std::size_t>(index)).Record;
  for (int r = 0; r < record; ++r) offset += RecordBytes(recordWidths_[static_cast<std::size_t>(r)]);
  return offset;
}

std::string ArchiveBuilder::Bytes() const {
  const int entries = static_cast<int>(faces_.size());
  const int sizeRows = sizeRowCount_ < 0 ? entries : sizeRowCount_;
  std::string bytes = "TKAO";
  AppendLong(bytes, entries);
  AppendLong(bytes, 32);
  AppendLong(bytes, sizeRows);
  AppendLong(bytes, 32 + 8 * entries);
  bytes.append(12, '\0');

  for (int i = 0; i < entries; ++i) {
    AppendLong(bytes, static_cast<int32_t>(ImageRecordOffset(i)));
    bytes.append(4, '\0');
  }
  for (int i = 0; i < sizeRows; ++i) {
    bytes.append(4, '\0');
    const bool real = i < entries;
    AppendInteger(bytes, static_cast<int16_t>(real ? faces_[static_cast<std::size_t>(i)].Width : 0));
    AppendInteger(bytes, static_cast<int16_t>(real ? faces_[static_cast<std::size_t>(i)].Height : 0));
    bytes.append(4, '\0');
  }
  for (int r = 0; r < recordCount_; ++r) {
    const int width = recordWidths_[static_cast<std::size_t>(r)];
    const int height = recordHeights_[static_cast<std::size_t>(r)];
    const int seed = recordSeeds_[static_cast<std::size_t>(r)];
    const int side = SideOf(width);
    bytes.append(56, '\x11');  // image header: never read
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        if (x < width && y < height) {
          const PatternRgb rgb = PatternPixel(seed, x, y);
          bytes.push_back(static_cast<char>(rgb.Blue));
          bytes.push_back(static_cast<char>(rgb.Green));
          bytes.push_back(static_cast<char>(rgb.Red));
          bytes.push_back('\x7f');  // ignored byte
        } else {
          bytes.append(4, '\xee');  // padding, never shown
        }
      }
    }
  }
  return bytes;
}

void ArchiveBuilder::WriteTo(const std::filesystem::path& file) const {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + file.string());
  const std::string bytes = Bytes();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ArchiveBuilder SparseArchive(int entries, int width, int height, const std::map<int, int>& own,
                             int otherSeed) {
  ArchiveBuilder builder;
  int shared = -1;
  for (int face = 0; face < entries; ++face) {
    const auto seed = own.find(face);
    if (seed != own.end()) {
      builder.AddFace(width, height, seed->second);
    } else if (shared < 0) {
      shared = builder.AddFace(width, height, otherSeed);
    } else {
      builder.AddSharedFace(shared);
    }
  }
  return builder;
}

void PatchLong(std::string& bytes, std::size_t offset, int32_t value) {
  for (int b = 0; b < 4; ++b)
    bytes.at(offset + static_cast<std::size_t>(b)) =
        static_cast<char>((static_cast<uint32_t>(value) >> (8 * b)) & 0xff);
}

void PatchInteger(std::string& bytes, std::size_t offset, int16_t value) {
  bytes.at(offset) = static_cast<char>(static_cast<uint16_t>(value) & 0xff);
  bytes.at(offset + 1) = static_cast<char>(static_cast<uint16_t>(value) >> 8);
}

}  // namespace tavlor::testing
