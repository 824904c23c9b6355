// Settling the game paths from Set.ini or the Wine prefix, and finding game files whatever their
// separators and letter case.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/app/PathSettings.h"
#include "core/lang/InterfaceTexts.h"
#include "support/PlatformSkips.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteFileBytes;

// Every variable the search reads is the test's own: a HOME, a Wine prefix and a user inside the
// test's folder, so that no real prefix, Steam library or Documents folder is ever looked at.
class PathSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.Set("HOME", (folder / "home").string());
    environment.Set("XDG_CONFIG_HOME", (folder / "home" / ".config").string());
    environment.Set("WINEPREFIX", (folder / "prefix").string());
    environment.Set("USER", std::string("player"));
    fs::create_directories(folder / "home");
    fs::create_directories(folder / "program");
  }

  PathSettings Resolve(const std::string& settings) {
    WriteFileBytes(folder / "program" / "Set.ini", settings);
    return ResolvePaths(folder / "program", Recorder());
  }
  MessageReporter Recorder() {
    return [this](std::string_view message, const std::string& path) {
      reports.emplace_back(std::string(message) + "|" + path);
    };
  }

  TempFolder folder;
  std::vector<std::string> reports;
  testing::ScopedEnvironment environment;
};

TEST_F(PathSettingsTest, ManualModeTakesTheThreeKeysTrimmed) {
  const PathSettings paths = Resolve(
      "[Nobunaga13]\r\nAUTOREADPATH=0\r\ngamepath= /games/n13/ \r\nCUSTOMIZEFILE=/saves/EDATA000.13S\r\n"
      "EDITKAOPATH=/edit/\r\n");
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(paths.GamePath, "/games/n13/");
  EXPECT_EQ(paths.CustomizeFile, "/saves/EDATA000.13S");
  EXPECT_EQ(paths.EditKaoPath, "/edit/");
  EXPECT_EQ(paths.KaoLPath, "/games/n13/grp\\KAO_l.N13");
  EXPECT_EQ(paths.KaoMPath, "/games/n13/grp\\KAO_M.N13");
  EXPECT_EQ(paths.KaoSPath, "/games/n13/grp\\KAO_s.N13");
  EXPECT_EQ(paths.EditKaoLPath, "/edit/grp\\EDIT_KAO_l.N13");
  EXPECT_EQ(paths.EditKaoMPath, "/edit/grp\\EDIT_KAO_M.n13");
  EXPECT_EQ(paths.EditKaoSPath, "/edit/grp\\EDIT_KAO_s.N13");
}

TEST_F(PathSettingsTest, AutoreadpathSelectsTheMode) {
  TAVLOR_SKIP_ON_WINDOWS("Documents under HOME; Windows asks the shell (WindowsFoldersTest)");
  // Automatic mode with nothing installed: no game found, so no game path, and the edit-data file
  // in the test HOME's Documents.
  const std::string homeEditData =
      (folder / "home" / "Documents").string() + "/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S";
  for (const char* automatic : {"1", " 1", "1.0"}) {
    const PathSettings paths = Resolve(std::string("x\nAUTOREADPATH=") + automatic + "\nGAMEPATH=/manual/\n");
    EXPECT_EQ(paths.GamePath, "") << automatic;
    EXPECT_EQ(paths.CustomizeFile, homeEditData) << automatic;
  }
  for (const char* manual : {"0", "word", ""}) {
    const PathSettings paths = Resolve(std::string("x\nAUTOREADPATH=") + manual + "\nGAMEPATH=/manual/\n");
    EXPECT_EQ(paths.GamePath, "/manual/") << manual;
  }
  const PathSettings neither = Resolve("x\nAUTOREADPATH=2\nGAMEPATH=/manual/\n");
  EXPECT_EQ(neither.GamePath, "");
  EXPECT_EQ(neither.CustomizeFile, "");
  EXPECT_EQ(neither.KaoLPath, "grp\\KAO_l.N13");
  // Only on line 1, AUTOREADPATH is never seen: manual mode with empty keys.
  const PathSettings onlyLineOne = Resolve("AUTOREADPATH=1\n");
  EXPECT_EQ(onlyLineOne.GamePath, "");
  EXPECT_EQ(onlyLineOne.CustomizeFile, "");
  EXPECT_TRUE(reports.empty());
}

TEST_F(PathSettingsTest, AutomaticModeFindsTheGameThroughThePrefix) {
  TAVLOR_SKIP_ON_WINDOWS("the game found in a Wine prefix; Windows reads the registry (RegistryTest)");
  const fs::path prefix = folder / "prefix";
  fs::create_directories(prefix / "drive_c" / "Games" / "N13" / "GRP");
  fs::create_directories(prefix / "drive_c" / "users" / "player" / "Documents");
  fs::create_directories(prefix / "dosdevices");
  fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
  WriteFileBytes(prefix / "drive_c" / "Games" / "N13" / "GRP" / "edit_kao_m.N13", "face");
  WriteFileBytes(prefix / "user.reg",
                 "WINE REGISTRY Version 2\n[Software\\\\KOEI\\\\Nobunaga13\\\\Install] 1\n"
                 "\"InstallInfo\"=\"  C:\\\\Games\\\\N13\\\\ \"\n");

  const PathSettings paths = Resolve("x\nAUTOREADPATH=1\n");
  EXPECT_EQ(paths.GamePath, (prefix / "dosdevices").string() + "/c:/Games/N13/");
  EXPECT_EQ(paths.EditKaoPath, paths.GamePath);
  EXPECT_EQ(paths.CustomizeFile, (prefix / "drive_c" / "users" / "player" / "Documents").string() +
                                     "/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S");
  const fs::path face = ResolveGameFile(paths.EditKaoMPath);
  EXPECT_TRUE(fs::is_regular_file(face)) << face;
  EXPECT_EQ(face.filename(), "edit_kao_m.N13");
}

TEST_F(PathSettingsTest, AMissingSettingsFileGivesFourReportsAndEmptyPaths) {
  const PathSettings paths = ResolvePaths(folder / "program", Recorder());
  ASSERT_EQ(reports.size(), 4u);
  const std::string expected =
      std::string(texts::CannotLoadSettings) + "|" + (folder / "program" / "Set.ini").string();
  for (const std::string& report : reports) EXPECT_EQ(report, expected);
  EXPECT_EQ(paths.GamePath, "");
  EXPECT_EQ(paths.CustomizeFile, "");
  EXPECT_EQ(paths.EditKaoPath, "");
}

TEST_F(PathSettingsTest, AGamePathWithoutTrailingSeparatorGluesTheArchiveName) {
  const PathSettings paths = Resolve("x\nAUTOREADPATH=0\nGAMEPATH=/games/n13\n");
  EXPECT_EQ(paths.KaoLPath, "/games/n13grp\\KAO_l.N13");
}

TEST_F(PathSettingsTest, ResolveGameFileIgnoresSeparatorsAndLetterCase) {
  TAVLOR_SKIP_ON_WINDOWS("letter case matched by hand; Windows file names ignore it themselves");
  const fs::path root = folder.Path();
  fs::create_directories(root / "Game" / "grp");
  WriteFileBytes(root / "Game" / "grp" / "EDIT_KAO_M.N13", "m");
  WriteFileBytes(root / "Game" / "grp" / "KAO_l.N13", "l");

  EXPECT_EQ(ResolveGameFile(root.string() + "/Game/grp\\EDIT_KAO_M.n13"),
            root / "Game" / "grp" / "EDIT_KAO_M.N13");
  EXPECT_EQ(ResolveGameFile(root.string() + "\\GAME\\GRP\\kao_L.n13"), root / "Game" / "grp" / "KAO_l.N13");
  // An exact match is preferred over a case-insensitive one.
  WriteFileBytes(root / "Game" / "grp" / "kao_l.n13", "other");
  EXPECT_EQ(ResolveGameFile(root.string() + "/Game/grp/kao_l.n13"), root / "Game" / "grp" / "kao_l.n13");
  // Nothing matches: the rest of the path is kept as written, with separators converted.
  EXPECT_EQ(ResolveGameFile(root.string() + "\\game\\New Folder\\EDATA000.13S"),
            root / "Game" / "New Folder" / "EDATA000.13S");
  EXPECT_EQ(ResolveGameFile(""), fs::path());
}

TEST_F(PathSettingsTest, SharedPathSettingsIsOneInstance) {
  SharedPathSettings().GamePath = "/shared/";
  EXPECT_EQ(SharedPathSettings().GamePath, "/shared/");
  SharedPathSettings() = {};
}

}  // namespace
}  // namespace tavlor
