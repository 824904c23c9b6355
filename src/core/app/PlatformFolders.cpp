// The registry and the Documents folder. On Windows they are the real ones; elsewhere the game
// runs under Wine, so its registry is the prefix's user.reg (system.reg for the machine root) and
// its Documents folder is the prefix user's, or the desktop's Documents folder.
#include "core/app/PlatformFolders.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/data/PathText.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <knownfolders.h>
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace tavlor {
namespace fs = std::filesystem;
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

std::string EnvironmentValue(const char* name) {
#ifdef _WIN32
  // The wide environment, so that a user name outside the ANSI code page stays whole.
  const std::string text(name);
  const wchar_t* value = ::_wgetenv(std::wstring(text.begin(), text.end()).c_str());
  return value != nullptr ? TextOfPath(fs::path(value)) : std::string();
#else
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
#endif
}

#ifndef _WIN32
std::string UserName() {
  std::string name = EnvironmentValue("USER");
  if (name.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_name != nullptr)
      name = user->pw_name;
  }
  return name;
}

void AppendUtf8(std::string& out, unsigned codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decodes a quoted user.reg string starting after its opening quote; `at` ends after the closing
// quote. Wine escapes backslashes and quotes, writes a few control characters as \n \r \t \0 and
// other characters as \x followed by up to four hex digits. Nothing when the quote never closes.
std::optional<std::string> DecodeQuoted(std::string_view line, std::size_t& at) {
  std::string out;
  while (at < line.size()) {
    const char c = line[at++];
    if (c == '"') return out;
    if (c != '\\' || at >= line.size()) {
      out += c;
      continue;
    }
    const char escaped = line[at++];
    switch (escaped) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case '0':
        out += '\0';
        break;
      case 'x': {
        unsigned codePoint = 0;
        int digits = 0;
        while (digits < 4 && at < line.size() && HexDigit(line[at]) >= 0) {
          codePoint = codePoint * 16 + static_cast<unsigned>(HexDigit(line[at++]));
          ++digits;
        }
        AppendUtf8(out, codePoint);
        break;
      }
      default:  // \\ and \" and anything else: the character itself
        out += escaped;
    }
  }
  return std::nullopt;
}

// "[Software\\KOEI\\Nobunaga13\\Install] 1700000000" -> "Software\KOEI\Nobunaga13\Install".
std::optional<std::string> SectionName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  std::string name;
  for (std::size_t at = 1; at < line.size(); ++at) {
    if (line[at] == ']') return name;
    if (line[at] == '\\' && at + 1 < line.size() && line[at + 1] == '\\') ++at;
    name += line[at];
  }
  return std::nullopt;
}

// Finds `valueName` ("@" for the default value) under the section `keyPath` of a .reg file.
// Only string values (plain or str(2)) are taken; other kinds give nothing.
std::string FindRegistryString(const fs::path& regFile, std::string_view keyPath,
                               std::string_view valueName) {
  std::ifstream in(regFile, std::ios::binary);
  if (!in) return {};
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto section = SectionName(line)) {
      inSection = EqualIgnoringCase(*section, keyPath);
      continue;
    }
    if (!inSection || line.empty()) continue;
    std::size_t at = 0;
    std::string name;
    if (line.front() == '@') {
      name = "@";
      at = 1;
    } else if (line.front() == '"') {
      at = 1;
      const auto decoded = DecodeQuoted(line, at);
      if (!decoded) continue;
      name = *decoded;
    } else {
      continue;
    }
    if (!EqualIgnoringCase(name, valueName) || at >= line.size() || line[at] != '=') continue;
    std::string_view data = std::string_view(line).substr(at + 1);
    if (data.starts_with("str(2):")) data.remove_prefix(7);
    if (data.empty() || data.front() != '"') return {};
    std::size_t dataAt = 1;
    const auto value = DecodeQuoted(data, dataAt);
    if (!value) return {};
    // The registry's string ends at its first NUL.
    return value->substr(0, value->find('\0'));
  }
  return {};
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" from user-dirs.dirs, with $HOME expanded.
std::optional<fs::path> XdgDocumentsFolder(const fs::path& home) {
  std::string configHome = EnvironmentValue("XDG_CONFIG_HOME");
  const fs::path config = configHome.empty() ? home / ".config" : fs::path(configHome);
  std::ifstream in(config / "user-dirs.dirs");
  std::string line;
  while (std::getline(in, line)) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    const std::size_t keyAt = line.find_first_not_of(" \t");
    if (keyAt == std::string::npos || line.compare(keyAt, kKey.size(), kKey) != 0) continue;
    std::string value = line.substr(keyAt + kKey.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME")) value = home.string() + value.substr(5);
    if (value.empty() || value.front() != '/') continue;
    return fs::path(value);
  }
  return std::nullopt;
}
#endif

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

}  // namespace

#ifdef _WIN32

// Text and the wide strings the Win32 calls take, both ways through the path conversions.
std::wstring Wide(const std::string& utf8) {
  return PathFromText(utf8).native();
}

std::string Utf8(const std::wstring& wide) {
  return TextOfPath(fs::path(wide));
}

std::string GetRegString(RegistryRoot root, const std::string& keyPath, const std::string& valueName) {
  if (keyPath.empty()) return {};
  HKEY key = nullptr;
  const HKEY rootKey = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
  if (RegOpenKeyExW(rootKey, Wide(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  const std::wstring name = Wide(valueName);
  DWORD type = 0;
  DWORD size = 0;
  std::wstring value;
  // A string value, stored with or without its terminating NUL; other types are no path.
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && size <= 64 * 1024) {
    std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD length = size;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &length) == ERROR_SUCCESS) {
      buffer.resize(std::min<std::size_t>(buffer.size(), length / sizeof(wchar_t)));
      value = buffer.substr(0, buffer.find(L'\0'));
    }
  }
  RegCloseKey(key);
  if (type == REG_EXPAND_SZ && !value.empty()) {
    const DWORD needed = ExpandEnvironmentStringsW(value.c_str(), nullptr, 0);
    if (needed > 0 && needed <= 32 * 1024) {
      std::wstring expanded(needed, L'\0');
      ExpandEnvironmentStringsW(value.c_str(), expanded.data(), needed);
      value = expanded.substr(0, expanded.find(L'\0'));
    }
  }
  return Utf8(value);
}

std::string GetMyDocPath() {
  PWSTR folder = nullptr;
  std::string documents;
  if (SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK &&
      folder != nullptr)
    documents = Utf8(folder);
  CoTaskMemFree(folder);
  return WithoutTrailingSeparator(documents);
}

fs::path WinePrefix() {
  return {};
}

std::string MapWindowsPathToPrefix(const std::string& windowsPath) {
  return windowsPath;
}

std::string GetRegStringInPrefix(const fs::path&, RegistryRoot, const std::string&, const std::string&) {
  return {};
}

std::string DocumentsFolderOfPrefix(const fs::path&) {
  return {};
}

std::string MapWindowsPathIntoPrefix(const std::string& windowsPath, const fs::path&) {
  return windowsPath;
}

fs::path HomeFolder() {
  return {};
}

#else

fs::path HomeFolder() {
  std::string home = EnvironmentValue("HOME");
  if (home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
      home = user->pw_dir;
  }
  return home;
}

std::string GetRegString(RegistryRoot root, const std::string& keyPath, const std::string& valueName) {
  return GetRegStringInPrefix(WinePrefix(), root, keyPath, valueName);
}

std::string GetRegStringInPrefix(const fs::path& prefix, RegistryRoot root, const std::string& keyPath,
                                 const std::string& valueName) {
  if (keyPath.empty()) return {};
  const fs::path regFile = prefix / (root == RegistryRoot::CurrentUser ? "user.reg" : "system.reg");
  return FindRegistryString(regFile, keyPath, valueName.empty() ? "@" : valueName);
}

std::string DocumentsFolderOfPrefix(const fs::path& prefix) {
  std::error_code code;
  const fs::path users = prefix / "drive_c" / "users";
  // Wine names the prefix's user after the Linux user; Proton always calls it steamuser.
  for (const std::string& user : {UserName(), std::string("steamuser")}) {
    if (user.empty()) continue;
    for (const char* name : {"Documents", "My Documents"}) {
      const fs::path candidate = users / user / name;
      if (fs::is_directory(candidate, code)) return WithoutTrailingSeparator(candidate.string());
    }
  }
  return {};
}

std::string GetMyDocPath() {
  if (std::string documents = DocumentsFolderOfPrefix(WinePrefix()); !documents.empty()) return documents;
  const fs::path home = HomeFolder();
  if (const auto xdg = XdgDocumentsFolder(home)) return WithoutTrailingSeparator(xdg->string());
  return WithoutTrailingSeparator((home / "Documents").string());
}

fs::path WinePrefix() {
  const std::string prefix = EnvironmentValue("WINEPREFIX");
  if (!prefix.empty()) return fs::path(prefix);
  return HomeFolder() / ".wine";
}

std::string MapWindowsPathToPrefix(const std::string& windowsPath) {
  return MapWindowsPathIntoPrefix(windowsPath, WinePrefix());
}

std::string MapWindowsPathIntoPrefix(const std::string& windowsPath, const fs::path& prefix) {
  const bool hasDrive =
      windowsPath.size() >= 2 && windowsPath[1] == ':' &&
      ((windowsPath[0] >= 'A' && windowsPath[0] <= 'Z') || (windowsPath[0] >= 'a' && windowsPath[0] <= 'z'));
  if (!hasDrive) return windowsPath;
  std::string rest = windowsPath.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  if (!rest.empty() && rest.front() != '/') rest.insert(rest.begin(), '/');
  const std::string drive{LowerAscii(windowsPath[0]), ':'};
  return (prefix / "dosdevices" / drive).string() + rest;
}

#endif

}  // namespace tavlor
