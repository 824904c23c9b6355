// Reading and writing the edit-data file EDATA000.13S: a 20-byte header and 1000 entries of
// 363 to 375 bytes each.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/data/FileError.h"
#include "core/data/GeneralTable.h"
#include "core/data/SafeFileWrite.h"

namespace tavlor {

struct LoadReport {
  FileError Error;              // set when nothing was loaded; the table is then unchanged
  bool TruncatedEntry = false;  // the file ended inside an entry; the table ends at the last whole one
};

// Loads the whole file into `table`. Slots behind the terminating record keep their previous
// contents, as do link values whose flag is not 1. On an error the table is left exactly as it was;
// a file that is no edit-data file is such an error (NotEditData). A missing file is created empty
// (in an existing folder) and loads as an empty table.
LoadReport LoadEditData(const std::filesystem::path& file, GeneralTable& table);

// The reading rules on bytes already in memory (used by LoadEditData and the fuzzer).
// Bytes that are no edit-data file (see WhyNotEditData) give the error NotEditData, without a path.
LoadReport ParseEditData(std::string_view bytes, GeneralTable& table);

// Writes header, GeneralCount entries and 1000 - GeneralCount Blank slots. The bytes go to a
// temporary file in the same folder which then replaces the target; "<name>.bak" is kept as
// `backup` says (by default the file as it was before this save). On an error before the rename the
// target and its backup are left as they were (see ReplaceFileSafely). An existing file that is no
// edit-data file is not replaced (NotEditData).
FileError SaveEditData(const std::filesystem::path& file, const GeneralTable& table,
                       const BackupPolicy& backup = BackupPolicy::KeepCurrentFile());

// The file's bytes as SaveEditData writes them (no file access).
std::string SerializeEditData(const GeneralTable& table);

// Reads the Blank slot from Bk.N13; missing or short files leave the unread bytes zero.
void LoadBlankSlot(const std::filesystem::path& file, GeneralTable& table);

}  // namespace tavlor
