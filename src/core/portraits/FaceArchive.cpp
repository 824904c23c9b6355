#include "core/portraits/FaceArchive.h"
#include "core/data/PathText.h"

#include <cstring>

namespace tavlor {
namespace {

// Header: Magic(4) EntryCount(4) EntryTableOffset(4) SizeCount(4) SizeTableOffset(4) spare(12).
constexpr std::size_t kHeaderBytes = 32;
constexpr std::size_t kEntryRowBytes = 8;  // ImageOffset(4) + spare(4)
constexpr std::size_t kSizeRowBytes = 12;  // spare(4) Width(2) Height(2) spare(4)
constexpr std::size_t kImageHeaderBytes = 56;
constexpr std::size_t kPixelBytes = 4;  // blue, green, red, ignored

int32_t Long(const char* at) {
  uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<uint8_t>(at[b]);
  return static_cast<int32_t>(value);
}

int16_t Integer(const char* at) {
  return static_cast<int16_t>(
      static_cast<uint16_t>(static_cast<uint8_t>(at[0]) | (static_cast<uint8_t>(at[1]) << 8)));
}

// A table of `count` rows of `rowBytes` at `offset` must lie wholly inside the file. Checked in
// 64 bits so that 2^31 rows or an offset near 2^31 cannot wrap.
bool TableFits(int32_t count, int32_t offset, std::size_t rowBytes, uint64_t fileSize) {
  if (count < 1 || offset < 0) return false;
  const uint64_t end = static_cast<uint64_t>(offset) + static_cast<uint64_t>(count) * rowBytes;
  return end <= fileSize;
}

}  // namespace

std::optional<int> TextureSide(int width) {
  if (width < 1 || width > 256) return std::nullopt;
  if (width <= 64) return 64;
  if (width <= 128) return 128;
  return 256;
}

FaceArchive::~FaceArchive() = default;

bool FaceArchive::ReadAt(uint64_t offset, char* out, std::size_t length) {
  if (offset > fileSize_ || length > fileSize_ - offset) return false;
  if (inMemory_) {
    std::memcpy(out, memory_.data() + offset, length);
    return true;
  }
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(offset));
  file_.read(out, static_cast<std::streamsize>(length));
  return static_cast<std::size_t>(file_.gcount()) == length;
}

std::unique_ptr<FaceArchive> FaceArchive::Open(const std::filesystem::path& path, std::string* error) {
  auto fail = [&](const std::string& why) -> std::unique_ptr<FaceArchive> {
    if (error) *error = TextOfPath(path) + ": " + why;
    return nullptr;
  };
  std::error_code code;
  if (std::filesystem::is_directory(path, code)) return fail("is a folder, not a face archive");
  const uint64_t size = std::filesystem::file_size(path, code);
  if (code) return fail("cannot open: " + code.message());

  std::unique_ptr<FaceArchive> archive(new FaceArchive());
  archive->file_.open(path, std::ios::binary);
  if (!archive->file_) return fail("cannot open for reading");
  archive->fileSize_ = size;
  std::string reason;
  if (!archive->ReadTables(&reason)) return fail(reason);
  return archive;
}

std::unique_ptr<FaceArchive> FaceArchive::FromBytes(std::string bytes, std::string* error) {
  std::unique_ptr<FaceArchive> archive(new FaceArchive());
  archive->fileSize_ = bytes.size();
  archive->memory_ = std::move(bytes);
  archive->inMemory_ = true;
  std::string reason;
  if (!archive->ReadTables(&reason)) {
    if (error) *error = reason;
    return nullptr;
  }
  return archive;
}

bool FaceArchive::ReadTables(std::string* reason) {
  char header[kHeaderBytes];
  if (!ReadAt(0, header, kHeaderBytes)) {
    *reason = "shorter than the 32-byte face archive header (" + std::to_string(fileSize_) + " bytes)";
    return false;
  }
  const int32_t entryCount = Long(header + 4);
  const int32_t entryTableOffset = Long(header + 8);
  const int32_t sizeCount = Long(header + 12);
  const int32_t sizeTableOffset = Long(header + 16);
  if (entryCount < 1 || sizeCount < 1) {
    *reason = "the header claims " + std::to_string(entryCount) + " entries and " +
              std::to_string(sizeCount) + " sizes; both must be at least 1";
    return false;
  }
  if (!TableFits(entryCount, entryTableOffset, kEntryRowBytes, fileSize_)) {
    *reason = "the entry table (" + std::to_string(entryCount) + " rows at offset " +
              std::to_string(entryTableOffset) + ") does not fit in the file's " + std::to_string(fileSize_) +
              " bytes";
    return false;
  }
  if (!TableFits(sizeCount, sizeTableOffset, kSizeRowBytes, fileSize_)) {
    *reason = "the size table (" + std::to_string(sizeCount) + " rows at offset " +
              std::to_string(sizeTableOffset) + ") does not fit in the file's " + std::to_string(fileSize_) +
              " bytes";
    return false;
  }

  // Both tables fit in the file, so neither allocation can exceed the file's size.
  std::string rows(static_cast<std::size_t>(entryCount) * kEntryRowBytes, '\0');
  if (!ReadAt(static_cast<uint64_t>(entryTableOffset), rows.data(), rows.size())) {
    *reason = "cannot read the entry table";
    return false;
  }
  imageOffsets_.resize(static_cast<std::size_t>(entryCount));
  for (std::size_t i = 0; i < imageOffsets_.size(); ++i)
    imageOffsets_[i] = static_cast<uint32_t>(Long(rows.data() + i * kEntryRowBytes));

  rows.assign(static_cast<std::size_t>(sizeCount) * kSizeRowBytes, '\0');
  if (!ReadAt(static_cast<uint64_t>(sizeTableOffset), rows.data(), rows.size())) {
    *reason = "cannot read the size table";
    return false;
  }
  sizes_.resize(static_cast<std::size_t>(sizeCount));
  for (std::size_t i = 0; i < sizes_.size(); ++i) {
    const char* row = rows.data() + i * kSizeRowBytes;
    sizes_[i] = FaceSize{Integer(row + 4), Integer(row + 6)};
  }
  return true;
}

std::optional<FaceImage> FaceArchive::ReadFace(int32_t index) {
  if (index < 0 || index >= SizeCount() || index >= EntryCount()) return std::nullopt;
  const FaceSize size = sizes_[static_cast<std::size_t>(index)];
  const std::optional<int> side = TextureSide(size.Width);
  if (!side || size.Height < 1 || size.Height > *side) return std::nullopt;

  // The stored offset is a signed Long: a negative one names no record.
  const int32_t imageOffset = static_cast<int32_t>(imageOffsets_[static_cast<std::size_t>(index)]);
  if (imageOffset < 0) return std::nullopt;

  // Only the first Height rows of the S x S block are shown; those must be in the file. The
  // padding rows below them are not needed, so a record whose padding was cut still shows.
  const std::size_t rowBytes = static_cast<std::size_t>(*side) * kPixelBytes;
  std::vector<char> block(rowBytes * static_cast<std::size_t>(size.Height));
  if (!ReadAt(static_cast<uint64_t>(imageOffset) + kImageHeaderBytes, block.data(), block.size()))
    return std::nullopt;

  FaceImage face;
  face.Width = size.Width;
  face.Height = size.Height;
  face.Rgb.resize(static_cast<std::size_t>(face.Width) * face.Height * 3);
  uint8_t* out = face.Rgb.data();
  for (int y = 0; y < face.Height; ++y) {  // first stored row is the top row
    const char* pixel = block.data() + static_cast<std::size_t>(y) * rowBytes;
    for (int x = 0; x < face.Width; ++x, pixel += kPixelBytes) {
      *out++ = static_cast<uint8_t>(pixel[2]);  // red
      *out++ = static_cast<uint8_t>(pixel[1]);  // green
      *out++ = static_cast<uint8_t>(pixel[0]);  // blue
    }
  }
  return face;
}

}  // namespace tavlor
