// Reading Set.ini's four settings for the settings window, and writing them back: only the lines
// of the four keys change, line 1 and every line the program does not know are kept, and the file
// is replaced safely (temporary file, flush, rename).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/SettingsLocation.h"
#include "core/data/FileError.h"

namespace tavlor {

struct SettingsValues {
  bool Automatic = true;      // AUTOREADPATH=1; false: the three paths below (AUTOREADPATH=0)
  std::string GamePath;       // GAMEPATH, a folder
  std::string CustomizeFile;  // CUSTOMIZEFILE, the edit-data file
  std::string EditKaoPath;    // EDITKAOPATH, a folder
};

struct SettingsReading {
  SettingsValues Values;  // automatic mode when there is no file
  bool Exists = false;
  // Why an existing file cannot be read or is no settings file (too large, a read error); empty
  // when it was read. Such a file is never written over.
  std::string Problem;
};

// The values as start-up reads them (same rules), without any message. AUTOREADPATH other than 1
// shows as the manual mode.
SettingsReading ReadSettingsValues(const std::filesystem::path& file);

// A folder as GAMEPATH and EDITKAOPATH need it: the archive names are appended directly, so it
// ends with a separator ("\" or "/"; the platform's own is added when it has none). Blanks round
// it are dropped, as the reader drops them.
std::string AsSettingsFolder(std::string_view folder);

// Why the values cannot be written as one line each (a path holding a line break); nothing when
// they can.
std::optional<std::string> WhySettingsCannotBeWritten(const SettingsValues& values);

// The new file text from the old one: the first line that each key's lookup finds is replaced by
// "KEY=value" (in automatic mode only AUTOREADPATH; the three paths stay as they were, for a later
// return to the manual mode); a key no line has is added at the end. Line 1 and every other line
// are kept byte for byte, and the file's line ending (CRLF or LF) is used. An empty old text gets
// the first line "[Tavlor]".
std::string RewriteSettingsText(std::string_view oldText, const SettingsValues& values);

struct SettingsWriteResult {
  FileError Error;                  // set when no file was written
  std::filesystem::path WrittenTo;  // the file that now holds the values
  FileError BesideProgramError;     // why the first place could not be written (when FellBack)
  bool FellBackToUserSettings = false;
};

// Writes the values into location.File. When that is not the user's own file and cannot be
// written (a folder or file without write access, a full disk), the user's own Set.ini gets them
// instead (its folder is made) and the result says so. A file that exists but cannot be read is
// never replaced. The writes go through CurrentFileCalls().
SettingsWriteResult WriteSettings(const SettingsLocation& location, const SettingsValues& values);

// The location the program reads from after a successful write.
SettingsLocation LocationAfterWrite(const SettingsLocation& before, const SettingsWriteResult& written);

}  // namespace tavlor
