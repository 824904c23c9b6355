// Reading and writing the edit-data file EDATA000.13S: a 20-byte header and 1000 entries of
// 363 to 375 bytes each.
#pragma once

#include <filesystem>
#include <string>

#include "core/data/GeneralTable.h"

namespace tavlor {

// What went wrong with a file, for a message that names what, which path and why.
struct FileError {
  enum class Kind { None, CannotOpen, CannotRead, CannotWrite, CannotReplace };
  Kind What = Kind::None;
  std::filesystem::path Path;
  std::string Reason;  // the system's reason (ASCII), e.g. "No such file or directory"

  explicit operator bool() const { return What != Kind::None; }
};

// English one-line description, for the CLI and logs: "cannot open <path>: <reason>".
std::string DescribeFileError(const FileError& error);

struct LoadReport {
  FileError Error;              // set when nothing was loaded; the table is then unchanged
  bool TruncatedEntry = false;  // the file ended inside an entry; the table ends at the last whole one
};

// Loads the whole file into `table`. Slots behind the terminating record keep their previous
// contents, as do link values whose flag is not 1. On an error the table is left exactly as it was.
// A missing file is created empty (in an existing folder) and loads as an empty table.
LoadReport LoadEditData(const std::filesystem::path& file, GeneralTable& table);

// The reading rules on bytes already in memory (used by LoadEditData and the fuzzer).
LoadReport ParseEditData(const std::string& bytes, GeneralTable& table);

// Writes header, GeneralCount entries and 1000 - GeneralCount Blank slots. The bytes go to a
// temporary file in the same folder which then replaces the target; the previous file is kept as
// "<name>.bak". On an error the target is left as it was.
FileError SaveEditData(const std::filesystem::path& file, const GeneralTable& table);

// The file's bytes as SaveEditData writes them (no file access).
std::string SerializeEditData(const GeneralTable& table);

// Reads the Blank slot from Bk.N13; missing or short files leave the unread bytes zero.
void LoadBlankSlot(const std::filesystem::path& file, GeneralTable& table);

}  // namespace tavlor
