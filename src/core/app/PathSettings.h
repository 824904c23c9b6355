// Where the game's files are: the game folder, the edit-data file, the edit face folder and the
// six face archive paths, settled once at start-up from Set.ini or the registry.
#pragma once

#include <filesystem>
#include <string>

#include "core/app/Settings.h"

namespace tavlor {

struct PathSettings {
  std::string GamePath;
  std::string CustomizeFile;
  std::string EditKaoPath;
  std::string KaoLPath;
  std::string KaoMPath;
  std::string KaoSPath;
  std::string EditKaoLPath;
  std::string EditKaoMPath;
  std::string EditKaoSPath;
};

struct GameInstallSearch;
struct SettingsLocation;

// Reads Set.ini in the program folder (AUTOREADPATH 1: registry + Documents, 0: the three keys,
// anything else: empty paths) and builds the archive paths. Messages go to `report`. In automatic
// mode the search for the game is kept in `searched` when one is given.
PathSettings ResolvePaths(const std::filesystem::path& programFolder, const MessageReporter& report,
                          GameInstallSearch* searched = nullptr);

// The same rules on the Set.ini that `location` names (see SettingsLocation.h). A player with no
// Set.ini yet (NoneYet) is in automatic mode, and nothing is reported.
PathSettings ResolvePathsFrom(const SettingsLocation& location, const MessageReporter& report,
                              GameInstallSearch* searched = nullptr);

// The shared path settings of this run.
PathSettings& SharedPathSettings();

// Resolves a game path as written in Set.ini or built from it (backslashes, any letter case,
// "grp\\EDIT_KAO_M.n13") to the real file: each component is matched exactly first, then without
// regard to letter case. When nothing matches, the path with separators converted is returned.
std::filesystem::path ResolveGameFile(const std::string& gamePath);

}  // namespace tavlor
