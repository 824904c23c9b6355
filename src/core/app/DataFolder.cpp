// The data folder: beside the program first, the installed share folder second.
#include "core/app/DataFolder.h"

#include <system_error>

namespace tavlor {
namespace fs = std::filesystem;
namespace {

bool HoldsDataFiles(const fs::path& folder) {
  std::error_code code;
  for (const char* name : kDataFileNames) {
    if (fs::is_regular_file(folder / name, code)) return true;
  }
  return false;
}

}  // namespace

fs::path FindDataFolder(const fs::path& programFolder) {
  if (HoldsDataFiles(programFolder)) return programFolder;
  const fs::path installed = (programFolder / ".." / "share" / "tavlor").lexically_normal();
  if (HoldsDataFiles(installed)) return installed;
  return programFolder;
}

}  // namespace tavlor
