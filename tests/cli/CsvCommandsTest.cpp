// tavlor-cli csv-export and csv-import on files the test makes: the sheet reads back without a
// change, edited cells reach the file, and a refused sheet names its place and writes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/data/EditData.h"
#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::Quoted;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::RunResult;
using testing::WriteFileBytes;

class CsvCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto table = std::make_unique<GeneralTable>();
    for (int k = 0; k < 3; ++k) {
      GeneralEntry& entry = table->Slots[static_cast<std::size_t>(k)];
      StoreField(entry.Record.Tag, "NOBU13EDITB_V6");
      StoreField(entry.Record.FamilyName, "\x90\x44\x93\x63");  // 織田 in Shift-JIS
      entry.Record.BirthYear = 1534;
      entry.Record.DeathYear = 1582;
      entry.Record.Leadership = 50 + k;
      entry.Record.AptGun = 9;  // no aptitude the lists show: kept while its cell is unchanged
      entry.Appendix.GeneralNo = 10000 + k;
    }
    table->GeneralCount = 3;
    ASSERT_FALSE(SaveEditData(file, *table, BackupPolicy::LeaveAlone()));
  }
  std::unique_ptr<GeneralTable> Load() {
    auto table = std::make_unique<GeneralTable>();
    EXPECT_FALSE(LoadEditData(file, *table).Error);
    return table;
  }
  RunResult Run(const std::string& command, const std::filesystem::path& sheet) {
    return RunCli(command + " " + Quoted(file.string()) + " " + Quoted(sheet.string()));
  }

  testing::TempFolder folder;
  std::filesystem::path file = folder / "EDATA000.13S";
  std::filesystem::path sheet = folder / "generals.csv";
};

TEST_F(CsvCommandsTest, ExportedSheetImportsWithoutAChangeAndEditsArrive) {
  const auto before = Load();
  RunResult run = Run("csv-export", sheet);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  const std::string text = ReadFileBytes(sheet);
  EXPECT_EQ(text.substr(0, 8), "\xEF\xBB\xBFSlot,");
  EXPECT_NE(text.find("\r\n0,织田,"), std::string::npos) << text.substr(0, 400);
  run = Run("csv-import", sheet);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_NE(run.Out.find("changed 0"), std::string::npos);
  // The generals as they were (the unused entries are the program's Blank slot now).
  const auto reloaded = Load();
  ASSERT_EQ(reloaded->GeneralCount, 3);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_TRUE(reloaded->Slots[k] == before->Slots[k]) << k;

  WriteFileBytes(sheet, "Leadership,Slot,AptGun\r\n\"99\",1,A\r\n");
  run = Run("csv-import", sheet);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  const auto after = Load();
  EXPECT_EQ(after->Slots[1].Record.Leadership, 99);
  EXPECT_EQ(after->Slots[1].Record.AptGun, 3);
  EXPECT_EQ(after->Slots[0].Record.AptGun, 9);
}

TEST_F(CsvCommandsTest, ARefusedSheetNamesItsPlaceAndWritesNothing) {
  const std::string before = ReadFileBytes(file);
  for (const std::string& bad : {std::string("Slot,AptBow\n0,B\n1,X\n"), std::string("Slot,Nick\n0,a\n"),
                                 std::string("Slot\n\"0"), std::string("Slot,FamilyName\n0,\xff\xfe\n")}) {
    SCOPED_TRACE(bad);
    WriteFileBytes(sheet, bad);
    const RunResult run = Run("csv-import", sheet);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(std::count(run.Error.begin(), run.Error.end(), '\n'), 1) << run.Error;
    EXPECT_NE(run.Error.find("nothing was applied"), std::string::npos) << run.Error;
    EXPECT_EQ(ReadFileBytes(file), before);
  }
  WriteFileBytes(sheet, "Slot,AptBow\n0,B\n1,X\n");
  EXPECT_NE(Run("csv-import", sheet).Error.find("line 3 column AptBow"), std::string::npos);
  EXPECT_NE(Run("csv-import", folder / "missing.csv").ExitCode, 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "EDATA000.13S.bak"));
}

}  // namespace
}  // namespace tavlor
