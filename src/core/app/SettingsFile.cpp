// Set.ini's four settings, read quietly and written back line by line.
#include "core/app/SettingsFile.h"

#include <array>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/app/Settings.h"
#include "core/data/SafeFileWrite.h"
#include "core/text/AsciiCase.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

// As start-up reads it: a larger file is no settings file.
constexpr std::size_t kLargestSettingsFile = 4 * 1024 * 1024;

constexpr std::string_view kModeKey = "AUTOREADPATH";
constexpr std::string_view kGameKey = "GAMEPATH";
constexpr std::string_view kEditDataKey = "CUSTOMIZEFILE";
constexpr std::string_view kEditFaceKey = "EDITKAOPATH";

#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

struct FileText {
  bool Exists = false;
  std::string Text;
  std::string Problem;
};

FileText ReadExisting(const fs::path& file) {
  FileText result;
  std::error_code code;
  const fs::file_status status = fs::status(file, code);
  if (!fs::exists(status)) return result;
  result.Exists = true;
  if (!fs::is_regular_file(status)) {
    result.Problem = "not a regular file";
    return result;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.Problem = "cannot be opened for reading";
    return result;
  }
  result.Text.assign(kLargestSettingsFile + 1, '\0');
  in.read(result.Text.data(), static_cast<std::streamsize>(result.Text.size()));
  if (in.bad()) {
    result.Problem = "cannot be read";
    return result;
  }
  result.Text.resize(static_cast<std::size_t>(in.gcount()));
  if (result.Text.size() > kLargestSettingsFile) result.Problem = "larger than 4 MiB: not a settings file";
  return result;
}

std::string Trimmed(std::string_view text) {
  return std::string(TrimBlanks(text));
}

SettingsValues Normalized(const SettingsValues& values) {
  SettingsValues normal = values;
  normal.GamePath = AsSettingsFolder(values.GamePath);
  normal.EditKaoPath = AsSettingsFolder(values.EditKaoPath);
  normal.CustomizeFile = Trimmed(values.CustomizeFile);
  return normal;
}

// One line of the text with its own ending ("\r\n", "\n" or none for a last line without one).
struct Line {
  std::string Content;
  std::string Ending;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t newline = text.find('\n', start);
    const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
    Line line{std::string(text.substr(start, end - start)), newline == std::string_view::npos ? "" : "\n"};
    if (!line.Content.empty() && line.Content.back() == '\r' && !line.Ending.empty()) {
      line.Content.pop_back();
      line.Ending = "\r\n";
    }
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

FileError WriteOne(const fs::path& file, const SettingsValues& values) {
  const FileText old = ReadExisting(file);
  if (!old.Problem.empty()) return {FileError::Kind::CannotRead, file, old.Problem};
  std::error_code code;
  if (file.has_parent_path() && !fs::exists(file.parent_path(), code)) {
    fs::create_directories(file.parent_path(), code);
    if (code) return {FileError::Kind::CannotOpen, file.parent_path(), code.message()};
  }
  const FileError error = ReplaceFileSafely(file, RewriteSettingsText(old.Text, values));
  // Only the flush of the folder failed: the file holds the new settings.
  if (error && error.NewContentInPlace) return {};
  return error;
}

}  // namespace

SettingsReading ReadSettingsValues(const fs::path& file) {
  SettingsReading reading;
  const FileText old = ReadExisting(file);
  reading.Exists = old.Exists;
  reading.Problem = old.Problem;
  if (!old.Exists || !old.Problem.empty()) return reading;
  const auto value = [&](std::string_view key) { return Trimmed(FindIniValue(old.Text, key).value_or("")); };
  reading.Values.Automatic = LeadingNumber(value(kModeKey)) == 1;
  reading.Values.GamePath = value(kGameKey);
  reading.Values.CustomizeFile = value(kEditDataKey);
  reading.Values.EditKaoPath = value(kEditFaceKey);
  return reading;
}

std::string AsSettingsFolder(std::string_view folder) {
  std::string value = Trimmed(folder);
  if (!value.empty() && value.back() != '\\' && value.back() != '/') value.push_back(kFolderSeparator);
  return value;
}

std::optional<std::string> WhySettingsCannotBeWritten(const SettingsValues& values) {
  for (const std::string* path : {&values.GamePath, &values.CustomizeFile, &values.EditKaoPath}) {
    if (path->find_first_of("\r\n") != std::string::npos) return "a path holds a line break";
    if (path->find('\0') != std::string::npos) return "a path holds a NUL character";
  }
  return std::nullopt;
}

std::string RewriteSettingsText(std::string_view oldText, const SettingsValues& values) {
  std::vector<Line> lines = SplitLines(oldText);
  const std::string ending =
      oldText.find("\r\n") != std::string_view::npos || oldText.find('\n') == std::string_view::npos ? "\r\n"
                                                                                                     : "\n";
  if (lines.empty()) lines.push_back({"[Tavlor]", ending});

  std::vector<std::pair<std::string_view, std::string>> settings = {{kModeKey, values.Automatic ? "1" : "0"}};
  if (!values.Automatic) {
    settings.emplace_back(kGameKey, values.GamePath);
    settings.emplace_back(kEditDataKey, values.CustomizeFile);
    settings.emplace_back(kEditFaceKey, values.EditKaoPath);
  }
  for (const auto& [key, value] : settings) {
    const std::string line = std::string(key) + "=" + value;
    bool replaced = false;
    // Line 1 is never read, so it is never the key's line.
    for (std::size_t i = 1; i < lines.size() && !replaced; ++i) {
      if (StartsWithIgnoringCase(lines[i].Content, key)) {
        lines[i].Content = line;
        replaced = true;
      }
    }
    if (!replaced) {
      if (lines.back().Ending.empty()) lines.back().Ending = ending;
      lines.push_back({line, ending});
    }
  }
  std::string text;
  for (const Line& line : lines) text += line.Content + line.Ending;
  return text;
}

SettingsWriteResult WriteSettings(const SettingsLocation& location, const SettingsValues& values) {
  SettingsWriteResult result;
  if (const auto why = WhySettingsCannotBeWritten(values)) {
    result.Error = {FileError::Kind::CannotWrite, location.File, *why};
    return result;
  }
  const SettingsValues normal = Normalized(values);
  const FileError first = WriteOne(location.File, normal);
  if (!first) {
    result.WrittenTo = location.File;
    return result;
  }
  // A Set.ini that cannot be read is left for the player to look at, not worked round.
  const bool canFallBack = first.What != FileError::Kind::CannotRead && !location.UserFile.empty() &&
                           location.UserFile != location.File;
  if (!canFallBack) {
    result.Error = first;
    return result;
  }
  result.BesideProgramError = first;
  if (const FileError second = WriteOne(location.UserFile, normal)) {
    result.Error = second;
    return result;
  }
  result.WrittenTo = location.UserFile;
  result.FellBackToUserSettings = true;
  return result;
}

SettingsLocation LocationAfterWrite(const SettingsLocation& before, const SettingsWriteResult& written) {
  SettingsLocation after = before;
  if (written.Error) return after;
  after.File = written.WrittenTo;
  if (before.Source == SettingsSource::GivenFolder && !written.FellBackToUserSettings) return after;
  after.Source = written.WrittenTo == before.BesideProgram ? SettingsSource::BesideProgram
                                                           : SettingsSource::UserSettings;
  return after;
}

}  // namespace tavlor
