// Automatic mode on Linux finds the game in $WINEPREFIX, ~/.wine and Steam's Proton prefixes, in
// that order, with the Documents folder of the prefix that has it.
#include <gtest/gtest.h>

#include "core/app/GameInstallSearch.h"
#include "core/app/PathSettings.h"
#include "support/PlatformSkips.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::TempFolder;
using testing::WriteFileBytes;

// A user.reg naming the game's folder, as Wine writes it.
std::string UserRegNaming(const std::string& windowsFolder) {
  std::string escaped;
  for (char c : windowsFolder) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga13\\\\Install] 1700000000\n"
         "\"InstallInfo\"=\"" +
         escaped + "\"\n";
}

class GameInstallSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TAVLOR_SKIP_ON_WINDOWS("Wine and Proton prefixes; Windows reads the registry (RegistryTest)");
    environment.Set("HOME", home.string());
    environment.Set("USER", "player");
    environment.Set("WINEPREFIX", std::nullopt);
    environment.Set("XDG_CONFIG_HOME", std::nullopt);
    fs::create_directories(home);
  }

  // A Proton prefix of app `app` in the Steam library `library`; `withGameDocuments` gives its
  // steamuser the game's edit-data file.
  fs::path ProtonPrefix(const fs::path& library, const std::string& app, bool withGameDocuments) {
    const fs::path prefix = library / "steamapps" / "compatdata" / app / "pfx";
    const fs::path documents = prefix / "drive_c" / "users" / "steamuser" / "Documents";
    fs::create_directories(documents);
    if (withGameDocuments) {
      fs::create_directories(documents / "KOEI/Nobunaga13/EDIT/SETDATA");
      WriteFileBytes(documents / "KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S", "");
    }
    WriteFileBytes(prefix / "user.reg", "WINE REGISTRY Version 2\n\n[Software\\\\Valve] 1\n");
    return prefix;
  }
  fs::path SteamRoot() const { return home / ".local" / "share" / "Steam"; }

  TempFolder folder;
  fs::path home = folder / "home";
  ScopedEnvironment environment;
};

TEST_F(GameInstallSearchTest, FindsTheGameInAFakeProtonPrefixAfterWinePrefixes) {
  // $WINEPREFIX and ~/.wine exist but know nothing of the game.
  fs::create_directories(folder / "wine");
  WriteFileBytes(folder / "wine" / "user.reg", "WINE REGISTRY Version 2\n");
  environment.Set("WINEPREFIX", (folder / "wine").string());
  fs::create_directories(home / ".wine");

  fs::create_directories(SteamRoot() / "steamapps");
  const fs::path other = ProtonPrefix(SteamRoot(), "1000", false);
  // The game sits in a second library that Steam lists (with its escaped backslashes).
  const fs::path library = folder / "games" / "SteamLibrary";
  WriteFileBytes(SteamRoot() / "steamapps" / "libraryfolders.vdf",
                 "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + SteamRoot().string() +
                     "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library.string() +
                     "\"\n\t\t\"apps\"\n\t\t{\n\t\t}\n\t}\n}\n");
  const fs::path game = ProtonPrefix(library, "3141592", true);
  WriteFileBytes(game / "user.reg", UserRegNaming("C:\\KOEI\\Nobunaga13\\"));
  // ~/.steam/steam is a link to the same Steam: no prefix is searched twice.
  fs::create_directories(home / ".steam");
  fs::create_directory_symlink(SteamRoot(), home / ".steam" / "steam");

  const GameInstallSearch search = FindGameInstall();
  ASSERT_EQ(search.SteamRoots.size(), 1u);
  ASSERT_EQ(search.Looked.size(), 3u);  // the game's prefix is searched before the other game's
  EXPECT_EQ(search.Looked[0].Source, "$WINEPREFIX");
  EXPECT_TRUE(search.Looked[0].HasUserRegistry);
  EXPECT_EQ(search.Looked[1].Source, "~/.wine");
  EXPECT_FALSE(search.Looked[1].HasUserRegistry);
  EXPECT_EQ(search.Looked[2].Prefix, fs::canonical(game));
  EXPECT_EQ(search.RegistryFrom, 2u);
  EXPECT_EQ(search.DocumentsFrom, 2u);
  EXPECT_EQ(search.GamePath, (fs::canonical(game) / "dosdevices").string() + "/c:/KOEI/Nobunaga13/");
  EXPECT_EQ(search.DocumentsFolder, (fs::canonical(game) / "drive_c/users/steamuser/Documents").string());

  const std::vector<fs::path> prefixes = FindProtonPrefixes(home);
  EXPECT_EQ(prefixes, (std::vector<fs::path>{fs::canonical(game), fs::canonical(other)}));

  // Set.ini's automatic mode takes both.
  WriteFileBytes(folder / "Set.ini", "[Tavlor]\nAUTOREADPATH=1\n");
  const PathSettings paths = ResolvePaths(folder.Path(), [](std::string_view, const std::string&) {});
  EXPECT_EQ(paths.GamePath, search.GamePath);
  EXPECT_EQ(paths.CustomizeFile, search.DocumentsFolder + "/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S");
  EXPECT_EQ(paths.KaoLPath, search.GamePath + "grp\\KAO_l.N13");
}

TEST_F(GameInstallSearchTest, EarlierPrefixesWinAndDocumentsFallBack) {
  fs::create_directories(SteamRoot() / "steamapps");
  const fs::path proton = ProtonPrefix(SteamRoot(), "77", true);
  WriteFileBytes(proton / "user.reg", UserRegNaming("D:\\N13\\"));
  fs::create_directories(home / ".wine" / "drive_c" / "users" / "player" / "Documents");
  WriteFileBytes(home / ".wine" / "user.reg", UserRegNaming("C:\\Games\\N13\\"));

  // ~/.wine has the game: Proton is never read, and ~/.wine's user gives the Documents.
  GameInstallSearch search = FindGameInstall();
  ASSERT_EQ(search.Looked.size(), 1u);
  EXPECT_EQ(search.GamePath, (home / ".wine" / "dosdevices").string() + "/c:/Games/N13/");
  EXPECT_EQ(search.DocumentsFolder, (home / ".wine/drive_c/users/player/Documents").string());

  // $WINEPREFIX comes before ~/.wine.
  fs::create_directories(folder / "wine");
  WriteFileBytes(folder / "wine" / "user.reg", UserRegNaming("E:\\N13\\"));
  environment.Set("WINEPREFIX", (folder / "wine").string());
  search = FindGameInstall();
  EXPECT_EQ(search.GamePath, (folder / "wine" / "dosdevices").string() + "/e:/N13/");
  // That prefix has no Documents: the first prefix searched whose Documents hold the edit data
  // is not reached, so the usual Documents folder is used.
  EXPECT_FALSE(search.DocumentsFrom.has_value());
  EXPECT_EQ(search.DocumentsFolder, (home / "Documents").string());

  // No registry entry anywhere: GamePath stays empty, and the Proton prefix holding the edit data
  // gives the Documents folder.
  fs::remove(folder / "wine" / "user.reg");
  fs::remove(home / ".wine" / "user.reg");
  fs::remove(proton / "user.reg");
  search = FindGameInstall();
  EXPECT_EQ(search.Looked.size(), 3u);
  EXPECT_FALSE(search.RegistryFrom.has_value());
  EXPECT_EQ(search.GamePath, "");
  EXPECT_EQ(search.DocumentsFolder, (fs::canonical(proton) / "drive_c/users/steamuser/Documents").string());
}

}  // namespace
}  // namespace tavlor
