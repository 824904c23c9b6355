// The system calls that replacing a file makes, behind one small interface. The program uses the
// system's own; a test puts its own calls in front of them to make any one fail, write short or end
// the process at a chosen moment, so every failure path of a save is tested without root's rights
// or tricks with permissions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace tavlor {

class FileCalls {
 public:
  using Handle = int;

  virtual ~FileCalls() = default;

  // Creates `path` for writing; fails when it already exists.
  virtual std::error_code CreateNew(const std::filesystem::path& path, std::filesystem::perms permissions,
                                    Handle& handle) = 0;
  virtual std::error_code OpenForReading(const std::filesystem::path& path, Handle& handle) = 0;
  // Writes up to `size` bytes and says how many it wrote: fewer than asked is a short write.
  virtual std::error_code Write(Handle handle, const char* data, std::size_t size, std::size_t& written) = 0;
  // Reads up to `size` bytes; 0 read means the end of the file.
  virtual std::error_code Read(Handle handle, char* data, std::size_t size, std::size_t& read) = 0;
  // Flushes the file's bytes to the disk.
  virtual std::error_code Sync(Handle handle) = 0;
  virtual std::error_code Close(Handle handle) = 0;
  // Replaces `to` by `from` in one step.
  virtual std::error_code Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual std::error_code Remove(const std::filesystem::path& path) = 0;
  // Gives the existing file `existing` a second name `newName` (a hard link); fails when `newName`
  // exists.
  virtual std::error_code Link(const std::filesystem::path& existing,
                               const std::filesystem::path& newName) = 0;
  // Opens an existing file for reading and writing in place; never creates one.
  virtual std::error_code OpenForUpdate(const std::filesystem::path& path, Handle& handle) = 0;
  // Moves the handle's position to `offset` bytes from the start, for the next Read or Write.
  virtual std::error_code Seek(Handle handle, uint64_t offset) = 0;
  // Makes the folder's entries (a rename in it) durable.
  virtual std::error_code SyncFolder(const std::filesystem::path& folder) = 0;
};

// The operating system's calls.
FileCalls& SystemFileCalls();

// The calls that saving uses: the system's, unless a ScopedFileCalls is alive.
FileCalls& CurrentFileCalls();

// Puts other calls in front of the system's for its lifetime (tests only; one thread).
class ScopedFileCalls {
 public:
  explicit ScopedFileCalls(FileCalls& calls);
  ~ScopedFileCalls();
  ScopedFileCalls(const ScopedFileCalls&) = delete;
  ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

 private:
  FileCalls* previous_;
};

}  // namespace tavlor
