// Replacing a file without ever leaving it half-written: the bytes go to a temporary file in the
// same folder, are flushed to the disk, the backup "<name>.bak" is written as the caller asks, and
// the temporary file is renamed over the target.
#pragma once

#include <filesystem>
#include <string_view>

#include "core/data/FileError.h"

namespace tavlor {

// What becomes of "<name>.bak" when a file is replaced. Whichever is asked, a backup is written
// the same way as the file itself (temporary file, flush, rename over the old backup), so a failed
// or interrupted backup never leaves a partial ".bak" and never destroys the previous one.
struct BackupPolicy {
  enum class Kind { KeepCurrentFile, KeepTheseBytes, LeaveAlone };
  Kind What = Kind::KeepCurrentFile;
  std::string_view Bytes;  // KeepTheseBytes: the backup's content; must live through the call

  // The file as it is on the disk right now becomes the backup (none when there is no file yet).
  static BackupPolicy KeepCurrentFile() { return {}; }
  // `bytes` become the backup, e.g. the file as it was loaded.
  static BackupPolicy KeepTheseBytes(std::string_view bytes) { return {Kind::KeepTheseBytes, bytes}; }
  // The backup stays as it is (or absent).
  static BackupPolicy LeaveAlone() { return {Kind::LeaveAlone, {}}; }
};

// Writes `bytes` as the whole new content of `target`, keeping the backup the policy names. On any
// error before the rename the target and the backup are left as they were; on an error after it
// (flushing the folder) the target holds the new bytes and the error says so. No temporary file is
// left behind, and the error names the step's file and the system's reason. A target without any
// write permission is treated as read-only and not replaced. The file calls are CurrentFileCalls().
FileError ReplaceFileSafely(const std::filesystem::path& target, std::string_view bytes,
                            const BackupPolicy& backup = BackupPolicy::KeepCurrentFile());

// "<name>.bak" beside the file: where the previous content is kept.
std::filesystem::path BackupPathOf(const std::filesystem::path& target);

}  // namespace tavlor
