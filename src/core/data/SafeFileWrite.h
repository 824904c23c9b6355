// Replacing a file without ever leaving it half-written: the bytes go to a temporary file in the
// same folder, are flushed to the disk, the previous file is kept as "<name>.bak", and the
// temporary file is renamed over the target.
#pragma once

#include <filesystem>
#include <string_view>

#include "core/data/EditData.h"

namespace tavlor {

// Writes `bytes` as the whole new content of `target`. On any error the target is left as it was,
// the temporary file is removed, and the error names the path and the system's reason. A target
// without any write permission is treated as read-only and not replaced.
FileError ReplaceFileSafely(const std::filesystem::path& target, std::string_view bytes);

// "<name>.bak" beside the file: where the previous content is kept.
std::filesystem::path BackupPathOf(const std::filesystem::path& target);

}  // namespace tavlor
