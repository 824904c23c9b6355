// The run's original file and which backup each save asks for.
#include "core/data/OriginalBackup.h"

#include <fstream>
#include <system_error>

namespace tavlor {

void OriginalFileKeeper::Loaded(std::optional<std::string_view> bytes) {
  if (loaded_) return;
  loaded_ = true;
  if (bytes) original_ = std::string(*bytes);
}

BackupPolicy OriginalFileKeeper::PolicyForNextSave() const {
  if (backupKept_) return BackupPolicy::LeaveAlone();
  if (!original_) return BackupPolicy::KeepCurrentFile();
  if (original_->empty()) return BackupPolicy::LeaveAlone();
  return BackupPolicy::KeepTheseBytes(*original_);
}

void OriginalFileKeeper::Saved() {
  backupKept_ = true;
}

std::optional<std::string> ReadFileToKeep(const std::filesystem::path& file) {
  std::error_code code;
  const auto status = std::filesystem::status(file, code);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  if (code || !std::filesystem::is_regular_file(status)) return std::nullopt;
  const auto size = std::filesystem::file_size(file, code);
  if (code || size > OriginalFileKeeper::kLargestKeptFile) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte more than the size said: a file that grew meanwhile is seen whole or not kept.
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > size) return std::nullopt;
  return bytes;
}

}  // namespace tavlor
