// Reading the help guide: kept lines, topics of five lines, and picture references.
#include "core/lang/HelpIni.h"
#include "core/data/PathText.h"

#include <array>
#include <fstream>

#include "core/app/PathSettings.h"
#include "core/text/AsciiCase.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace {

// A guide is a few kilobytes; anything larger than this is not one and is refused rather than read.
constexpr std::size_t kLargestHelpFile = 8 * 1024 * 1024;

// The four lines after a header, in order.
constexpr std::array<std::string_view, 4> kTopicKeys{"CGPIC", "NAME", "CONTENT", "MAXPIC"};

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// Where the character after the one starting at `at` begins: a GBK lead byte with a byte after it
// starts a two-byte character.
std::size_t NextCharacter(std::string_view text, std::size_t at) {
  return (IsLeadByte(text[at]) && at + 1 < text.size()) ? at + 2 : at + 1;
}

// A header is at least two characters, "[" first and "]" last. The last character is found by
// walking the codes, so a two-byte character whose second byte is "]" does not end a header.
bool IsHeader(std::string_view line) {
  if (line.size() < 2 || line.front() != '[') return false;
  std::size_t last = 0;
  for (std::size_t at = 0; at < line.size(); at = NextCharacter(line, at)) last = at;
  return last > 0 && line.substr(last) == "]";
}

// The line's value: everything after the key and one separator character (customarily "=").
std::string ValueAfterKey(std::string_view line, std::string_view key) {
  if (line.size() <= key.size()) return {};
  return std::string(line.substr(NextCharacter(line, key.size())));
}

// The trimmed lines that are neither empty nor comments, in file order.
std::vector<std::string_view> KeptLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = TrimBlanks(text.substr(start, end - start));
    if (!line.empty() && line.front() != ';') lines.push_back(line);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

}  // namespace

HelpIniReading ParseHelpIni(std::string_view fileText) {
  HelpIniReading reading;
  const std::vector<std::string_view> lines = KeptLines(fileText);
  for (std::size_t j = 0; j < lines.size();) {
    if (!IsHeader(lines[j])) {
      ++j;
      continue;
    }
    HelpTopic& topic = reading.Topics.emplace_back();
    topic.Header = std::string(lines[j]);
    std::array<std::string*, 4> fields{&topic.CgPic, &topic.Name, &topic.Content, &topic.MaxPic};
    for (std::size_t k = 0; k < kTopicKeys.size(); ++k) {
      const std::size_t at = j + 1 + k;
      if (at >= lines.size() || !StartsWithIgnoringCase(lines[at], kTopicKeys[k])) {
        reading.Failed = true;
        return reading;
      }
      *fields[k] = ValueAfterKey(lines[at], kTopicKeys[k]);
    }
    j += 1 + kTopicKeys.size();
  }
  return reading;
}

HelpIniReading ReadHelpIni(const std::filesystem::path& file) {
  HelpIniReading failed;
  failed.Failed = true;
  std::error_code code;
  if (!std::filesystem::is_regular_file(file, code)) return failed;  // missing, or a folder
  std::ifstream in(file, std::ios::binary);
  if (!in) return failed;
  std::string text(kLargestHelpFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return failed;
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kLargestHelpFile) return failed;
  return ParseHelpIni(text);
}

std::filesystem::path HelpIniPath(const std::filesystem::path& programFolder) {
  return HelpPictureFile(programFolder, "\\help.ini");
}

std::filesystem::path HelpPictureFile(const std::filesystem::path& programFolder, std::string_view name) {
  // The guide writes its names right after the folder ("\help\a.png"); a name written without
  // the leading separator still means the same file rather than a sibling of the folder.
  std::string path = TextOfPath(programFolder);
  const bool folderEnds = !path.empty() && (path.back() == '/' || path.back() == '\\');
  const bool nameStarts = !name.empty() && (name.front() == '/' || name.front() == '\\');
  if (!folderEnds && !nameStarts) path += '\\';
  if (folderEnds && nameStarts) name.remove_prefix(1);
  path += name;
  return ResolveGameFile(path);
}

HelpPicture ParseHelpPicture(std::string_view reference) {
  HelpPicture picture;
  const std::string_view text = TrimBlanks(reference);
  if (text.empty()) return picture;
  if (StartsWithIgnoringCase(text, "KAO_")) {
    picture.Kind = HelpPictureKind::GameFace;
    picture.FaceIndex = LeadingInteger(text.substr(4));
  } else if (StartsWithIgnoringCase(text, "EKAO_")) {
    picture.Kind = HelpPictureKind::EditFace;
    picture.FaceIndex = LeadingInteger(text.substr(5));
  } else {
    picture.Kind = HelpPictureKind::File;
    picture.FileName = std::string(text);
  }
  return picture;
}

}  // namespace tavlor
