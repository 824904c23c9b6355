// tavlor-cli paths tells a player where the editor looked for the game, what it found and what it
// will use; run with a home folder, Wine prefix and Set.ini the test makes.
#include <gtest/gtest.h>

#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::Quoted;
using testing::RunResult;
using testing::TempFolder;
using testing::WriteFileBytes;

class PathsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // These are the Linux rules (HOME, XDG, Wine prefixes); the Windows program's registry and
    // Documents are checked in a Wine prefix of their own by scripts/windows/wine-checks.sh.
    if (testing::CliIsAnotherBuild()) GTEST_SKIP() << "the Linux paths rules, run on the Linux program";
  }
  RunResult Paths() const {
    return testing::RunShell("env -u XDG_CONFIG_HOME HOME=" + Quoted(home.string()) +
                             " USER=player WINEPREFIX=" + Quoted((folder / "wine").string()) + " " +
                             Quoted(TAVLOR_CLI_PATH) + " paths --program-folder=" + Quoted(program.string()));
  }
  static bool Has(const RunResult& run, const std::string& text) {
    return run.Out.find(text) != std::string::npos;
  }

  TempFolder folder;
  fs::path home = folder / "home";
  fs::path program = folder / "program";
};

TEST_F(PathsCommandTest, SaysWhereItLookedWhatItFoundAndWhatItWillUse) {
  fs::create_directories(program);
  fs::create_directories(home);
  WriteFileBytes(program / "Set.ini", "[Tavlor]\r\nAUTOREADPATH=1\r\n");

  // Not found anywhere: every place searched is named, and the paths stay empty or missing.
  RunResult run = Paths();
  ASSERT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_TRUE(Has(run, "AUTOREADPATH: 1 (automatic")) << run.Out;
  EXPECT_TRUE(Has(run, "Steam folders: none found")) << run.Out;
  EXPECT_TRUE(Has(run, "$WINEPREFIX  " + (folder / "wine").string() + ": no user.reg")) << run.Out;
  EXPECT_TRUE(Has(run, "~/.wine  " + (home / ".wine").string() + ": no user.reg")) << run.Out;
  EXPECT_TRUE(Has(run, "The game's registry entry was not found")) << run.Out;
  EXPECT_TRUE(Has(run, "GamePath: (empty)")) << run.Out;

  // A fake Proton prefix with the game: found, marked, and its edit-data file in use.
  const fs::path prefix = home / ".local/share/Steam/steamapps/compatdata/4242/pfx";
  const fs::path documents = prefix / "drive_c/users/steamuser/Documents";
  const fs::path editData = documents / "KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S";
  fs::create_directories(editData.parent_path());
  WriteFileBytes(editData, "");
  WriteFileBytes(prefix / "user.reg",
                 "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga13\\\\Install] 1\n"
                 "\"InstallInfo\"=\"C:\\\\KOEI\\\\N13\\\\\"\n");
  fs::create_directories(prefix / "drive_c/KOEI/N13/grp");
  fs::create_directories(prefix / "dosdevices");
  fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
  WriteFileBytes(prefix / "drive_c/KOEI/N13/grp/KAO_L.n13", "");

  run = Paths();
  ASSERT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_TRUE(Has(run, "Steam folder: " + (home / ".local/share/Steam").string())) << run.Out;
  EXPECT_TRUE(
      Has(run, "Steam (Proton)  " + prefix.string() +
                   ": InstallInfo = C:\\KOEI\\N13\\; Documents hold EDATA000.13S  <- the game's folder  "
                   "<- the Documents folder"))
      << run.Out;
  EXPECT_TRUE(Has(run, "CustomizeFile: " + editData.string() + "  (found:")) << run.Out;
  EXPECT_TRUE(Has(run, "GamePath: " + (prefix / "dosdevices").string() + "/c:/KOEI/N13/  (found:"))
      << run.Out;
  // The archive's name is matched without regard to letter case.
  EXPECT_TRUE(Has(run, "grp\\KAO_l.N13  (found: ")) << run.Out;
  EXPECT_TRUE(Has(run, "grp/KAO_L.n13)")) << run.Out;
  EXPECT_TRUE(Has(run, "grp\\KAO_M.N13  (not found as ")) << run.Out;
}

TEST_F(PathsCommandTest, ManualModeAndWhichSettingsFileIsRead) {
  fs::create_directories(program);
  fs::create_directories(home);
  // None beside the program and none of the user's own: automatic mode, without complaint.
  RunResult run = Paths();
  ASSERT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_TRUE(Has(run, "Set.ini: none (neither beside the program, " + (program / "Set.ini").string()))
      << run.Out;
  EXPECT_TRUE(Has(run, "will write " + (home / ".config/tavlor/Set.ini").string())) << run.Out;
  EXPECT_FALSE(Has(run, "Set.ini cannot be read")) << run.Out;
  EXPECT_TRUE(Has(run, "AUTOREADPATH: 1 (automatic")) << run.Out;

  // The user's own is read when there is none beside the program.
  fs::create_directories(home / ".config/tavlor");
  WriteFileBytes(home / ".config/tavlor/Set.ini", "[Tavlor]\nAUTOREADPATH=0\n");
  run = Paths();
  EXPECT_TRUE(Has(run, "Set.ini: " + (home / ".config/tavlor/Set.ini").string() + " (the user's own"))
      << run.Out;
  EXPECT_TRUE(Has(run, "AUTOREADPATH: 0 (manual")) << run.Out;

  // An empty Set.ini beside the program wins, and says it cannot be read.
  WriteFileBytes(program / "Set.ini", "");
  run = Paths();
  EXPECT_TRUE(Has(run, "(beside the program: it wins")) << run.Out;
  EXPECT_TRUE(Has(run, "Set.ini cannot be read")) << run.Out;

  WriteFileBytes(program / "Set.ini",
                 "[Tavlor]\nAUTOREADPATH=0\nCUSTOMIZEFILE=" + (folder / "E.13S").string() + "\n");
  WriteFileBytes(folder / "E.13S", "");
  run = Paths();
  EXPECT_FALSE(Has(run, "Set.ini cannot be read")) << run.Out;
  EXPECT_FALSE(Has(run, "Wine prefixes searched")) << run.Out;
  EXPECT_TRUE(Has(run, "CustomizeFile: " + (folder / "E.13S").string() + "  (found:")) << run.Out;
}

}  // namespace
}  // namespace tavlor
