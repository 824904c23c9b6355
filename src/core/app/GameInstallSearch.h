// Where automatic mode (AUTOREADPATH=1) finds the game: its registry entry and the Documents folder
// that holds the edit-data file. On Windows these are the real registry and shell folder. On Linux
// the game runs under Wine, so the Wine prefixes are searched in order: $WINEPREFIX, ~/.wine, then
// Steam's Proton prefixes (steamapps/compatdata/<app>/pfx under the usual Steam roots and every
// library folder they list). The search keeps what it looked at, for `tavlor-cli paths`.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavlor {

inline constexpr const char* kInstallKey = "Software\\KOEI\\Nobunaga13\\Install";
inline constexpr const char* kInstallValue = "InstallInfo";

// One prefix looked at.
struct PrefixLook {
  std::filesystem::path Prefix;
  std::string Source;            // "$WINEPREFIX", "~/.wine" or "Steam (Proton)"
  bool HasUserRegistry = false;  // user.reg exists
  std::string InstallInfo;       // the registry value as stored, empty when not found
  std::string Documents;         // the prefix user's Documents folder, empty when none
  bool HasEditData = false;      // Documents/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S exists
};

struct GameInstallSearch {
  std::vector<std::filesystem::path> SteamRoots;  // Steam folders found (canonical, no repeats)
  std::vector<PrefixLook> Looked;                 // in the order they were searched
  std::optional<std::size_t> RegistryFrom;        // index into Looked of the prefix whose value is used
  std::optional<std::size_t> DocumentsFrom;       // index into Looked, or nothing: the fallback folder
  std::string GamePath;                           // the value, trimmed, mapped into its prefix
  std::string DocumentsFolder;                    // without a trailing separator
};

// Searches as described above; stops at the first prefix whose registry names the game (the
// prefixes after it are not read). The Documents folder is that prefix's, else the first searched
// prefix whose Documents holds the edit-data file, else the one GetMyDocPath gives.
GameInstallSearch FindGameInstall();

// The Proton prefixes under the Steam roots of `home`, in a fixed order (prefixes whose Documents
// hold the game's folder first, then by path), and the roots found.
std::vector<std::filesystem::path> FindProtonPrefixes(
    const std::filesystem::path& home, std::vector<std::filesystem::path>* steamRoots = nullptr);

}  // namespace tavlor
