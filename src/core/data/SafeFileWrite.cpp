// Temporary file, flush, backup, rename: a crash or a full disk at any moment leaves either the old
// file or the new one, never a mixture.
#include "core/data/SafeFileWrite.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavlor {
namespace fs = std::filesystem;
namespace {

std::string SystemReason(int code) {
  return code != 0 ? std::generic_category().message(code) : std::string("unknown error");
}

#ifdef _WIN32
int OpenNewFile(const fs::path& path, int /*mode*/) {
  return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* data, std::size_t size) {
  return ::_write(fd, data, static_cast<unsigned>(size > 1u << 30 ? 1u << 30 : size));
}
int SyncFile(int fd) {
  return ::_commit(fd);
}
int CloseFile(int fd) {
  return ::_close(fd);
}
void SyncFolder(const fs::path&) {}
#else
int OpenNewFile(const fs::path& path, int mode) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  // The new file gets the old one's permissions, so replacing it changes nothing but the bytes.
  if (fd >= 0) ::fchmod(fd, static_cast<mode_t>(mode));
  return fd;
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}
int SyncFile(int fd) {
  return ::fsync(fd);
}
int CloseFile(int fd) {
  return ::close(fd);
}
// The rename itself is made durable by flushing the folder; failure here loses nothing.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

struct TempFile {
  fs::path Path;
  int Descriptor = -1;
};

// "<name>.tmp-XXXX" with four random hex digits, created exclusively so that two savers never
// share one.
TempFile CreateTempBeside(const fs::path& target, int mode, int& error) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 64; ++attempt) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%04x", static_cast<unsigned>(random() & 0xffffu));
    fs::path candidate = target;
    candidate += ".tmp-";
    candidate += suffix;
    errno = 0;
    const int fd = OpenNewFile(candidate, mode);
    if (fd >= 0) return {candidate, fd};
    error = errno;
    if (error != EEXIST) break;
  }
  return {};
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    errno = 0;
    const auto written = WriteSome(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = errno != 0 ? errno : EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
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

FileError ReplaceFileSafely(const fs::path& requested, std::string_view bytes) {
  std::error_code code;
  // A link is followed so that the file it names is replaced, not the link.
  fs::path target = requested;
  if (fs::is_symlink(requested, code)) {
    const fs::path resolved = fs::canonical(requested, code);
    if (!code) target = resolved;
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  int mode = 0644;
  const fs::file_status status = fs::status(target, code);
  const bool targetExists = fs::exists(status);
  if (targetExists) {
    if (!fs::is_regular_file(status)) return {FileError::Kind::CannotWrite, requested, "not a regular file"};
    if (!HasAnyWritePermission(status.permissions()))
      return {FileError::Kind::CannotWrite, requested, "the file is read-only"};
    mode = static_cast<int>(status.permissions() & fs::perms::all);
  }

  int error = 0;
  TempFile temp = CreateTempBeside(target, mode, error);
  if (temp.Descriptor < 0) {
    fs::path shown = target;
    shown += ".tmp-XXXX";
    return {FileError::Kind::CannotOpen, shown, SystemReason(error)};
  }
  const auto discardTemp = [&temp](FileError failure) {
    if (temp.Descriptor >= 0) CloseFile(temp.Descriptor);
    std::error_code ignored;
    fs::remove(temp.Path, ignored);
    return failure;
  };

  if (!WriteAll(temp.Descriptor, bytes, error))
    return discardTemp({FileError::Kind::CannotWrite, temp.Path, SystemReason(error)});
  errno = 0;
  if (SyncFile(temp.Descriptor) != 0)
    return discardTemp({FileError::Kind::CannotWrite, temp.Path, SystemReason(errno)});
  const int closeResult = CloseFile(temp.Descriptor);
  temp.Descriptor = -1;
  if (closeResult != 0) return discardTemp({FileError::Kind::CannotWrite, temp.Path, SystemReason(errno)});

  if (targetExists) {
    const fs::path backup = BackupPathOf(target);
    fs::copy_file(target, backup, fs::copy_options::overwrite_existing, code);
    if (code) return discardTemp({FileError::Kind::CannotWrite, backup, code.message()});
  }

  fs::rename(temp.Path, target, code);
  if (code) return discardTemp({FileError::Kind::CannotReplace, requested, code.message()});
  SyncFolder(folder);
  return {};
}

}  // namespace tavlor
