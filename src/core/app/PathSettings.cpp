// Settling the game's paths once at start-up, and finding a game file whatever its separators and
// letter case.
#include "core/app/PathSettings.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "core/app/GameInstallSearch.h"
#include "core/app/PlatformFolders.h"
#include "core/app/SettingsLocation.h"
#include "core/data/PathText.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

#ifdef _WIN32
constexpr const char* kEditDataTail = "\\KOEI\\Nobunaga13\\EDIT\\SETDATA\\EDATA000.13S";
#else
constexpr const char* kEditDataTail = "/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S";
#endif

std::string Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// The name in `folder` that equals `name` without regard to letter case; the first in sorted
// order when several do, so the choice never depends on the folder's listing order.
std::optional<std::string> FindIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code code;
  fs::directory_iterator entries(folder, code);
  if (code) return std::nullopt;
  std::optional<std::string> best;
  for (; entries != fs::directory_iterator(); entries.increment(code)) {
    if (code) break;
    const std::string candidate = TextOfPath(entries->path().filename());
    if (EqualIgnoringCase(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  return best;
}

// Reads the mode and paths from `settingsFile`, or takes the automatic mode without reading when
// there is no file to read.
PathSettings ResolvePathsFromFile(const std::optional<fs::path>& settingsFile, const MessageReporter& report,
                                  GameInstallSearch* searched) {
  PathSettings paths;
  const std::string settingsPath = settingsFile ? TextOfPath(*settingsFile) : std::string();
  const auto lookup = [&](std::string_view key) {
    return Trimmed(SettingsTextAsUtf8(GetIniValue(settingsPath, key, report).value_or(std::string())));
  };

  const double mode = settingsFile ? LeadingNumber(lookup("AUTOREADPATH")) : 1;
  if (mode == 1) {
    // Under Wine the registry's Windows path comes back mapped through its prefix's drives.
    GameInstallSearch search = FindGameInstall();
    paths.GamePath = search.GamePath;
    paths.EditKaoPath = paths.GamePath;
    paths.CustomizeFile = Trimmed(search.DocumentsFolder) + kEditDataTail;
    if (searched != nullptr) *searched = std::move(search);
  } else if (mode == 0) {
    paths.GamePath = lookup("GAMEPATH");
    paths.CustomizeFile = lookup("CUSTOMIZEFILE");
    paths.EditKaoPath = lookup("EDITKAOPATH");
  }

  // The folders are meant to end with a separator: the names are appended as they stand.
  const std::string game = Trimmed(paths.GamePath);
  const std::string edit = Trimmed(paths.EditKaoPath);
  paths.KaoLPath = game + "grp\\KAO_l.N13";
  paths.KaoMPath = game + "grp\\KAO_M.N13";
  paths.KaoSPath = game + "grp\\KAO_s.N13";
  paths.EditKaoLPath = edit + "grp\\EDIT_KAO_l.N13";
  paths.EditKaoMPath = edit + "grp\\EDIT_KAO_M.n13";
  paths.EditKaoSPath = edit + "grp\\EDIT_KAO_s.N13";
  return paths;
}

}  // namespace

PathSettings ResolvePaths(const fs::path& programFolder, const MessageReporter& report,
                          GameInstallSearch* searched) {
  return ResolvePathsFromFile(ResolveGameFile(TextOfPath(programFolder / "Set.ini")), report, searched);
}

PathSettings ResolvePathsFrom(const SettingsLocation& location, const MessageReporter& report,
                              GameInstallSearch* searched) {
  if (location.Source == SettingsSource::NoneYet) return ResolvePathsFromFile(std::nullopt, report, searched);
  // The location names a real file, found on the disk: no game-path resolving needed.
  return ResolvePathsFromFile(location.File, report, searched);
}

PathSettings& SharedPathSettings() {
  static PathSettings settings;
  return settings;
}

fs::path ResolveGameFile(const std::string& gamePath) {
#ifdef _WIN32
  // Windows matches file names without regard to letter case and takes either separator.
  return PathFromText(gamePath);
#else
  std::string unixPath = MapWindowsPathToPrefix(gamePath);
  std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
  if (unixPath.empty()) return {};

  std::vector<std::string> components;
  for (std::size_t at = 0; at <= unixPath.size();) {
    const std::size_t end = std::min(unixPath.find('/', at), unixPath.size());
    if (end > at) components.emplace_back(unixPath.substr(at, end - at));
    at = end + 1;
  }

  fs::path resolved = unixPath.front() == '/' ? fs::path("/") : fs::path();
  bool searching = true;  // once a component is missing, the rest cannot exist either
  std::error_code code;
  for (const std::string& component : components) {
    if (searching && component != "." && component != "..") {
      const fs::path folder = resolved.empty() ? fs::path(".") : resolved;
      if (!fs::exists(fs::symlink_status(folder / component, code))) {
        if (const auto match = FindIgnoringCase(folder, component)) {
          resolved /= *match;
          continue;
        }
        searching = false;
      }
    }
    resolved /= component;
  }
  if (unixPath.back() == '/' && !components.empty()) resolved += "/";
  return resolved;
#endif
}

}  // namespace tavlor
