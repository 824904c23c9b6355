// tavlor-cli delete, move, appear and merge on files the test makes: links follow their generals,
// the file is saved with its backup, and every refusal is one line that writes nothing.
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

// `count` generals; general k has FaceNo 100 + k, its own GeneralNo, father k + 1 and favours k - 1.
std::unique_ptr<GeneralTable> ChainTable(int count) {
  auto table = std::make_unique<GeneralTable>();
  for (int k = 0; k < count; ++k) {
    GeneralEntry& entry = table->Slots[static_cast<std::size_t>(k)];
    StoreField(entry.Record.Tag, "NOBU13EDITB_V6");
    entry.Record.BirthYear = 1500;
    entry.Record.FaceNo = 100 + k;
    entry.Record.AffinityNo = 10000 + k;
    entry.Record.FatherNo = k + 1 < count ? 10000 + k + 1 : -1;
    entry.Links.FavouredFlag = k > 0 ? 1 : 0;
    entry.Links.FavouredNo = k > 0 ? 10000 + k - 1 : 0;
    entry.Appendix.GeneralNo = 10000 + k;
    entry.Appendix.AppearFlag = k % 3;  // 0, 1, 2
  }
  table->GeneralCount = count;
  return table;
}

class ReshapeCommandsTest : public ::testing::Test {
 protected:
  void Write(const std::filesystem::path& path, const GeneralTable& table) {
    ASSERT_FALSE(SaveEditData(path, table, BackupPolicy::LeaveAlone()));
  }
  std::unique_ptr<GeneralTable> Load(const std::filesystem::path& path) {
    auto table = std::make_unique<GeneralTable>();
    EXPECT_FALSE(LoadEditData(path, *table).Error);
    return table;
  }
  RunResult Run(const std::string& command, const std::string& rest) {
    return RunCli(command + " " + Quoted(file.string()) + " " + rest);
  }

  testing::TempFolder folder;
  std::filesystem::path file = folder / "EDATA000.13S";
};

TEST_F(ReshapeCommandsTest, DeleteAndMoveKeepEveryLinkOnItsGeneral) {
  Write(file, *ChainTable(4));
  const std::string before = ReadFileBytes(file);
  RunResult run = Run("delete", "1");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  auto table = Load(file);
  ASSERT_EQ(table->GeneralCount, 3);
  EXPECT_EQ(table->Slots[0].Record.FatherNo, -1);  // its father was deleted
  EXPECT_EQ(table->Slots[1].Record.FaceNo, 102);
  EXPECT_EQ(table->Slots[1].Appendix.GeneralNo, 10001);
  EXPECT_EQ(table->Slots[1].Record.FatherNo, 10002);
  EXPECT_EQ(table->Slots[1].Links.FavouredFlag, 0);  // favoured the deleted one
  EXPECT_EQ(table->Slots[2].Links.FavouredNo, 10001);
  EXPECT_EQ(ReadFileBytes(folder / "EDATA000.13S.bak"), before);

  run = Run("move", "2 0");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  table = Load(file);
  EXPECT_EQ(table->Slots[0].Record.FaceNo, 103);
  EXPECT_EQ(table->Slots[0].Links.FavouredNo, 10002);  // general 102, now in slot 2
  EXPECT_EQ(table->Slots[2].Record.FatherNo, 10000);
}

TEST_F(ReshapeCommandsTest, AppearSetsOneAndStandbyKeepsOtherFlags) {
  Write(file, *ChainTable(3));
  ASSERT_EQ(Run("appear", "off 1 2").ExitCode, 0);
  auto table = Load(file);
  EXPECT_EQ(table->Slots[1].Appendix.AppearFlag, 0);
  EXPECT_EQ(table->Slots[2].Appendix.AppearFlag, 2);
  ASSERT_EQ(Run("appear", "on 0 2").ExitCode, 0);
  table = Load(file);
  EXPECT_EQ(table->Slots[0].Appendix.AppearFlag, 1);
  EXPECT_EQ(table->Slots[2].Appendix.AppearFlag, 1);
}

TEST_F(ReshapeCommandsTest, MergeAddsBehindTheLastAndAsksBeforeAddingOnlyWhatFits) {
  Write(file, *ChainTable(998));
  const std::filesystem::path other = folder / "friend.13S";
  Write(other, *ChainTable(3));
  const std::string before = ReadFileBytes(file);
  RunResult run = Run("merge", Quoted(other.string()));
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Error.find("only 2 of the 3"), std::string::npos) << run.Error;
  EXPECT_EQ(ReadFileBytes(file), before);

  run = Run("merge --fitting", Quoted(other.string()));
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  auto table = Load(file);
  ASSERT_EQ(table->GeneralCount, 1000);
  EXPECT_EQ(table->Slots[998].Record.FatherNo, 10999);  // the other's slot 1, now 999
  EXPECT_EQ(table->Slots[999].Record.FatherNo, -1);     // the other's slot 2 was not added
  EXPECT_EQ(table->Slots[999].Links.FavouredNo, 10998);
  EXPECT_EQ(table->Slots[999].Appendix.GeneralNo, 10999);
}

TEST_F(ReshapeCommandsTest, RefusalsAreOneLineAndWriteNothing) {
  Write(file, *ChainTable(3));
  const std::string before = ReadFileBytes(file);
  const std::filesystem::path foreign = folder / "notes.txt";
  testing::WriteFileBytes(foreign, std::string(400, 'x'));
  for (const auto& [command, rest] : std::initializer_list<std::pair<std::string, std::string>>{
           {"delete", "3"},
           {"delete", "x"},
           {"move", "0 3"},
           {"move", "0"},
           {"appear", "maybe 0"},
           {"appear", "on -1"},
           {"merge", Quoted(foreign.string())},
           {"merge", Quoted((folder / "none").string())}}) {
    SCOPED_TRACE(command + " " + rest);
    const RunResult run = Run(command, rest);
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_EQ(std::count(run.Error.begin(), run.Error.end(), '\n'), 1) << run.Error;
    EXPECT_EQ(ReadFileBytes(file), before);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "EDATA000.13S.bak"));
}

}  // namespace
}  // namespace tavlor
