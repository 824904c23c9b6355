#include "core/portraits/FaceArchiveWriter.h"

#include <system_error>

#include "core/data/FileCalls.h"
#include "core/data/PathText.h"
#include "core/data/SafeFileWrite.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

// A journal larger than this is not one this program wrote (one face's record is at most 256 KB).
constexpr uint64_t kLargestJournal = 64ull << 20;

std::string Describe(const fs::path& path, const std::string& what, const std::error_code& code) {
  return TextOfPath(path) + ": " + what + (code ? ": " + code.message() : std::string());
}

// Closes the handle when the scope ends, unless Close() was called (and checked) first.
class OpenFile {
 public:
  OpenFile(FileCalls& calls) : calls_(calls) {}
  ~OpenFile() {
    if (open_) calls_.Close(handle_);
  }
  std::error_code Close() {
    open_ = false;
    return calls_.Close(handle_);
  }
  FileCalls::Handle handle_ = -1;
  bool open_ = false;

 private:
  FileCalls& calls_;
};

std::error_code ReadFully(FileCalls& calls, FileCalls::Handle handle, char* out, std::size_t length) {
  while (length > 0) {
    std::size_t read = 0;
    if (std::error_code code = calls.Read(handle, out, length, read)) return code;
    if (read == 0) return std::make_error_code(std::errc::io_error);  // the file ended early
    out += read;
    length -= read;
  }
  return {};
}

std::error_code WriteFully(FileCalls& calls, FileCalls::Handle handle, const std::string& bytes) {
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    std::size_t written = 0;
    if (std::error_code code = calls.Write(handle, at, left, written)) return code;
    if (written == 0) return std::make_error_code(std::errc::no_space_on_device);
    at += written;
    left -= written;
  }
  return {};
}

// Writes every range's new bytes in place and flushes them.
bool WriteRanges(const fs::path& archive, const FacePatch& patch, std::string* error) {
  FileCalls& calls = CurrentFileCalls();
  OpenFile file(calls);
  if (std::error_code code = calls.OpenForUpdate(archive, file.handle_)) {
    *error = Describe(archive, "cannot open for writing", code);
    return false;
  }
  file.open_ = true;
  for (const ByteRange& range : patch.Ranges) {
    std::error_code code = calls.Seek(file.handle_, range.Offset);
    if (!code) code = WriteFully(calls, file.handle_, range.New);
    if (code) {
      *error = Describe(archive, "cannot write a face", code);
      return false;
    }
  }
  if (std::error_code code = calls.Sync(file.handle_)) {
    *error = Describe(archive, "cannot flush the faces to the disk", code);
    return false;
  }
  if (std::error_code code = file.Close()) {
    *error = Describe(archive, "cannot close", code);
    return false;
  }
  return true;
}

bool RemoveJournal(const fs::path& archive, std::string* error) {
  FileCalls& calls = CurrentFileCalls();
  const fs::path journal = FaceJournalPathOf(archive);
  std::error_code code = calls.Remove(journal);
  if (!code) code = calls.SyncFolder(journal.parent_path().empty() ? fs::path(".") : journal.parent_path());
  if (code) {
    *error = Describe(journal, "the faces are written but the journal cannot be removed", code);
    return false;
  }
  return true;
}

}  // namespace

fs::path FaceJournalPathOf(const fs::path& archive) {
  fs::path journal = archive;
  journal += ".journal";
  return journal;
}

bool ReadArchiveBytes(const fs::path& archive, uint64_t offset, char* out, std::size_t length) {
  FileCalls& calls = CurrentFileCalls();
  OpenFile file(calls);
  if (calls.OpenForReading(archive, file.handle_)) return false;
  file.open_ = true;
  return !calls.Seek(file.handle_, offset) && !ReadFully(calls, file.handle_, out, length);
}

bool WriteFacePatch(const fs::path& archive, const FacePatch& patch, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  std::error_code code;
  if (fs::exists(FaceJournalPathOf(archive), code)) {
    *error =
        Describe(FaceJournalPathOf(archive), "an unfinished face save is still waiting to be finished", {});
    return false;
  }
  const uint64_t size = fs::file_size(archive, code);
  if (code) {
    *error = Describe(archive, "cannot read its size", code);
    return false;
  }
  if (size != patch.SizeBefore) {
    *error = TextOfPath(archive) + ": the archive changed since it was read (" +
             std::to_string(patch.SizeBefore) + " bytes then, " + std::to_string(size) +
             " now); nothing was written";
    return false;
  }
  for (const ByteRange& range : patch.Ranges) {
    if (range.Old.size() != range.New.size()) continue;  // an appended record: nothing there yet
    std::string now(range.Old.size(), '\0');
    if (!ReadArchiveBytes(archive, range.Offset, now.data(), now.size()) || now != range.Old) {
      *error = TextOfPath(archive) + ": the archive changed since it was read (the bytes at " +
               std::to_string(range.Offset) + " differ); nothing was written";
      return false;
    }
  }

  const FileError journalError =
      ReplaceFileSafely(FaceJournalPathOf(archive), EncodeJournal(patch), BackupPolicy::LeaveAlone());
  if (journalError && !journalError.NewContentInPlace) {
    *error = DescribeFileError(journalError) + "; nothing was written";
    return false;
  }
  // From here the journal is whole on the disk: a failure leaves it to be rolled forward.
  if (!WriteRanges(archive, patch, error)) {
    *error +=
        "; the journal " + TextOfPath(FaceJournalPathOf(archive)) + " finishes the save at the next open";
    return false;
  }
  return RemoveJournal(archive, error);
}

bool RecoverFaceArchive(const fs::path& archive, std::string* done, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (done) done->clear();
  const fs::path journalPath = FaceJournalPathOf(archive);
  std::error_code code;
  if (!fs::exists(journalPath, code)) return true;

  const uint64_t journalSize = fs::file_size(journalPath, code);
  if (code || journalSize > kLargestJournal) {
    *error = Describe(journalPath, "is not a face journal this program wrote", code);
    return false;
  }
  std::string bytes(journalSize, '\0');
  if (!ReadArchiveBytes(journalPath, 0, bytes.data(), bytes.size())) {
    *error = Describe(journalPath, "cannot be read", {});
    return false;
  }
  std::string reason;
  const std::optional<FacePatch> patch = DecodeJournal(bytes, &reason);
  if (!patch) {
    *error = TextOfPath(journalPath) + ": " + reason + "; the archive was not touched";
    return false;
  }
  const uint64_t size = fs::file_size(archive, code);
  if (code || size < patch->SizeBefore || size > patch->SizeAfter) {
    *error = TextOfPath(archive) + ": its size is not one an unfinished face save can leave; " +
             TextOfPath(journalPath) + " was kept and the archive not touched";
    return false;
  }
  if (!WriteRanges(archive, *patch, error) || !RemoveJournal(archive, error)) return false;
  if (done) *done = TextOfPath(archive) + ": finished an unfinished face save";
  return true;
}

}  // namespace tavlor
