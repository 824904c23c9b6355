// What went wrong with a file: which step, which path, and the system's reason, for a message that
// a player or a script can act on.
#pragma once

#include <filesystem>
#include <string>

namespace tavlor {

struct FileError {
  enum class Kind { None, CannotOpen, CannotRead, CannotWrite, CannotFlush, CannotReplace, NotEditData };
  Kind What = Kind::None;
  std::filesystem::path Path;
  std::string Reason;  // the system's reason (ASCII), e.g. "No such file or directory"
  // A step after the rename failed: the file already holds its new bytes, only their safe arrival on
  // the disk is not confirmed.
  bool NewContentInPlace = false;

  explicit operator bool() const { return What != Kind::None; }
};

// English one-line description, for the CLI and logs: "cannot open <path>: <reason>".
std::string DescribeFileError(const FileError& error);

}  // namespace tavlor
