#include "support/FaultyFileCalls.h"

#include <unistd.h>

#include <algorithm>

namespace tavlor::testing {

void FaultyFileCalls::FailAt(int index, std::errc error) {
  faultAt_ = index;
  fault_ = Fault::Fail;
  error_ = error;
}

void FaultyFileCalls::WriteShortAt(int index, std::size_t bytes) {
  faultAt_ = index;
  fault_ = Fault::ShortWrite;
  bytes_ = bytes;
}

void FaultyFileCalls::EndProcessAt(int index, std::size_t bytes) {
  faultAt_ = index;
  fault_ = Fault::EndProcess;
  bytes_ = bytes;
}

const char* FaultyFileCalls::NameOf(Call call) {
  switch (call) {
    case Call::CreateNew:
      return "create";
    case Call::OpenForReading:
      return "open for reading";
    case Call::Write:
      return "write";
    case Call::Read:
      return "read";
    case Call::Sync:
      return "fsync";
    case Call::Close:
      return "close";
    case Call::Rename:
      return "rename";
    case Call::Remove:
      return "remove";
    case Call::SyncFolder:
      return "fsync folder";
    case Call::Link:
      return "link";
    case Call::OpenForUpdate:
      return "open for update";
    case Call::Seek:
      return "seek";
  }
  return "?";
}

FaultyFileCalls::Fault FaultyFileCalls::Enter(Call call, const std::filesystem::path& file) {
  const int index = static_cast<int>(log_.size());
  log_.push_back({call, file});
  if (index != faultAt_) return Fault::None;
  if (fault_ == Fault::EndProcess && call != Call::Write) ::_exit(0);
  return fault_;
}

std::error_code FaultyFileCalls::CreateNew(const std::filesystem::path& path,
                                           std::filesystem::perms permissions, Handle& handle) {
  if (Enter(Call::CreateNew, path) == Fault::Fail) return std::make_error_code(error_);
  const std::error_code error = system_.CreateNew(path, permissions, handle);
  if (!error) open_[handle] = path;
  return error;
}

std::error_code FaultyFileCalls::OpenForReading(const std::filesystem::path& path, Handle& handle) {
  if (Enter(Call::OpenForReading, path) == Fault::Fail) return std::make_error_code(error_);
  const std::error_code error = system_.OpenForReading(path, handle);
  if (!error) open_[handle] = path;
  return error;
}

std::error_code FaultyFileCalls::Write(Handle handle, const char* data, std::size_t size,
                                       std::size_t& written) {
  switch (Enter(Call::Write, open_[handle])) {
    case Fault::Fail:
      written = 0;
      return std::make_error_code(error_);
    case Fault::ShortWrite:
      return system_.Write(handle, data, std::min(size, bytes_), written);
    case Fault::EndProcess: {
      std::size_t ignored = 0;
      if (bytes_ > 0) system_.Write(handle, data, std::min(size, bytes_), ignored);
      ::_exit(0);
    }
    case Fault::None:
      break;
  }
  return system_.Write(handle, data, size, written);
}

std::error_code FaultyFileCalls::Read(Handle handle, char* data, std::size_t size, std::size_t& read) {
  if (Enter(Call::Read, open_[handle]) == Fault::Fail) {
    read = 0;
    return std::make_error_code(error_);
  }
  return system_.Read(handle, data, size, read);
}

std::error_code FaultyFileCalls::Sync(Handle handle) {
  if (Enter(Call::Sync, open_[handle]) == Fault::Fail) return std::make_error_code(error_);
  return system_.Sync(handle);
}

std::error_code FaultyFileCalls::Close(Handle handle) {
  const std::filesystem::path file = open_[handle];
  open_.erase(handle);
  // A failed close has still released the descriptor, as the system's does.
  const std::error_code error = system_.Close(handle);
  if (Enter(Call::Close, file) == Fault::Fail) return std::make_error_code(error_);
  return error;
}

std::error_code FaultyFileCalls::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (Enter(Call::Rename, to) == Fault::Fail) return std::make_error_code(error_);
  return system_.Rename(from, to);
}

std::error_code FaultyFileCalls::Remove(const std::filesystem::path& path) {
  if (Enter(Call::Remove, path) == Fault::Fail) return std::make_error_code(error_);
  return system_.Remove(path);
}

std::error_code FaultyFileCalls::SyncFolder(const std::filesystem::path& folder) {
  if (Enter(Call::SyncFolder, folder) == Fault::Fail) return std::make_error_code(error_);
  return system_.SyncFolder(folder);
}

std::error_code FaultyFileCalls::Link(const std::filesystem::path& existing,
                                      const std::filesystem::path& newName) {
  if (Enter(Call::Link, newName) == Fault::Fail) return std::make_error_code(error_);
  return system_.Link(existing, newName);
}

std::error_code FaultyFileCalls::OpenForUpdate(const std::filesystem::path& path, Handle& handle) {
  if (Enter(Call::OpenForUpdate, path) == Fault::Fail) return std::make_error_code(error_);
  const std::error_code error = system_.OpenForUpdate(path, handle);
  if (!error) open_[handle] = path;
  return error;
}

std::error_code FaultyFileCalls::Seek(Handle handle, uint64_t offset) {
  if (Enter(Call::Seek, open_[handle]) == Fault::Fail) return std::make_error_code(error_);
  return system_.Seek(handle, offset);
}

}  // namespace tavlor::testing
