// Which Set.ini is read (beside the program, the user's own, none yet), where the program's data
// files are found, and writing Set.ini back: kept lines, safe replacement, the fallback to the
// user's own settings when the program's folder cannot be written, and hostile files left alone.
#include <gtest/gtest.h>

#include <vector>

#include "core/app/DataFolder.h"
#include "core/app/GameInstallSearch.h"
#include "core/app/PathSettings.h"
#include "core/app/Settings.h"
#include "core/app/SettingsFile.h"
#include "core/app/SettingsLocation.h"
#include "core/data/FileCalls.h"
#include "support/FaultyFileCalls.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// HOME, the config folder and the Wine prefix are the test's own.
class SettingsLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.Set("HOME", home.string());
    environment.Set("XDG_CONFIG_HOME", config.string());
    environment.Set("WINEPREFIX", (folder / "prefix").string());
    environment.Set("USER", std::string("player"));
    environment.Set("APPDATA", config.string());  // where Windows keeps a user's own settings
    fs::create_directories(home);
    fs::create_directories(program);
  }

  static SettingsValues Manual(const std::string& game, const std::string& file, const std::string& faces) {
    SettingsValues values;
    values.Automatic = false;
    values.GamePath = game;
    values.CustomizeFile = file;
    values.EditKaoPath = faces;
    return values;
  }

  TempFolder folder;
  fs::path home = folder / "home";
  fs::path config = folder / "config";
  fs::path program = folder / "program";
#ifdef _WIN32
  fs::path userFile = config / "Tavlor" / "Set.ini";
  // A new Set.ini goes beside the program when its folder can be written (a portable folder).
  fs::path newFile = program / "Set.ini";
  static constexpr char kSeparator = '\\';
#else
  fs::path userFile = config / "tavlor" / "Set.ini";
  fs::path newFile = userFile;
  static constexpr char kSeparator = '/';
#endif
  testing::ScopedEnvironment environment;
};

TEST_F(SettingsLocationTest, BesideTheProgramWinsThenTheUsersOwnThenNone) {
  // None anywhere: automatic mode, and a new one goes to the user's own.
  SettingsLocation location = LocateSettings(program);
  EXPECT_EQ(location.Source, SettingsSource::NoneYet);
  EXPECT_EQ(location.File, newFile);
  std::vector<std::string> reports;
  const MessageReporter record = [&](std::string_view, const std::string& path) { reports.push_back(path); };
  GameInstallSearch search;
  ResolvePathsFrom(location, record, &search);
  EXPECT_TRUE(reports.empty()) << reports.front();
#ifndef _WIN32
  EXPECT_FALSE(search.Looked.empty());  // the automatic search ran through the Wine prefixes
#endif

  fs::create_directories(userFile.parent_path());
  WriteFileBytes(userFile, "[Tavlor]\nAUTOREADPATH=0\nGAMEPATH=/user/\n");
  location = LocateSettings(program);
  EXPECT_EQ(location.Source, SettingsSource::UserSettings);
  EXPECT_EQ(location.File, userFile);
  EXPECT_EQ(ResolvePathsFrom(location, record).GamePath, "/user/");

  WriteFileBytes(program / "Set.ini", "[Tavlor]\nAUTOREADPATH=0\nGAMEPATH=/beside/\n");
  location = LocateSettings(program);
  EXPECT_EQ(location.Source, SettingsSource::BesideProgram);
  EXPECT_EQ(location.File, program / "Set.ini");
  EXPECT_EQ(ResolvePathsFrom(location, record).GamePath, "/beside/");
  EXPECT_TRUE(reports.empty());

  // A folder named on the command line is read as it stands: missing, it says so as always.
  fs::remove(program / "Set.ini");
  ResolvePathsFrom(SettingsInFolder(program), record);
  EXPECT_EQ(reports.size(), 4u);
}

TEST_F(SettingsLocationTest, UserSettingsFollowXdgConfigHomeOnlyWhenAbsolute) {
#ifdef _WIN32
  // Windows: %APPDATA%\Tavlor\Set.ini, and none without APPDATA.
  EXPECT_EQ(UserSettingsFile(), userFile);
  environment.Set("APPDATA", std::nullopt);
  EXPECT_EQ(UserSettingsFile(), fs::path());
  return;
#endif
  EXPECT_EQ(UserSettingsFile(), userFile);
  environment.Set("XDG_CONFIG_HOME", std::string("relative/config"));
  EXPECT_EQ(UserSettingsFile(), home / ".config" / "tavlor" / "Set.ini");
  environment.Set("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(UserSettingsFile(), home / ".config" / "tavlor" / "Set.ini");
}

TEST_F(SettingsLocationTest, DataFilesBesideTheProgramElseInShareTavlor) {
  const fs::path bin = folder / "usr" / "bin";
  const fs::path share = folder / "usr" / "share" / "tavlor";
  fs::create_directories(bin);
  fs::create_directories(share);
  EXPECT_EQ(FindDataFolder(bin), bin);  // none anywhere: messages name the program's folder
  WriteFileBytes(share / "GBKN.dat", "x");
  EXPECT_EQ(FindDataFolder(bin), share);
  WriteFileBytes(bin / "help.ini", "x");  // a portable or build folder keeps its own
  EXPECT_EQ(FindDataFolder(bin), bin);
}

TEST_F(SettingsLocationTest, RewritingKeepsLineOneAndUnknownLinesAndReplacesWhatTheReaderReads) {
  const std::string old =
      "AUTOREADPATH=0\r\nGamePathOld=C:\\old\\\r\nLANGUAGE=BIG\r\ngamepath=C:\\older\\\r\nAUTOREADPATH=2\r\n";
  const std::string text = RewriteSettingsText(old, Manual("D:\\N13\\", "D:\\E.13S", "D:\\N13\\"));
  // Line 1 is never read and stays; the prefix line the reader takes for GAMEPATH is the one replaced.
  EXPECT_EQ(
      text,
      "AUTOREADPATH=0\r\nGAMEPATH=D:\\N13\\\r\nLANGUAGE=BIG\r\ngamepath=C:\\older\\\r\nAUTOREADPATH=0\r\n"
      "CUSTOMIZEFILE=D:\\E.13S\r\nEDITKAOPATH=D:\\N13\\\r\n");
  EXPECT_EQ(FindIniValue(text, "GAMEPATH"), "D:\\N13\\");
  EXPECT_EQ(FindIniValue(text, "AUTOREADPATH"), "0");

  // Automatic mode touches only its own line; the manual paths stay for a way back.
  SettingsValues automatic;
  EXPECT_EQ(RewriteSettingsText("[x]\nGAMEPATH=/g/\nAUTOREADPATH=0", automatic),
            "[x]\nGAMEPATH=/g/\nAUTOREADPATH=1");
  // A file of one line without an ending, and an empty one.
  EXPECT_EQ(RewriteSettingsText("[x]", automatic), "[x]\r\nAUTOREADPATH=1\r\n");
  EXPECT_EQ(RewriteSettingsText("", automatic), "[Tavlor]\r\nAUTOREADPATH=1\r\n");
  EXPECT_EQ(AsSettingsFolder(" /games/N13 "), std::string("/games/N13") + kSeparator);
  EXPECT_EQ(AsSettingsFolder("C:\\N13\\"), "C:\\N13\\");
}

TEST_F(SettingsLocationTest, WritingReplacesTheFileSafelyAndReadsBackAsStartupReadsIt) {
  WriteFileBytes(program / "Set.ini", "; my notes\nAUTOREADPATH=1\nTHEME=dark\n");
  const SettingsLocation location = LocateSettings(program);
  const SettingsWriteResult written =
      WriteSettings(location, Manual("/games/N13", " /saves/E.13S ", "/faces"));
  ASSERT_FALSE(written.Error) << DescribeFileError(written.Error);
  EXPECT_FALSE(written.FellBackToUserSettings);
  EXPECT_EQ(written.WrittenTo, program / "Set.ini");
  EXPECT_EQ(ReadFileBytes(program / "Set.ini"),
            std::string("; my notes\nAUTOREADPATH=0\nTHEME=dark\nGAMEPATH=/games/N13") + kSeparator +
                "\nCUSTOMIZEFILE=/saves/E.13S\nEDITKAOPATH=/faces" + kSeparator + "\n");
  const PathSettings paths = ResolvePathsFrom(LocationAfterWrite(location, written), {});
  EXPECT_EQ(paths.KaoLPath, std::string("/games/N13") + kSeparator + "grp\\KAO_l.N13");
  EXPECT_EQ(paths.CustomizeFile, "/saves/E.13S");
  const SettingsReading reading = ReadSettingsValues(program / "Set.ini");
  EXPECT_FALSE(reading.Values.Automatic);
  EXPECT_EQ(reading.Values.EditKaoPath, std::string("/faces") + kSeparator);
  for (const auto& entry : fs::directory_iterator(program))  // no temporary file left
    EXPECT_TRUE(entry.path().filename() == "Set.ini" || entry.path().filename() == "Set.ini.bak")
        << entry.path();

  // No Set.ini yet: the new one is made (on Linux the user's own, folder and all).
  fs::remove(program / "Set.ini");
  fs::remove(program / "Set.ini.bak");
  const SettingsWriteResult first = WriteSettings(LocateSettings(program), SettingsValues{});
  ASSERT_FALSE(first.Error) << DescribeFileError(first.Error);
  EXPECT_EQ(first.WrittenTo, newFile);
  EXPECT_EQ(ReadFileBytes(newFile), "[Tavlor]\r\nAUTOREADPATH=1\r\n");
  EXPECT_EQ(LocationAfterWrite(LocateSettings(program), first).Source,
            newFile == userFile ? SettingsSource::UserSettings : SettingsSource::BesideProgram);
}

TEST_F(SettingsLocationTest, AnUnwritableProgramFolderFallsBackToTheUsersOwnAndSaysWhy) {
  const std::string beside = "[Tavlor]\nAUTOREADPATH=1\n";
  WriteFileBytes(program / "Set.ini", beside);
  testing::FaultyFileCalls calls;
  calls.FailAt(0, std::errc::permission_denied);  // the temporary file beside the program
  ScopedFileCalls use(calls);
  const SettingsLocation location = LocateSettings(program);
  const SettingsWriteResult written = WriteSettings(location, Manual("/g", "/e.13S", "/g"));
  ASSERT_FALSE(written.Error) << DescribeFileError(written.Error);
  EXPECT_TRUE(written.FellBackToUserSettings);
  EXPECT_EQ(written.WrittenTo, userFile);
  EXPECT_EQ(written.BesideProgramError.Path.parent_path(), program);
  EXPECT_NE(written.BesideProgramError.Reason.find("ermission"), std::string::npos)
      << written.BesideProgramError.Reason;
  EXPECT_EQ(ReadFileBytes(program / "Set.ini"), beside);
  EXPECT_EQ(ReadSettingsValues(userFile).Values.GamePath, std::string("/g") + kSeparator);
  EXPECT_EQ(LocationAfterWrite(location, written).File, userFile);
}

TEST_F(SettingsLocationTest, WhenNeitherPlaceCanBeWrittenNothingChangesAndTheErrorSaysWhere) {
  WriteFileBytes(program / "Set.ini", "[Tavlor]\nAUTOREADPATH=1\n");
  fs::create_directories(config);
  WriteFileBytes(userFile.parent_path(), "a file where the folder belongs");
  testing::FaultyFileCalls calls;
  calls.FailAt(0, std::errc::read_only_file_system);
  ScopedFileCalls use(calls);
  const SettingsWriteResult written = WriteSettings(LocateSettings(program), Manual("/g", "/e", "/g"));
  ASSERT_TRUE(written.Error);
  EXPECT_EQ(written.Error.Path.string().rfind(userFile.parent_path().string(), 0), 0u) << written.Error.Path;
  EXPECT_FALSE(written.FellBackToUserSettings);
  EXPECT_EQ(ReadFileBytes(program / "Set.ini"), "[Tavlor]\nAUTOREADPATH=1\n");
}

TEST_F(SettingsLocationTest, HostileSettingsFilesAreNeverWrittenOverNorWorkedRound) {
  // Too large to be settings: refused as start-up refuses it, kept, and no user file made.
  const std::string huge = "[Tavlor]\n" + std::string(4 * 1024 * 1024, 'A');
  WriteFileBytes(program / "Set.ini", huge);
  const SettingsReading reading = ReadSettingsValues(program / "Set.ini");
  EXPECT_TRUE(reading.Exists);
  EXPECT_FALSE(reading.Problem.empty());
  SettingsWriteResult written = WriteSettings(LocateSettings(program), SettingsValues{});
  ASSERT_TRUE(written.Error);
  EXPECT_EQ(written.Error.What, FileError::Kind::CannotRead);
  EXPECT_EQ(ReadFileBytes(program / "Set.ini").size(), huge.size());
  EXPECT_FALSE(fs::exists(userFile));

  // A folder where Set.ini should be, and a path with a line break that would add a line.
  fs::remove(program / "Set.ini");
  fs::create_directories(program / "Set.ini");
  written = WriteSettings(SettingsInFolder(program), SettingsValues{});
  EXPECT_EQ(written.Error.What, FileError::Kind::CannotRead);
  fs::remove(program / "Set.ini");
  written = WriteSettings(LocateSettings(program), Manual("/g\nAUTOREADPATH=2", "/e", "/g"));
  ASSERT_TRUE(written.Error);
  EXPECT_FALSE(fs::exists(userFile));

  // Binary bytes and lone carriage returns are kept byte for byte around the new lines.
  const std::string odd = std::string("\xff\xfe\0line\r", 8) + "\nX=\x81\x40\r\rY\n";
  fs::create_directories(userFile.parent_path());
  WriteFileBytes(userFile, odd);
  written = WriteSettings(LocateSettings(program), SettingsValues{});
  ASSERT_FALSE(written.Error) << DescribeFileError(written.Error);
  EXPECT_EQ(ReadFileBytes(userFile), odd + "AUTOREADPATH=1\r\n");
}

}  // namespace
}  // namespace tavlor
