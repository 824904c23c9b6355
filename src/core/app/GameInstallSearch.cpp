// The search for the game's registry entry and Documents folder across Wine and Proton prefixes.
#include "core/app/GameInstallSearch.h"
#include "core/data/PathText.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <system_error>

#include "core/app/PlatformFolders.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

constexpr const char* kGameDocumentsTail = "KOEI/Nobunaga13";
constexpr const char* kEditDataTail = "KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S";
// Library lists longer than this are not Steam's; only their start is read.
constexpr std::size_t kLargestLibraryList = 1024 * 1024;

std::string Trimmed(std::string text) {
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

bool IsFolder(const fs::path& path) {
  std::error_code code;
  return fs::is_directory(path, code);
}

bool IsFile(const fs::path& path) {
  std::error_code code;
  return fs::is_regular_file(path, code);
}

fs::path Canonical(const fs::path& path) {
  std::error_code code;
  fs::path canonical = fs::canonical(path, code);
  return code ? path : canonical;
}

// The "path" values of a libraryfolders.vdf: lines like  "path"  "/mnt/games/SteamLibrary".
std::vector<fs::path> LibraryFolders(const fs::path& vdf) {
  std::ifstream in(vdf, std::ios::binary);
  std::vector<fs::path> folders;
  std::string line;
  std::size_t read = 0;
  while (read < kLargestLibraryList && std::getline(in, line)) {
    read += line.size() + 1;
    std::vector<std::string> quoted;
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t open = line.find('"', at);
      if (open == std::string::npos) break;
      std::string text;
      std::size_t close = open + 1;
      for (; close < line.size() && line[close] != '"'; ++close) {
        // Steam escapes backslashes in these files.
        if (line[close] == '\\' && close + 1 < line.size()) ++close;
        text += line[close];
      }
      quoted.push_back(text);
      at = close + 1;
    }
    if (quoted.size() == 2 && quoted[0] == "path" && !quoted[1].empty()) folders.emplace_back(quoted[1]);
  }
  return folders;
}

PrefixLook Look(const fs::path& prefix, const std::string& source) {
  PrefixLook look;
  look.Prefix = prefix;
  look.Source = source;
  look.HasUserRegistry = IsFile(prefix / "user.reg");
  if (look.HasUserRegistry)
    look.InstallInfo = GetRegStringInPrefix(prefix, RegistryRoot::CurrentUser, kInstallKey, kInstallValue);
  look.Documents = DocumentsFolderOfPrefix(prefix);
  look.HasEditData = !look.Documents.empty() && IsFile(PathFromText(look.Documents) / kEditDataTail);
  return look;
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::vector<fs::path> FindProtonPrefixes(const fs::path& home, std::vector<fs::path>* steamRoots) {
  // The places Steam lives: the usual install, its links in ~/.steam, Flatpak and Snap.
  const fs::path candidates[] = {
      home / ".steam" / "steam",
      home / ".steam" / "root",
      home / ".local" / "share" / "Steam",
      home / ".var" / "app" / "com.valvesoftware.Steam" / ".local" / "share" / "Steam",
      home / "snap" / "steam" / "common" / ".local" / "share" / "Steam",
  };
  std::vector<fs::path> roots;
  std::set<fs::path> seenRoots;
  for (const fs::path& candidate : candidates) {
    if (!IsFolder(candidate / "steamapps")) continue;
    const fs::path root = Canonical(candidate);
    if (seenRoots.insert(root).second) roots.push_back(root);
  }
  if (steamRoots != nullptr) *steamRoots = roots;

  // Every library holds the compatdata of the games installed in it.
  std::vector<fs::path> libraries;
  std::set<fs::path> seenLibraries;
  for (const fs::path& root : roots) {
    std::vector<fs::path> listed{root};
    for (const char* list : {"steamapps/libraryfolders.vdf", "config/libraryfolders.vdf"}) {
      const std::vector<fs::path> found = LibraryFolders(root / list);
      listed.insert(listed.end(), found.begin(), found.end());
    }
    for (const fs::path& library : listed) {
      if (!IsFolder(library / "steamapps" / "compatdata")) continue;
      const fs::path canonical = Canonical(library);
      if (seenLibraries.insert(canonical).second) libraries.push_back(canonical);
    }
  }

  std::vector<fs::path> prefixes;
  for (const fs::path& library : libraries) {
    std::error_code code;
    fs::directory_iterator entries(library / "steamapps" / "compatdata", code);
    for (; !code && entries != fs::directory_iterator(); entries.increment(code)) {
      const fs::path prefix = entries->path() / "pfx";
      if (IsFolder(prefix)) prefixes.push_back(prefix);
    }
  }
  // The game's own prefix is usually the one whose Documents hold its folder: it is read first,
  // so that the many other games' registries are rarely read at all.
  const auto holdsGame = [](const fs::path& prefix) {
    const std::string documents = DocumentsFolderOfPrefix(prefix);
    return !documents.empty() && IsFolder(PathFromText(documents) / kGameDocumentsTail);
  };
  std::stable_sort(prefixes.begin(), prefixes.end());
  std::stable_partition(prefixes.begin(), prefixes.end(), holdsGame);
  return prefixes;
}

#ifdef _WIN32

GameInstallSearch FindGameInstall() {
  GameInstallSearch search;
  search.GamePath = Trimmed(GetRegString(RegistryRoot::CurrentUser, kInstallKey, kInstallValue));
  search.DocumentsFolder = Trimmed(GetMyDocPath());
  return search;
}

#else

GameInstallSearch FindGameInstall() {
  GameInstallSearch search;
  const fs::path home = HomeFolder();
  std::vector<std::pair<fs::path, std::string> > order;
  if (const std::string prefix = EnvironmentValue("WINEPREFIX"); !prefix.empty())
    order.emplace_back(prefix, "$WINEPREFIX");
  order.emplace_back(home / ".wine", "~/.wine");
  for (const fs::path& prefix : FindProtonPrefixes(home, &search.SteamRoots))
    order.emplace_back(prefix, "Steam (Proton)");

  std::set<fs::path> seen;
  for (const auto& [prefix, source] : order) {
    if (!seen.insert(Canonical(prefix)).second) continue;  // $WINEPREFIX may be ~/.wine
    search.Looked.push_back(Look(prefix, source));
    const PrefixLook& look = search.Looked.back();
    if (!Trimmed(look.InstallInfo).empty()) {
      search.RegistryFrom = search.Looked.size() - 1;
      break;
    }
  }

  if (search.RegistryFrom) {
    const PrefixLook& found = search.Looked[*search.RegistryFrom];
    search.GamePath = MapWindowsPathIntoPrefix(Trimmed(found.InstallInfo), found.Prefix);
    if (!found.Documents.empty()) search.DocumentsFrom = search.RegistryFrom;
  }
  if (!search.DocumentsFrom) {
    for (std::size_t i = 0; i < search.Looked.size(); ++i) {
      if (search.Looked[i].HasEditData) {
        search.DocumentsFrom = i;
        break;
      }
    }
  }
  search.DocumentsFolder =
      search.DocumentsFrom ? search.Looked[*search.DocumentsFrom].Documents : Trimmed(GetMyDocPath());
  return search;
}

#endif

}  // namespace tavlor
