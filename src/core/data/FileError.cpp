#include "core/data/FileError.h"
#include "core/data/PathText.h"

namespace tavlor {

std::string DescribeFileError(const FileError& error) {
  const char* verb = "";
  switch (error.What) {
    case FileError::Kind::None:
      return "no error";
    case FileError::Kind::CannotOpen:
      verb = "cannot open";
      break;
    case FileError::Kind::CannotRead:
      verb = "cannot read";
      break;
    case FileError::Kind::CannotWrite:
      verb = "cannot write";
      break;
    case FileError::Kind::CannotFlush:
      verb = "cannot flush to the disk";
      break;
    case FileError::Kind::CannotReplace:
      verb = "cannot replace";
      break;
    case FileError::Kind::NotEditData:
      verb = "not an edit-data file:";
      break;
  }
  std::string text = std::string(verb) + " " + TextOfPath(error.Path) + ": " + error.Reason;
  if (error.NewContentInPlace) text += " (the new content is in place)";
  return text;
}

}  // namespace tavlor
