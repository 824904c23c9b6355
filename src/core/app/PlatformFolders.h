// The game's registry entry and the user's Documents folder. On Windows the real registry and
// shell folder; elsewhere the Wine prefix ($WINEPREFIX, else ~/.wine): its user.reg and its
// user's Documents folder, else the XDG Documents folder.
#pragma once

#include <filesystem>
#include <string>

namespace tavlor {

enum class RegistryRoot { CurrentUser, LocalMachine };

// The string value, or empty text on any failure. On Linux the value is read from user.reg of the
// Wine prefix, and a Windows path it holds ("C:\\Games\\...") is returned as stored.
std::string GetRegString(RegistryRoot root, const std::string& keyPath, const std::string& valueName);

// The Documents folder, without a trailing separator.
std::string GetMyDocPath();

// The Wine prefix in use: $WINEPREFIX, else ~/.wine.
std::filesystem::path WinePrefix();

// A Windows path from the prefix's registry ("C:\\Games\\N13\\") mapped to the prefix's
// dosdevices ("<prefix>/dosdevices/c:/Games/N13/"); other text is returned unchanged.
std::string MapWindowsPathToPrefix(const std::string& windowsPath);

// The same three on a given Wine prefix (Linux; on Windows they give nothing).
// GetRegString of that prefix's user.reg (system.reg for the machine root).
std::string GetRegStringInPrefix(const std::filesystem::path& prefix, RegistryRoot root,
                                 const std::string& keyPath, const std::string& valueName);
// The prefix user's Documents folder: users/$USER, then users/steamuser (Proton's user), each
// with "Documents" or "My Documents"; empty text when there is none.
std::string DocumentsFolderOfPrefix(const std::filesystem::path& prefix);
std::string MapWindowsPathIntoPrefix(const std::string& windowsPath, const std::filesystem::path& prefix);

// The user's home folder ($HOME, else the password entry); empty on Windows.
std::filesystem::path HomeFolder();

}  // namespace tavlor
