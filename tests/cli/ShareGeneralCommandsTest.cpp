// tavlor-cli export-general and import-general on files the test makes: the round trip byte for
// byte, and refusals that leave the edit-data file as it was.
#include <gtest/gtest.h>

#include <random>

#include "core/data/EditData.h"
#include "core/data/SharedGeneral.h"
#include "support/CliRunner.h"
#include "support/RandomTable.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::Quoted;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::RunResult;
using testing::TempFolder;
using testing::WriteFileBytes;

class ShareGeneralCommandsTest : public ::testing::Test {
 protected:
  // `count` random generals whose links name generals every table of `count` has, numbered for
  // their slots, with the shipped Blank slot: a file as the editor writes it.
  std::unique_ptr<GeneralTable> Table(int count) {
    auto table = testing::RandomTable(random, count);
    for (int slot = 0; slot < count; ++slot) {
      GeneralEntry& entry = table->Slots[static_cast<std::size_t>(slot)];
      entry.Record.FatherNo = -1;
      entry.Record.AffinityNo = 100 + slot;
      entry.Links.FavouredNo = kRegisteredGeneralBase;
      entry.Links.DislikedNo = 2305;
      entry.Appendix.GeneralNo = kRegisteredGeneralBase + slot;
    }
    LoadBlankSlot(testing::ShippedFile("Bk.N13"), *table);
    return table;
  }
  static std::string Path(const std::filesystem::path& path) { return Quoted(path.string()); }

  std::mt19937 random{77};
  TempFolder folder;
  std::filesystem::path file = folder / "EDATA000.13S";
  std::filesystem::path shared = folder / "general.n13general";
};

TEST_F(ShareGeneralCommandsTest, ExportThenImportGivesTheSameFileByteForByte) {
  const auto table = Table(4);
  const std::string original = SerializeEditData(*table);
  WriteFileBytes(file, original);

  RunResult run = RunCli("export-general " + Path(file) + " 3 " + Path(shared));
  ASSERT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_EQ(ReadFileBytes(shared), EncodeSharedGeneral(table->Slots[3]));
  EXPECT_NE(run.Out.find("exported slot 3 (general 10003)"), std::string::npos) << run.Out;
  EXPECT_FALSE(std::filesystem::exists(folder / "general.n13general.bak"));

  // Over the same slot: the file is unchanged.
  run = RunCli("import-general " + Path(file) + " " + Path(shared) + " 3");
  ASSERT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_EQ(ReadFileBytes(file), original);

  // Behind the first three generals of another file: the same file as the four made.
  auto three = std::make_unique<GeneralTable>(*table);
  three->GeneralCount = 3;
  const auto other = folder / "OTHER.13S";
  WriteFileBytes(other, SerializeEditData(*three));
  run = RunCli("import-general " + Path(other) + " " + Path(shared));
  ASSERT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_NE(run.Out.find("added slot 3 (general 10003)"), std::string::npos) << run.Out;
  EXPECT_EQ(ReadFileBytes(other), original);
}

TEST_F(ShareGeneralCommandsTest, RefusalsNameTheProblemAndWriteNothing) {
  const auto table = Table(2);
  const std::string original = SerializeEditData(*table);
  WriteFileBytes(file, original);
  const auto refused = [&](const std::string& arguments, const std::string& reason) {
    const RunResult run = RunCli(arguments);
    EXPECT_NE(run.ExitCode, 0) << arguments;
    EXPECT_NE(run.Error.find(reason), std::string::npos) << arguments << ": " << run.Error;
    EXPECT_EQ(ReadFileBytes(file), original) << arguments;
  };

  refused("export-general " + Path(file) + " 2 " + Path(shared), "slot 2 is not in use");
  refused("export-general " + Path(file) + " x " + Path(shared), "SLOT must be a whole number");
  EXPECT_FALSE(std::filesystem::exists(shared));

  GeneralEntry general = table->Slots[0];
  WriteFileBytes(shared, EncodeSharedGeneral(general));
  refused("import-general " + Path(file) + " " + Path(shared) + " 5", "slot 5 is not in use");

  std::string damaged = EncodeSharedGeneral(general);
  damaged[100] ^= 0x40;
  WriteFileBytes(shared, damaged);
  refused("import-general " + Path(file) + " " + Path(shared), "damaged");
  WriteFileBytes(shared, original);
  refused("import-general " + Path(file) + " " + Path(shared), "not a shared-general file");
  refused("import-general " + Path(file) + " " + Path(folder / "missing"), "cannot open");

  general.Record.BirthYear = 0;
  WriteFileBytes(shared, EncodeSharedGeneral(general));
  refused("import-general " + Path(file) + " " + Path(shared), "生年");

  const auto full = Table(1000);
  WriteFileBytes(file, SerializeEditData(*full));
  const std::string fullBytes = ReadFileBytes(file);
  WriteFileBytes(shared, EncodeSharedGeneral(table->Slots[1]));
  const RunResult run = RunCli("import-general " + Path(file) + " " + Path(shared));
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Error.find("1000"), std::string::npos) << run.Error;
  EXPECT_EQ(ReadFileBytes(file), fullBytes);
}

}  // namespace
}  // namespace tavlor
