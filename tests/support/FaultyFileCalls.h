// File calls for tests of saving: every call goes to the system's, is logged with the file it
// concerns, and one chosen call can instead fail with an error, write short, or end the process
// (after writing part of its bytes), so that each step of a save can be made to fail in turn.
//
//   FaultyFileCalls calls;
//   calls.FailAt(3, std::errc::no_space_on_device);
//   tavlor::ScopedFileCalls use(calls);   // saving now goes through `calls`
//   SaveEditData(file, table);
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "core/data/FileCalls.h"

namespace tavlor::testing {

class FaultyFileCalls final : public FileCalls {
 public:
  enum class Call {
    CreateNew,
    OpenForReading,
    Write,
    Read,
    Sync,
    Close,
    Rename,
    Remove,
    SyncFolder,
    Link,
    OpenForUpdate,
    Seek
  };

  struct Logged {
    Call What;
    std::filesystem::path File;  // the file (or folder) the call concerns; for Rename and Link the new name
  };

  // Call number `index` (counted from 0 over every call) fails with `error` and does nothing.
  void FailAt(int index, std::errc error);
  // Write number `index` writes only `bytes` of what it was given and reports that (a short write).
  void WriteShortAt(int index, std::size_t bytes);
  // Call number `index` ends the process at once (_exit, nothing flushed or cleaned up); a write
  // first writes `bytes` of what it was given.
  void EndProcessAt(int index, std::size_t bytes = 0);

  const std::vector<Logged>& Log() const { return log_; }
  static const char* NameOf(Call call);

  std::error_code CreateNew(const std::filesystem::path& path, std::filesystem::perms permissions,
                            Handle& handle) override;
  std::error_code OpenForReading(const std::filesystem::path& path, Handle& handle) override;
  std::error_code Write(Handle handle, const char* data, std::size_t size, std::size_t& written) override;
  std::error_code Read(Handle handle, char* data, std::size_t size, std::size_t& read) override;
  std::error_code Sync(Handle handle) override;
  std::error_code Close(Handle handle) override;
  std::error_code Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  std::error_code Remove(const std::filesystem::path& path) override;
  std::error_code SyncFolder(const std::filesystem::path& folder) override;
  std::error_code OpenForUpdate(const std::filesystem::path& path, Handle& handle) override;
  std::error_code Seek(Handle handle, uint64_t offset) override;
  std::error_code Link(const std::filesystem::path& existing, const std::filesystem::path& newName) override;

 private:
  enum class Fault { None, Fail, ShortWrite, EndProcess };
  // Logs the call; returns the fault planned for it.
  Fault Enter(Call call, const std::filesystem::path& file);

  FileCalls& system_ = SystemFileCalls();
  std::vector<Logged> log_;
  std::map<Handle, std::filesystem::path> open_;
  int faultAt_ = -1;
  Fault fault_ = Fault::None;
  std::errc error_ = std::errc::io_error;
  std::size_t bytes_ = 0;
};

}  // namespace tavlor::testing
