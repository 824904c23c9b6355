// Keeping the edit-data file as it was before the session: the first save of a run writes the file
// as this run first read it to "<name>.bak", and later saves of the run leave that backup alone
// instead of replacing it with an already edited version.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/SafeFileWrite.h"

namespace tavlor {

class OriginalFileKeeper {
 public:
  // Files up to this size are kept in memory; a larger one (no edit-data file is) is backed up
  // from the disk as it is at the first save.
  static constexpr std::size_t kLargestKeptFile = 4 * 1024 * 1024;

  // A load read `bytes` (nothing when they were not kept: the file was too large). Only the
  // first successful load of the run counts.
  void Loaded(std::optional<std::string_view> bytes);
  // The backup to ask for in the next save: the original for the first save of the run (nothing
  // to keep when the file was empty or missing, so an older backup is not emptied), then leave
  // the backup alone.
  BackupPolicy PolicyForNextSave() const;
  // A save succeeded: its backup, if any, is the run's.
  void Saved();

  bool BackupKept() const { return backupKept_; }

 private:
  bool loaded_ = false;
  std::optional<std::string> original_;
  bool backupKept_ = false;
};

// The whole file when it is at most kLargestKeptFile bytes (a missing file reads as empty);
// nothing when it is larger or cannot be read.
std::optional<std::string> ReadFileToKeep(const std::filesystem::path& file);

}  // namespace tavlor
