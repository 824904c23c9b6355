// help.ini, the help viewer's guide: topics of a header line and four keyed lines (CGPIC, NAME,
// CONTENT, MAXPIC), and the picture references they hold (a face of one of the two large face
// archives, or a picture file below the program folder).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavlor {

// One topic; every text is GBK as the file holds it.
struct HelpTopic {
  std::string Header;   // the header line, brackets included
  std::string CgPic;    // the main picture
  std::string Name;     // the title
  std::string Content;  // the text
  std::string MaxPic;   // the optional second, larger picture
};

struct HelpIniReading {
  std::vector<HelpTopic> Topics;
  // The file could not be read, or a topic lacked one of its four key lines: the reader shows
  // "读取INI文件错误,,请检查设置!" once. The topics read before the fault stay, and the faulty
  // one keeps the fields read before it.
  bool Failed = false;
};

// The topics of a help file's text. Lines end with LF, CRLF or CR; each is trimmed of blanks, and
// empty lines and lines starting with ";" are dropped before the topics are looked for.
HelpIniReading ParseHelpIni(std::string_view fileText);

// Reads and parses the help file; a file that is missing, unreadable or far too large to be a
// guide fails with no topics.
HelpIniReading ReadHelpIni(const std::filesystem::path& file);

// The help file beside the program ("help.ini", found in any letter case).
std::filesystem::path HelpIniPath(const std::filesystem::path& programFolder);

// A picture file named relative to the program folder, as help.ini writes it ("\help\list.png":
// backslashes and any letter case), resolved against the real file system.
std::filesystem::path HelpPictureFile(const std::filesystem::path& programFolder, std::string_view name);

enum class HelpPictureKind {
  None,      // empty reference: the picture box keeps what it shows
  GameFace,  // "KAO_n": face n of the large game archive
  EditFace,  // "EKAO_n": face n of the large edit archive
  File,      // any other text: a picture file below the program folder
};

struct HelpPicture {
  HelpPictureKind Kind = HelpPictureKind::None;
  int FaceIndex = 0;     // for the two face kinds
  std::string FileName;  // for File: the reference, trimmed
};

// What a picture reference names. The prefixes are compared without regard to case; the face
// index is the number after the prefix (leading-number rule, 0 when there is none).
HelpPicture ParseHelpPicture(std::string_view reference);

}  // namespace tavlor
