// Set.ini lookups.
#include "core/app/Settings.h"
#include "core/data/PathText.h"

#include <algorithm>
#include <fstream>

#include "core/lang/InterfaceTexts.h"
#include "core/text/AsciiCase.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace {

// Set.ini is a few lines; a file larger than this is not a settings file and is refused rather
// than read into memory.
constexpr std::size_t kLargestSettingsFile = 4 * 1024 * 1024;

// Reads the whole file; nothing when it cannot be opened or read, or is too large to be settings.
std::optional<std::string> ReadSettingsFile(const std::string& path) {
  std::ifstream in(PathFromText(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kLargestSettingsFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kLargestSettingsFile) return std::nullopt;
  return text;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view fileText, std::string_view key) {
  if (fileText.empty()) return std::nullopt;
  const std::string_view trimmedKey = TrimBlanks(key);
  std::size_t lineStart = 0;
  bool firstLine = true;
  while (lineStart < fileText.size()) {
    std::size_t lineEnd = fileText.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = fileText.size();
    std::string_view line = fileText.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CRLF files
    if (firstLine) {                                                  // line 1 is never examined
      firstLine = false;
      continue;
    }
    if (!StartsWithIgnoringCase(line, trimmedKey)) continue;
    // One separator character sits between key and value.
    const std::size_t valueStart = trimmedKey.size() + 1;
    return valueStart < line.size() ? std::string(line.substr(valueStart)) : std::string();
  }
  return std::nullopt;
}

std::optional<std::string> GetIniValue(const std::string& settingsPath, std::string_view key,
                                       const MessageReporter& report) {
  const std::optional<std::string> text = ReadSettingsFile(std::string(TrimBlanks(settingsPath)));
  if (!text || text->empty()) {
    if (report) report(texts::CannotLoadSettings, settingsPath);
    return std::nullopt;
  }
  return FindIniValue(*text, key);
}

}  // namespace tavlor
