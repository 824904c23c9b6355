#include "support/ShippedFiles.h"

namespace tavlor::testing {

std::filesystem::path ShippedFolder() {
  return std::filesystem::path(TAVLOR_SOURCE_DIR) / "assets";
}

std::filesystem::path DemoGameFolder() {
#ifdef TAVLOR_TEST_DEMO_DIR
  const std::filesystem::path folder = TAVLOR_TEST_DEMO_DIR;
  if (std::filesystem::exists(folder / "EDATA000.13S")) return folder;
#endif
  return {};
}

std::filesystem::path GuidePicturesFolder() {
#ifdef TAVLOR_GUIDE_PICTURES_DIR
  const std::filesystem::path folder = TAVLOR_GUIDE_PICTURES_DIR;
  if (std::filesystem::is_directory(folder)) return folder;
#endif
  return {};
}

ShippedProgramFolder::ShippedProgramFolder() {
  for (const auto& entry : std::filesystem::directory_iterator(ShippedFolder())) {
    if (entry.is_regular_file() && entry.path().filename() != "CMakeLists.txt")
      std::filesystem::copy_file(entry.path(), folder_ / entry.path().filename().string());
  }
}

void ShippedProgramFolder::WriteSetIni(const std::filesystem::path& gameFolder,
                                       const std::filesystem::path& editDataFile) const {
  const std::string game = gameFolder.string() + "/";
  WriteFileBytes(folder_ / "Set.ini", "[Tavlor test]\r\nAUTOREADPATH=0\r\nGAMEPATH=" + game +
                                          "\r\nCUSTOMIZEFILE=" + editDataFile.string() +
                                          "\r\nEDITKAOPATH=" + game + "\r\n");
}

}  // namespace tavlor::testing
