// Set.ini lookups.
#include <gtest/gtest.h>

#include <vector>

#include "core/app/Settings.h"
#include "core/lang/InterfaceTexts.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

TEST(SettingsTest, FindsKeysByCaseInsensitivePrefixAfterLineOne) {
  const std::string ini =
      "AUTOREADPATH=1\n"  // line 1 is never examined
      "gamepathX=wrong-but-first\n"
      "autoreadpath=0\n"
      "GAMEPATH=C:\\Games\\N13\\\n"
      "CUSTOMIZEFILE =D:\\data\\EDATA000.13S\n"
      "EDITKAOPATH\n"
      "EMPTY=\n";
  EXPECT_EQ(FindIniValue(ini, "AUTOREADPATH"), "0");
  // A longer key that starts with GAMEPATH wins when it comes first: the value starts two
  // characters after the eight of the key.
  EXPECT_EQ(FindIniValue(ini, "GAMEPATH"), "=wrong-but-first");
  // A blank before the separator: the value begins with the separator.
  EXPECT_EQ(FindIniValue(ini, "CUSTOMIZEFILE"), "=D:\\data\\EDATA000.13S");
  EXPECT_EQ(FindIniValue(ini, "  customizefile  "), "=D:\\data\\EDATA000.13S");
  EXPECT_EQ(FindIniValue(ini, "EDITKAOPATH"), "");  // the key alone, no separator
  EXPECT_EQ(FindIniValue(ini, "EMPTY"), "");
  EXPECT_EQ(FindIniValue(ini, "MISSING"), std::nullopt);
  EXPECT_EQ(FindIniValue("", "GAMEPATH"), std::nullopt);
}

TEST(SettingsTest, ValuesAreUntrimmedAndCrlfLinesLoseTheirReturn) {
  const std::string ini = "[settings]\r\nGAMEPATH=  /games/n13/  \r\nLAST=end";
  EXPECT_EQ(FindIniValue(ini, "GAMEPATH"), "  /games/n13/  ");
  EXPECT_EQ(FindIniValue(ini, "LAST"), "end");  // a last line without line break
  EXPECT_EQ(FindIniValue("AUTOREADPATH=1", "AUTOREADPATH"), std::nullopt);
}

TEST(SettingsTest, AnUnreadableSettingsFileIsReportedWithThePathAsPassed) {
  TempFolder folder;
  std::vector<std::pair<std::string, std::string>> reports;
  const MessageReporter report = [&](std::string_view message, const std::string& path) {
    reports.emplace_back(std::string(message), path);
  };

  const std::string missing = " " + (folder / "Set.ini").string() + " ";
  EXPECT_EQ(GetIniValue(missing, "GAMEPATH", report), std::nullopt);
  WriteFileBytes(folder / "empty.ini", "");
  EXPECT_EQ(GetIniValue((folder / "empty.ini").string(), "GAMEPATH", report), std::nullopt);
  EXPECT_EQ(GetIniValue(folder.Path().string(), "GAMEPATH", report), std::nullopt);  // a folder
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].first, texts::CannotLoadSettings);
  EXPECT_EQ(reports[0].second, missing);  // untrimmed, as the caller passed it

  // A readable file reports nothing, even when the key is missing; the path is trimmed to open it.
  WriteFileBytes(folder / "Set.ini", "x\nGAMEPATH=/g/\n");
  EXPECT_EQ(GetIniValue(missing, "GAMEPATH", report), "/g/");
  EXPECT_EQ(GetIniValue(missing, "NOPE", report), std::nullopt);
  EXPECT_EQ(reports.size(), 3u);
}

}  // namespace
}  // namespace tavlor
