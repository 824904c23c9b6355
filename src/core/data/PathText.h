// Paths as text. The program keeps every path it reads, shows or stores as UTF-8 text; these two
// turn such text into a path of the file system and back. On Windows a narrow path would go
// through the ANSI code page and lose every character outside it (a Chinese or Japanese user
// name), so there the text is decoded as UTF-8 into the wide path the file calls take.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavlor {

std::filesystem::path PathFromText(std::string_view utf8);
std::string TextOfPath(const std::filesystem::path& path);

// Text read from a settings file, as UTF-8: itself when it is valid UTF-8; otherwise, on Windows,
// decoded from the system's ANSI code page (what older editors save). Elsewhere it is unchanged.
std::string SettingsTextAsUtf8(std::string_view text);

// Whether the bytes are valid UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace tavlor
