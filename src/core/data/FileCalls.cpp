// The operating system's file calls, each turning its failure into an error code at once (before
// anything else can change errno).
#include "core/data/FileCalls.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavlor {
namespace fs = std::filesystem;
namespace {

std::error_code LastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

#ifdef _WIN32
// The Windows errors a save meets, as the portable codes the messages are made from; a file the
// game holds open is "busy".
std::error_code WindowsError(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
      return std::make_error_code(std::errc::permission_denied);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return std::make_error_code(std::errc::device_or_resource_busy);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return std::make_error_code(std::errc::file_exists);
    case ERROR_NOT_SAME_DEVICE:
      return std::make_error_code(std::errc::cross_device_link);
    case ERROR_WRITE_PROTECT:
      return std::make_error_code(std::errc::read_only_file_system);
    default:
      return std::error_code(static_cast<int>(code), std::system_category());
  }
}
#endif

class SystemCalls final : public FileCalls {
 public:
#ifdef _WIN32
  std::error_code CreateNew(const fs::path& path, fs::perms, Handle& handle) override {
    errno = 0;
    handle = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    return handle < 0 ? LastError() : std::error_code();
  }
  std::error_code OpenForReading(const fs::path& path, Handle& handle) override {
    errno = 0;
    handle = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY);
    return handle < 0 ? LastError() : std::error_code();
  }
  std::error_code Write(Handle handle, const char* data, std::size_t size, std::size_t& written) override {
    errno = 0;
    const int result = ::_write(handle, data, static_cast<unsigned>(size > 1u << 30 ? 1u << 30 : size));
    written = result > 0 ? static_cast<std::size_t>(result) : 0;
    return result < 0 ? LastError() : std::error_code();
  }
  std::error_code Read(Handle handle, char* data, std::size_t size, std::size_t& read) override {
    errno = 0;
    const int result = ::_read(handle, data, static_cast<unsigned>(size > 1u << 30 ? 1u << 30 : size));
    read = result > 0 ? static_cast<std::size_t>(result) : 0;
    return result < 0 ? LastError() : std::error_code();
  }
  std::error_code Sync(Handle handle) override {
    errno = 0;
    return ::_commit(handle) != 0 ? LastError() : std::error_code();
  }
  std::error_code Close(Handle handle) override {
    errno = 0;
    return ::_close(handle) != 0 ? LastError() : std::error_code();
  }
  std::error_code OpenForUpdate(const fs::path& path, Handle& handle) override {
    errno = 0;
    handle = ::_wopen(path.c_str(), _O_RDWR | _O_BINARY);
    return handle < 0 ? LastError() : std::error_code();
  }
  std::error_code Seek(Handle handle, uint64_t offset) override {
    errno = 0;
    return ::_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) < 0 ? LastError() : std::error_code();
  }
  // Windows makes a rename durable by itself; its folders cannot be flushed.
  std::error_code SyncFolder(const fs::path&) override {
    return {};
  }
  // The C runtime's rename refuses an existing target; MoveFileExW replaces it in one step and,
  // with write-through, returns only once the move is on the disk.
  std::error_code Rename(const fs::path& from, const fs::path& to) override {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return {};
    return WindowsError(::GetLastError());
  }
#else
  std::error_code CreateNew(const fs::path& path, fs::perms permissions, Handle& handle) override {
    errno = 0;
    handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (handle < 0) return LastError();
    // The permissions are set after creating, so that the umask cannot narrow them.
    ::fchmod(handle, static_cast<mode_t>(permissions & fs::perms::all));
    return {};
  }
  std::error_code OpenForReading(const fs::path& path, Handle& handle) override {
    errno = 0;
    handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return handle < 0 ? LastError() : std::error_code();
  }
  std::error_code Write(Handle handle, const char* data, std::size_t size, std::size_t& written) override {
    for (;;) {
      errno = 0;
      const ssize_t result = ::write(handle, data, size);
      if (result < 0 && errno == EINTR) continue;
      written = result > 0 ? static_cast<std::size_t>(result) : 0;
      return result < 0 ? LastError() : std::error_code();
    }
  }
  std::error_code Read(Handle handle, char* data, std::size_t size, std::size_t& read) override {
    for (;;) {
      errno = 0;
      const ssize_t result = ::read(handle, data, size);
      if (result < 0 && errno == EINTR) continue;
      read = result > 0 ? static_cast<std::size_t>(result) : 0;
      return result < 0 ? LastError() : std::error_code();
    }
  }
  std::error_code Sync(Handle handle) override {
    errno = 0;
    return ::fsync(handle) != 0 ? LastError() : std::error_code();
  }
  std::error_code Close(Handle handle) override {
    errno = 0;
    // A close interrupted by a signal has still released the descriptor; it must not be retried.
    return ::close(handle) != 0 && errno != EINTR ? LastError() : std::error_code();
  }
  std::error_code OpenForUpdate(const fs::path& path, Handle& handle) override {
    errno = 0;
    handle = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    return handle < 0 ? LastError() : std::error_code();
  }
  std::error_code Seek(Handle handle, uint64_t offset) override {
    errno = 0;
    return ::lseek(handle, static_cast<off_t>(offset), SEEK_SET) < 0 ? LastError() : std::error_code();
  }
  std::error_code SyncFolder(const fs::path& folder) override {
    errno = 0;
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return LastError();
    errno = 0;
    std::error_code error;
    // Some file systems cannot flush a folder; that says nothing about the rename.
    if (::fsync(handle) != 0 && errno != EINVAL && errno != ENOTSUP) error = LastError();
    ::close(handle);
    return error;
  }
  std::error_code Rename(const fs::path& from, const fs::path& to) override {
    std::error_code error;
    fs::rename(from, to, error);
    return error;
  }
#endif
  std::error_code Remove(const fs::path& path) override {
    std::error_code error;
    fs::remove(path, error);
    return error;
  }
  std::error_code Link(const fs::path& existing, const fs::path& newName) override {
#ifdef _WIN32
    // A second name of a file that another program (the game) holds open without delete sharing
    // could be neither renamed nor removed until that program lets go: a save would leave it
    // behind. Such a file is treated as one that cannot be linked, so its bytes are copied.
    const HANDLE probe =
        CreateFileW(existing.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_SHARING_VIOLATION)
        return std::make_error_code(std::errc::operation_not_supported);
    } else {
      CloseHandle(probe);
    }
#endif
    std::error_code error;
    fs::create_hard_link(existing, newName, error);
    return error;
  }
};

FileCalls*& OverridingCalls() {
  static FileCalls* calls = nullptr;
  return calls;
}

}  // namespace

FileCalls& SystemFileCalls() {
  static SystemCalls calls;
  return calls;
}

FileCalls& CurrentFileCalls() {
  FileCalls* calls = OverridingCalls();
  return calls != nullptr ? *calls : SystemFileCalls();
}

ScopedFileCalls::ScopedFileCalls(FileCalls& calls) : previous_(OverridingCalls()) {
  OverridingCalls() = &calls;
}

ScopedFileCalls::~ScopedFileCalls() {
  OverridingCalls() = previous_;
}

}  // namespace tavlor
