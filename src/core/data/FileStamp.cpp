// Stamping a file's content: streamed in blocks, so a file of any size costs no more memory than
// one block.
#include "core/data/FileStamp.h"

#include <array>
#include <fstream>
#include <system_error>

namespace tavlor {
namespace {

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

std::uint64_t AddToHash(std::uint64_t hash, std::string_view bytes) {
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= kFnvPrime;
  }
  return hash;
}

FileStamp Unreadable() {
  FileStamp stamp;
  stamp.Readable = false;
  return stamp;
}

}  // namespace

FileStamp StampOfBytes(std::string_view bytes) {
  return FileStamp{true, bytes.size(), AddToHash(kFnvOffset, bytes)};
}

FileStamp StampOfFile(const std::filesystem::path& file) {
  std::error_code code;
  const auto status = std::filesystem::status(file, code);
  if (status.type() == std::filesystem::file_type::not_found) return StampOfBytes({});
  if (code || !std::filesystem::is_regular_file(status)) return Unreadable();
  std::ifstream in(file, std::ios::binary);
  if (!in) return Unreadable();
  FileStamp stamp = StampOfBytes({});
  std::array<char, 64 * 1024> block;
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    stamp.Size += got;
    stamp.ContentHash = AddToHash(stamp.ContentHash, std::string_view(block.data(), got));
  }
  if (in.bad()) return Unreadable();
  return stamp;
}

bool FileDiffersFrom(const std::filesystem::path& file, const FileStamp& known) {
  std::error_code code;
  const auto size = std::filesystem::file_size(file, code);
  if (!code && known.Readable && size != known.Size) return true;
  return StampOfFile(file) != known;
}

void DiskChangeWatch::Know(const FileStamp& stamp) {
  known_ = stamp;
  knows_ = true;
  announced_ = false;
}

void DiskChangeWatch::Forget() {
  knows_ = false;
  announced_ = false;
}

bool DiskChangeWatch::ChangedOnDisk(const std::filesystem::path& file) const {
  return knows_ && FileDiffersFrom(file, known_);
}

bool DiskChangeWatch::ShouldAnnounce(const std::filesystem::path& file) {
  if (announced_ || !ChangedOnDisk(file)) return false;
  announced_ = true;
  return true;
}

}  // namespace tavlor
