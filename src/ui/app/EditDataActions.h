// Loading and saving the edit-data file from the windows: the core does the work, these report
// any failure to the user and never end the program.
#pragma once

#include <filesystem>

namespace tavlor {

struct ProgramContext;

// The edit-data file the paths name (a game path resolved against the file system), or an empty
// path when no file is set.
std::filesystem::path EditDataFile(const ProgramContext& context);

// Loads the edit-data file into the General table and refreshes the built-in general lists.
// A file that cannot be read shows what, which path and why; the table then stays as it was.
// Returns whether the file was read.
bool LoadGeneralsReporting(ProgramContext& context);

// Writes the General table to the edit-data file (no question asked here). A failure shows what,
// which path and why, and leaves both the table and the file as they were. Returns whether the
// file was written.
bool SaveGeneralsReporting(const ProgramContext& context);

}  // namespace tavlor
