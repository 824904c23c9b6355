// Loading and saving the edit-data file from the windows: the core does the work, these report
// any failure to the user and never end the program.
#pragma once

#include <filesystem>

namespace tavlor {

struct ProgramContext;

// The edit-data file opened for this session (context.OpenedFile), else the one the paths name (a
// game path resolved against the file system), or an empty path when no file is set.
std::filesystem::path EditDataFile(const ProgramContext& context);

// Loads the edit-data file into the General table and refreshes the built-in general lists; a
// new edit history starts and the file's content is remembered. A file that cannot be read shows
// what, which path and why; the table and its history then stay as they were. Returns whether the
// file was read.
bool LoadGeneralsReporting(ProgramContext& context);

// Writes the General table to the edit-data file (no question asked here) and marks the history
// saved. A failure shows what, which path and why, and leaves the table, its history and the file
// as they were. Returns whether the file was written.
bool SaveGeneralsReporting(ProgramContext& context);

// Whether another program wrote the edit-data file since this program last read or wrote it.
bool EditDataChangedOnDisk(const ProgramContext& context);

}  // namespace tavlor
