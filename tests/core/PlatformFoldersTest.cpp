// The Wine prefix stands in for the registry and the Documents folder on Linux.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "core/app/PlatformFolders.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempFolder;
using testing::WriteFileBytes;

class PlatformFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP()
        << "the Wine prefix stands in for the registry on Linux only; WindowsPlatformTest covers Windows";
#endif
    environment.Set("WINEPREFIX", (folder / "prefix").string());
    environment.Set("HOME", (folder / "home").string());
    environment.Set("USER", "player");
    environment.Set("XDG_CONFIG_HOME", std::nullopt);
    fs::create_directories(folder / "prefix" / "drive_c" / "users" / "player");
    fs::create_directories(folder / "home" / ".config");
  }

  TempFolder folder;
  ScopedEnvironment environment;
};

constexpr const char* kKey = "Software\\KOEI\\Nobunaga13\\Install";

TEST_F(PlatformFoldersTest, ReadsTheInstallFolderFromUserReg) {
  WriteFileBytes(folder / "prefix" / "user.reg",
                 "WINE REGISTRY Version 2\n"
                 ";; All keys relative to \\\\User\\\\S-1-5-21\n\n"
                 "[Software\\\\KOEI\\\\Nobunaga13] 1700000000\n"
                 "\"InstallInfo\"=\"C:\\\\wrong\\\\\"\n\n"
                 "[Software\\\\KOEI\\\\Nobunaga13\\\\Install] 1700000000\n"
                 "#time=1d9a1b2c3d4e5f6\n"
                 "\"Other\"=dword:00000001\n"
                 "\"InstallInfo\"=\"C:\\\\Program Files\\\\KOEI\\\\Say \\\"hi\\\"\\\\\"\n"
                 "\"Expand\"=str(2):\"%ProgramFiles%\\\\N13\"\n"
                 "\"Hex\"=hex(2):25,00,00,00\n"
                 "@=\"default\"\n");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "InstallInfo"),
            "C:\\Program Files\\KOEI\\Say \"hi\"\\");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, "software\\koei\\NOBUNAGA13\\install", "installinfo"),
            "C:\\Program Files\\KOEI\\Say \"hi\"\\");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "Expand"), "%ProgramFiles%\\N13");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "Hex"), "");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "Other"), "");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "Missing"), "");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, "Software\\KOEI", "InstallInfo"), "");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, "", "InstallInfo"), "");
}

TEST_F(PlatformFoldersTest, AMissingRegistryOrPrefixGivesEmptyText) {
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "InstallInfo"), "");
  environment.Set("WINEPREFIX", std::nullopt);
  EXPECT_EQ(WinePrefix(), folder / "home" / ".wine");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "InstallInfo"), "");
  // A value whose quote never closes is not taken.
  WriteFileBytes(folder / "prefix" / "user.reg",
                 "[Software\\\\KOEI\\\\Nobunaga13\\\\Install]\n\"InstallInfo\"=\"C:\\\\N13\n");
  environment.Set("WINEPREFIX", (folder / "prefix").string());
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, kKey, "InstallInfo"), "");
}

TEST_F(PlatformFoldersTest, DocumentsComeFromThePrefixThenXdgThenHome) {
  const fs::path users = folder / "prefix" / "drive_c" / "users" / "player";
  // No Documents anywhere: ~/Documents.
  EXPECT_EQ(GetMyDocPath(), (folder / "home" / "Documents").string());
  // The desktop's Documents folder.
  WriteFileBytes(folder / "home" / ".config" / "user-dirs.dirs",
                 "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                 "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente/\"\n");
  EXPECT_EQ(GetMyDocPath(), (folder / "home" / "Dokumente").string());
  // The prefix's user folder wins, "My Documents" of older prefixes too.
  fs::create_directories(users / "My Documents");
  EXPECT_EQ(GetMyDocPath(), (users / "My Documents").string());
  fs::create_directories(users / "Documents");
  EXPECT_EQ(GetMyDocPath(), (users / "Documents").string());
}

TEST_F(PlatformFoldersTest, MapsWindowsDrivesIntoThePrefix) {
  const std::string dosdevices = (folder / "prefix" / "dosdevices").string();
  EXPECT_EQ(MapWindowsPathToPrefix("C:\\Games\\N13\\"), dosdevices + "/c:/Games/N13/");
  EXPECT_EQ(MapWindowsPathToPrefix("z:\\home\\x"), dosdevices + "/z:/home/x");
  EXPECT_EQ(MapWindowsPathToPrefix("D:"), dosdevices + "/d:");
  EXPECT_EQ(MapWindowsPathToPrefix("/already/unix/"), "/already/unix/");
  EXPECT_EQ(MapWindowsPathToPrefix("\\\\server\\share"), "\\\\server\\share");
  EXPECT_EQ(MapWindowsPathToPrefix(""), "");
}

}  // namespace
}  // namespace tavlor
