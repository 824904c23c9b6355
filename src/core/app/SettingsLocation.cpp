// Finding the Set.ini in force. The Windows parts use the wide-character environment, so a user
// name in Chinese or Japanese gives a usable path.
#include "core/app/SettingsLocation.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "core/app/PlatformFolders.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

constexpr const char* kSettingsName = "Set.ini";

bool IsFile(const fs::path& path) {
  std::error_code code;
  return !path.empty() && fs::is_regular_file(path, code);
}

}  // namespace

fs::path UserSettingsFile() {
#ifdef _WIN32
  const wchar_t* appData = _wgetenv(L"APPDATA");
  if (appData == nullptr || *appData == L'\0') return {};
  return fs::path(appData) / L"Tavlor" / L"Set.ini";
#else
  // The XDG rule: a relative XDG_CONFIG_HOME is ignored.
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (configHome != nullptr && *configHome == '/') return fs::path(configHome) / "tavlor" / kSettingsName;
  const fs::path home = HomeFolder();
  if (home.empty()) return {};
  return home / ".config" / "tavlor" / kSettingsName;
#endif
}

bool FolderAcceptsNewFiles(const fs::path& folder) {
  std::random_device seed;
  const fs::path probe = folder / (".tavlor-write-test-" + std::to_string(seed() & 0xffffffu));
#ifdef _WIN32
  // CREATE_NEW and delete-on-close: nothing is left behind, whatever happens next.
  const HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
#else
  std::ofstream out(probe, std::ios::binary);
  const bool made = static_cast<bool>(out);
  out.close();
  std::error_code code;
  if (made) fs::remove(probe, code);
  return made;
#endif
}

SettingsLocation LocateSettings(const fs::path& programFolder) {
  SettingsLocation location;
  location.BesideProgram = programFolder / kSettingsName;
  location.UserFile = UserSettingsFile();
  if (IsFile(location.BesideProgram)) {
    location.Source = SettingsSource::BesideProgram;
    location.File = location.BesideProgram;
  } else if (IsFile(location.UserFile)) {
    location.Source = SettingsSource::UserSettings;
    location.File = location.UserFile;
  } else {
    location.Source = SettingsSource::NoneYet;
#ifdef _WIN32
    // A portable folder keeps its settings with it; Program Files cannot be written.
    location.ProgramFolderReadOnly = !FolderAcceptsNewFiles(programFolder);
    location.File = location.ProgramFolderReadOnly && !location.UserFile.empty() ? location.UserFile
                                                                                 : location.BesideProgram;
#else
    location.File = location.UserFile.empty() ? location.BesideProgram : location.UserFile;
#endif
  }
  return location;
}

SettingsLocation SettingsInFolder(const fs::path& folder) {
  SettingsLocation location;
  location.Source = SettingsSource::GivenFolder;
  location.BesideProgram = folder / kSettingsName;
  location.File = location.BesideProgram;
  location.UserFile = UserSettingsFile();
  return location;
}

}  // namespace tavlor
