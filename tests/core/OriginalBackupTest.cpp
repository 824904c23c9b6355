// The original is kept: the first save of a run backs up the file as the run first read it, and
// later saves leave that backup alone.
#include <gtest/gtest.h>

#include <random>

#include "core/data/EditData.h"
#include "core/data/OriginalBackup.h"
#include "support/RandomTable.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class OriginalBackupTest : public ::testing::Test {
 protected:
  // Loads the file as the windows do: kept bytes first, then the table.
  void Load() {
    const auto bytes = ReadFileToKeep(file);
    keeper.Loaded(bytes ? std::optional<std::string_view>(*bytes) : std::nullopt);
    ASSERT_FALSE(LoadEditData(file, *table).Error);
  }
  void Save() {
    ASSERT_FALSE(SaveEditData(file, *table, keeper.PolicyForNextSave()));
    keeper.Saved();
  }

  TempFolder folder;
  std::filesystem::path file = folder / "EDATA000.13S";
  std::filesystem::path backup = folder / "EDATA000.13S.bak";
  std::mt19937 random{4};
  std::unique_ptr<GeneralTable> table = std::make_unique<GeneralTable>();
  OriginalFileKeeper keeper;
};

TEST_F(OriginalBackupTest, TheBackupAfterTwoSavesIsTheFileAsLoaded) {
  const std::string original = SerializeEditData(*testing::RandomTable(random, 4));
  WriteFileBytes(file, original);
  WriteFileBytes(backup, "a backup from an earlier run");
  Load();

  table->Slots[0].Record.BirthYear = 1600;
  Save();
  EXPECT_EQ(ReadFileBytes(backup), original);
  table->Slots[1].Record.BirthYear = 1601;
  Save();
  EXPECT_EQ(ReadFileBytes(backup), original);
  EXPECT_EQ(ReadFileBytes(file), SerializeEditData(*table));

  // Even when another program wrote the file in between and the player overwrote it, and after
  // a reload: the backup is the file before the session.
  WriteFileBytes(file, SerializeEditData(*testing::RandomTable(random, 2)));
  Load();
  Save();
  EXPECT_EQ(ReadFileBytes(backup), original);
}

TEST_F(OriginalBackupTest, AnEmptyOrMissingOriginalLeavesAnOlderBackupAlone) {
  WriteFileBytes(backup, "the last run's original");
  Load();  // the file is missing: it reads as empty
  table->GeneralCount = 0;
  Save();
  EXPECT_EQ(ReadFileBytes(backup), "the last run's original");
  Save();
  EXPECT_EQ(ReadFileBytes(backup), "the last run's original");
}

TEST_F(OriginalBackupTest, WithoutKeptBytesTheFileOnTheDiskIsBackedUpOnce) {
  // No load succeeded (or the file was too large to keep): the first save keeps the disk's file.
  const std::string onDisk = std::string("a header of 20 bytes") + "NOBU13EDITB_V6 and a cut record";
  WriteFileBytes(file, onDisk);
  Save();
  EXPECT_EQ(ReadFileBytes(backup), onDisk);
  Save();
  EXPECT_EQ(ReadFileBytes(backup), onDisk);

  EXPECT_FALSE(ReadFileToKeep(folder.Path()).has_value());
  EXPECT_EQ(ReadFileToKeep(folder / "missing"), std::string());
}

}  // namespace
}  // namespace tavlor
