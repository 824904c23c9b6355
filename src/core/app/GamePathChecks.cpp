// The settings window's checks, on the same readers start-up uses.
#include "core/app/GamePathChecks.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

#include "core/app/PathSettings.h"
#include "core/app/SettingsFile.h"
#include "core/data/EditData.h"
#include "core/portraits/FaceArchive.h"

namespace tavlor {
namespace fs = std::filesystem;

PathCheck CheckFaceFolder(const std::string& folder, bool editFaces) {
  PathCheck check;
  const std::string value = AsSettingsFolder(folder);
  if (value.empty()) return check;
  std::error_code code;
  if (!fs::is_directory(ResolveGameFile(value), code)) {
    check.What = PathCheck::Kind::Missing;
    check.Detail = ResolveGameFile(value).string();
    return check;
  }
  const fs::path archive = ResolveGameFile(value + (editFaces ? "grp\\EDIT_KAO_l.N13" : "grp\\KAO_l.N13"));
  check.Detail = archive.string();
  if (!fs::is_regular_file(archive, code)) {
    check.What = PathCheck::Kind::NoArchive;
    return check;
  }
  std::string reason;
  const std::unique_ptr<FaceArchive> opened = FaceArchive::Open(archive, &reason);
  if (!opened) {
    check.What = PathCheck::Kind::DamagedArchive;
    check.Detail = reason;
    return check;
  }
  check.What = PathCheck::Kind::Found;
  check.Count = opened->EntryCount();
  return check;
}

PathCheck CheckEditDataFile(const std::string& file) {
  PathCheck check;
  const std::string value = AsSettingsFolder(file).empty() ? std::string() : file;
  if (value.find_first_not_of(' ') == std::string::npos) return check;
  const fs::path path = ResolveGameFile(value);
  check.Detail = path.string();
  std::error_code code;
  if (!fs::is_regular_file(path, code)) {
    check.What = PathCheck::Kind::Missing;
    return check;
  }
  // The file holds at most 20 + 1000 x 375 bytes; a much larger one is read no further.
  constexpr std::uintmax_t kLargestEditData = 1024 * 1024;
  if (fs::file_size(path, code) > kLargestEditData) {
    check.What = PathCheck::Kind::NotEditData;
    check.Detail = "far larger than an edit-data file";
    return check;
  }
  // Read into a table of its own: the checks never touch the program's General table.
  auto table = std::make_unique<GeneralTable>();
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const LoadReport report = ParseEditData(bytes, *table);
  if (report.Error) {
    check.What = PathCheck::Kind::NotEditData;
    check.Detail = report.Error.Reason;
    return check;
  }
  check.What = PathCheck::Kind::Found;
  check.Count = table->GeneralCount;
  return check;
}

}  // namespace tavlor
