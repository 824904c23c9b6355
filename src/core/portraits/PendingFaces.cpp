#include "core/portraits/PendingFaces.h"

#include <system_error>
#include <vector>

#include "core/data/ByteOrder.h"
#include "core/data/PathText.h"
#include "core/portraits/FaceArchiveWriter.h"

namespace tavlor {
namespace {

// FNV-1a: the digest only tells one table from another, it guards against no adversary.
void Digest(uint64_t& hash, const char* bytes, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    hash ^= static_cast<uint8_t>(bytes[i]);
    hash *= 1099511628211ull;
  }
}

}  // namespace

int SizeSlot(FaceArchiveSize size) {
  switch (size) {
    case FaceArchiveSize::Large:
      return 0;
    case FaceArchiveSize::Medium:
      return 1;
    case FaceArchiveSize::Small:
      break;
  }
  return 2;
}

std::optional<ArchiveStamp> ReadArchiveStamp(const std::filesystem::path& archive, std::string* error) {
  std::error_code code;
  ArchiveStamp stamp;
  stamp.Size = std::filesystem::file_size(archive, code);
  if (code) {
    *error = TextOfPath(archive) + ": cannot read its size: " + code.message();
    return std::nullopt;
  }
  uint8_t header[32];
  if (!ReadArchiveBytes(archive, 0, reinterpret_cast<char*>(header), sizeof header)) {
    *error = TextOfPath(archive) + ": cannot read its header";
    return std::nullopt;
  }
  stamp.TablesDigest = 14695981039346656037ull;
  Digest(stamp.TablesDigest, reinterpret_cast<const char*>(header), sizeof header);
  const int64_t entryCount = ReadLong(header + 4), entryOffset = ReadLong(header + 8);
  const int64_t sizeCount = ReadLong(header + 12), sizeOffset = ReadLong(header + 16);
  const auto table = [&](int64_t count, int64_t offset, int64_t rowBytes) {
    const int64_t size = static_cast<int64_t>(stamp.Size);
    if (count < 0 || offset < 0 || count > size / rowBytes || offset > size - count * rowBytes) return false;
    std::vector<char> bytes(static_cast<std::size_t>(count * rowBytes));
    if (!bytes.empty() &&
        !ReadArchiveBytes(archive, static_cast<uint64_t>(offset), bytes.data(), bytes.size()))
      return false;
    Digest(stamp.TablesDigest, bytes.data(), bytes.size());
    return true;
  };
  if (!table(entryCount, entryOffset, 8) || !table(sizeCount, sizeOffset, 12)) {
    *error = TextOfPath(archive) + ": its tables lie outside the file";
    return std::nullopt;
  }
  return stamp;
}

const FacePictures* PendingFaces::Find(FaceKey key) const {
  const auto found = faces_.find(key);
  return found == faces_.end() ? nullptr : &found->second;
}

const FaceImage* PendingFaces::Find(FaceKey key, FaceArchiveSize size) const {
  const FacePictures* pictures = Find(key);
  return pictures ? &(*pictures)[static_cast<std::size_t>(SizeSlot(size))] : nullptr;
}

}  // namespace tavlor
