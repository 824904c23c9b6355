// What a file held when the program last read or wrote it, so that a write by another program
// (the game, another editor) is noticed before the program writes over it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace tavlor {

// The content of a file, by size and a 64-bit FNV-1a hash of its bytes. A missing file counts as
// an empty one (loading creates a missing edit-data file empty), and a file that cannot be read
// matches nothing.
struct FileStamp {
  bool Readable = true;
  std::uint64_t Size = 0;
  std::uint64_t ContentHash = 0;

  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOfBytes(std::string_view bytes);
FileStamp StampOfFile(const std::filesystem::path& file);

// Whether `file` now holds something else than `known`. A different size answers without
// reading the file.
bool FileDiffersFrom(const std::filesystem::path& file, const FileStamp& known);

// Noticing that another program wrote the edit-data file while it is open here: what the program
// knows the file holds, and whether the change was already announced (it is announced once,
// until the program reads or writes the file again).
class DiskChangeWatch {
 public:
  // After a load or a save: the file holds `stamp`; a later change will be announced again.
  void Know(const FileStamp& stamp);
  void Forget();  // no file known (nothing loaded)
  bool Knows() const { return knows_; }
  const FileStamp& Known() const { return known_; }

  // Whether the file differs from what the program knows (false when nothing is known).
  bool ChangedOnDisk(const std::filesystem::path& file) const;
  // For a watcher's signal: true the first time the file is found changed since Know.
  bool ShouldAnnounce(const std::filesystem::path& file);

 private:
  FileStamp known_;
  bool knows_ = false;
  bool announced_ = false;
};

}  // namespace tavlor
