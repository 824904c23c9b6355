// Temporary file, flush, backup, rename, flush the folder: a crash or a full disk at any moment
// leaves either the old file or the new one, never a mixture, and a backup that is whole.
#include "core/data/SafeFileWrite.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "core/data/FileCalls.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

// Writes and reads go in pieces of this size, so no single call has to move the whole file.
constexpr std::size_t kPieceSize = 64 * 1024;

std::string ReasonOf(const std::error_code& error) {
  return error ? error.message() : std::string("unknown error");
}

// A file being written: removed again (after closing) unless it was handed over by a rename.
class TemporaryFile {
 public:
  explicit TemporaryFile(FileCalls& calls) : calls_(calls) {}
  ~TemporaryFile() {
    CloseQuietly();
    if (!path_.empty()) calls_.Remove(path_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // "<name>.tmp-XXXX" beside `final`, with four random hex digits, created exclusively so that two
  // savers never share one.
  std::error_code Create(const fs::path& final, fs::perms permissions) {
    std::random_device seed;
    std::mt19937 random(seed());
    std::error_code error;
    for (int attempt = 0; attempt < 64; ++attempt) {
      const fs::path candidate = CandidateName(final, random);
      error = calls_.CreateNew(candidate, permissions, handle_);
      if (!error) {
        path_ = candidate;
        return {};
      }
      handle_ = -1;
      if (error != std::errc::file_exists) break;
    }
    return error;
  }

  // Gives `source` a second name "<name>.tmp-XXXX" beside `final` (a hard link), to be renamed over
  // `final` like a written file.
  std::error_code LinkTo(const fs::path& source, const fs::path& final) {
    std::random_device seed;
    std::mt19937 random(seed());
    std::error_code error;
    for (int attempt = 0; attempt < 64; ++attempt) {
      const fs::path candidate = CandidateName(final, random);
      error = calls_.Link(source, candidate);
      if (!error) {
        path_ = candidate;
        return {};
      }
      if (error != std::errc::file_exists) break;
    }
    return error;
  }

  // Writes every byte, going on after a short write; a write that moves nothing is an error.
  std::error_code WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      std::size_t written = 0;
      const std::error_code error =
          calls_.Write(handle_, bytes.data(), std::min(bytes.size(), kPieceSize), written);
      if (error) return error;
      if (written == 0) return std::make_error_code(std::errc::io_error);
      bytes.remove_prefix(std::min(written, bytes.size()));
    }
    return {};
  }

  std::error_code Sync() { return calls_.Sync(handle_); }

  std::error_code Close() {
    const FileCalls::Handle handle = handle_;
    handle_ = -1;
    return calls_.Close(handle);
  }

  // Renames the file over `final`; from then on it is no longer removed.
  std::error_code RenameOver(const fs::path& final) {
    const std::error_code error = calls_.Rename(path_, final);
    if (!error) path_.clear();
    return error;
  }

  const fs::path& Path() const { return path_; }

 private:
  static fs::path CandidateName(const fs::path& final, std::mt19937& random) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%04x", static_cast<unsigned>(random() & 0xffffu));
    fs::path candidate = final;
    candidate += ".tmp-";
    candidate += suffix;
    return candidate;
  }

  void CloseQuietly() {
    if (handle_ >= 0) calls_.Close(handle_);
    handle_ = -1;
  }

  FileCalls& calls_;
  fs::path path_;
  FileCalls::Handle handle_ = -1;
};

// What goes into a temporary file: given bytes, or the current content of another file, copied
// piece by piece so that even a huge file needs no more memory than one piece.
struct Content {
  std::string_view Bytes;
  const fs::path* CopyOf = nullptr;
};

FileError CopyInto(TemporaryFile& temporary, FileCalls& calls, const fs::path& source) {
  FileCalls::Handle handle = -1;
  if (const std::error_code error = calls.OpenForReading(source, handle))
    return {FileError::Kind::CannotRead, source, ReasonOf(error)};
  const auto piece = std::make_unique<char[]>(kPieceSize);
  FileError failure;
  for (;;) {
    std::size_t read = 0;
    if (const std::error_code error = calls.Read(handle, piece.get(), kPieceSize, read)) {
      failure = {FileError::Kind::CannotRead, source, ReasonOf(error)};
      break;
    }
    if (read == 0) break;
    if (const std::error_code error = temporary.WriteAll({piece.get(), std::min(read, kPieceSize)})) {
      failure = {FileError::Kind::CannotWrite, temporary.Path(), ReasonOf(error)};
      break;
    }
  }
  const std::error_code closing = calls.Close(handle);
  if (!failure && closing) failure = {FileError::Kind::CannotRead, source, ReasonOf(closing)};
  return failure;
}

// Writes the content to a temporary file beside `final`, flushed and closed: the first half of every
// replacement. The error names the file of the step that failed.
FileError WriteTemporary(TemporaryFile& temporary, FileCalls& calls, const fs::path& final,
                         fs::perms permissions, const Content& content) {
  if (const std::error_code error = temporary.Create(final, permissions)) {
    fs::path shown = final;
    shown += ".tmp-XXXX";
    return {FileError::Kind::CannotOpen, shown, ReasonOf(error)};
  }
  if (content.CopyOf != nullptr) {
    if (FileError error = CopyInto(temporary, calls, *content.CopyOf)) return error;
  } else if (const std::error_code error = temporary.WriteAll(content.Bytes)) {
    return {FileError::Kind::CannotWrite, temporary.Path(), ReasonOf(error)};
  }
  if (const std::error_code error = temporary.Sync())
    return {FileError::Kind::CannotFlush, temporary.Path(), ReasonOf(error)};
  // Some systems report a delayed write error only when the file is closed.
  if (const std::error_code error = temporary.Close())
    return {FileError::Kind::CannotWrite, temporary.Path(), ReasonOf(error)};
  return {};
}

// Whether a failed link says only that this file system keeps no second names for a file.
bool LinksUnsupported(const std::error_code& error) {
  return error == std::errc::operation_not_permitted || error == std::errc::operation_not_supported ||
         error == std::errc::function_not_supported || error == std::errc::too_many_links ||
         error == std::errc::cross_device_link;
}

// Replaces the backup atomically and durably with the content. The current file is kept by giving
// it the backup's name as a second name: its bytes are neither copied nor flushed again, and they
// stay as they are, because the file is then replaced by a rename, never rewritten. Where the file
// system has no such names, the bytes are copied.
FileError WriteBackup(FileCalls& calls, const fs::path& backup, fs::perms permissions,
                      const Content& content) {
  if (content.CopyOf != nullptr) {
    TemporaryFile linked(calls);
    const std::error_code linking = linked.LinkTo(*content.CopyOf, backup);
    if (linking && !LinksUnsupported(linking)) {
      fs::path shown = backup;
      shown += ".tmp-XXXX";
      return {FileError::Kind::CannotWrite, shown, ReasonOf(linking)};
    }
    if (!linking) {
      const std::error_code renaming = linked.RenameOver(backup);
      if (!renaming) return {};
      // Windows refuses to rename any name of a file that a program (the game, or this one's
      // reader) holds open without delete sharing; the bytes are then copied as where there are
      // no second names. Any other refusal is reported.
      if (renaming != std::errc::device_or_resource_busy)
        return {FileError::Kind::CannotReplace, backup, ReasonOf(renaming)};
    }
  }
  TemporaryFile temporary(calls);
  if (FileError error = WriteTemporary(temporary, calls, backup, permissions, content)) return error;
  if (const std::error_code error = temporary.RenameOver(backup))
    return {FileError::Kind::CannotReplace, backup, ReasonOf(error)};
  // The folder is flushed once, after the file's own rename: both renames are in this folder, and a
  // journaling file system puts them on the disk in the order they were made, so the new file never
  // arrives without its backup. A flush between them would double the cost of every save.
  return {};
}

// Whether `file` holds exactly `bytes` right now. A look ahead only, outside the saving calls: any
// doubt (the file cannot be read) answers no, and the bytes are then written.
bool HoldsExactly(const fs::path& file, std::string_view bytes) {
  std::error_code error;
  if (fs::file_size(file, error) != bytes.size() || error) return false;
  std::ifstream in(file, std::ios::binary);
  const auto piece = std::make_unique<char[]>(kPieceSize);
  while (!bytes.empty()) {
    const std::size_t wanted = std::min(bytes.size(), kPieceSize);
    in.read(piece.get(), static_cast<std::streamsize>(wanted));
    if (static_cast<std::size_t>(in.gcount()) != wanted ||
        bytes.compare(0, wanted, {piece.get(), wanted}) != 0)
      return false;
    bytes.remove_prefix(wanted);
  }
  return true;
}

bool HasAnyWritePermission(fs::perms permissions) {
  return (permissions & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) !=
         fs::perms::none;
}

}  // namespace

fs::path BackupPathOf(const fs::path& target) {
  fs::path backup = target;
  backup += ".bak";
  return backup;
}

FileError ReplaceFileSafely(const fs::path& requested, std::string_view bytes, const BackupPolicy& backup) {
  FileCalls& calls = CurrentFileCalls();
  std::error_code code;
  // A link is followed so that the file it names is replaced, not the link.
  fs::path target = requested;
  if (fs::is_symlink(requested, code)) {
    const fs::path resolved = fs::canonical(requested, code);
    if (!code) target = resolved;
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  // The new file gets the old one's permissions, so replacing it changes nothing but the bytes.
  fs::perms permissions =
      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
  const fs::file_status status = fs::status(target, code);
  const bool targetExists = fs::exists(status);
  if (targetExists) {
    if (!fs::is_regular_file(status)) return {FileError::Kind::CannotWrite, requested, "not a regular file"};
    if (!HasAnyWritePermission(status.permissions()))
      return {FileError::Kind::CannotWrite, requested, "the file is read-only"};
    permissions = status.permissions() & fs::perms::all;
  }

  TemporaryFile temporary(calls);
  if (FileError error = WriteTemporary(temporary, calls, target, permissions, {bytes})) return error;

  const fs::path backupPath = BackupPathOf(target);
  if (backup.What == BackupPolicy::Kind::KeepTheseBytes) {
    // Bytes still on the disk as they were given (the file as the session loaded it, untouched
    // since) are kept as the file itself is: under a second name, without writing them again.
    const Content kept =
        targetExists && HoldsExactly(target, backup.Bytes) ? Content{{}, &target} : Content{backup.Bytes};
    if (FileError error = WriteBackup(calls, backupPath, permissions, kept)) return error;
  } else if (backup.What == BackupPolicy::Kind::KeepCurrentFile && targetExists) {
    if (FileError error = WriteBackup(calls, backupPath, permissions, {{}, &target})) return error;
  }

  if (const std::error_code error = temporary.RenameOver(target))
    return {FileError::Kind::CannotReplace, requested, ReasonOf(error)};
  if (const std::error_code error = calls.SyncFolder(folder)) {
    FileError failure{FileError::Kind::CannotFlush, folder, ReasonOf(error)};
    failure.NewContentInPlace = true;
    return failure;
  }
  return {};
}

}  // namespace tavlor
