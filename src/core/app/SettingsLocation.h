// Which Set.ini the program reads, and where the settings window writes one: a Set.ini beside the
// program wins (portable folders, the build tree); otherwise the user's own
// ($XDG_CONFIG_HOME/tavlor/Set.ini, ~/.config/tavlor/Set.ini; on Windows %APPDATA%\Tavlor\Set.ini).
// A player who has neither starts in automatic mode.
#pragma once

#include <filesystem>

namespace tavlor {

enum class SettingsSource {
  BesideProgram,  // Set.ini in the program's folder: it wins
  UserSettings,   // none beside the program; the user's own exists
  NoneYet,        // neither exists: automatic mode until the settings window writes File
  GivenFolder,    // a folder named on the command line: its Set.ini, whether it exists or not
};

struct SettingsLocation {
  SettingsSource Source = SettingsSource::NoneYet;
  // The Set.ini read (for NoneYet: where a new one is written).
  std::filesystem::path File;
  std::filesystem::path BesideProgram;  // <program folder>/Set.ini
  std::filesystem::path UserFile;       // the user's own; empty when the system names no such place
  // Windows only: the program's folder cannot be written, so a new Set.ini goes to the user's own.
  bool ProgramFolderReadOnly = false;
};

// The user's own settings file: $XDG_CONFIG_HOME/tavlor/Set.ini ($XDG_CONFIG_HOME when absolute,
// else ~/.config), on Windows %APPDATA%\Tavlor\Set.ini; empty when neither home nor APPDATA is set.
std::filesystem::path UserSettingsFile();

// Decides as described at the top. A new Set.ini (NoneYet) goes to the user's own on Linux; on
// Windows beside the program when its folder can be written, else to the user's own.
SettingsLocation LocateSettings(const std::filesystem::path& programFolder);

// The Set.ini of a folder given on the command line, read whether or not it exists.
SettingsLocation SettingsInFolder(const std::filesystem::path& folder);

// Whether a new file can be made in `folder` (tried with a file that is removed again).
bool FolderAcceptsNewFiles(const std::filesystem::path& folder);

}  // namespace tavlor
