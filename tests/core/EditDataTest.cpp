// Loading and saving the edit-data file: variable-length entries, the terminating record, short
// files, and saves that never leave a damaged file behind.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/data/EditData.h"
#include "core/data/SafeFileWrite.h"
#include "support/PlatformSkips.h"
#include "support/RandomTable.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

std::string Long(int32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
  return bytes;
}

GeneralRecord Record(int32_t birthYear, const std::string& familyName) {
  GeneralRecord record;
  StoreField(record.Tag, "NOBU13EDITB_V6");
  StoreField(record.FamilyName, familyName);
  record.BirthYear = birthYear;
  record.DeathYear = birthYear + 40;
  return record;
}

std::string RecordBytes(const GeneralRecord& record) {
  std::array<uint8_t, kRecordSize> bytes{};
  PackRecord(record, bytes);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string AppendixBytes(int32_t duty) {
  GeneralAppendix appendix;
  appendix.Duty = duty;
  appendix.AppearFlag = 1;
  appendix.AppendixTail.fill(255);
  std::array<uint8_t, kAppendixSize> bytes{};
  PackAppendix(appendix, bytes);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

const std::string kHeader = "HEADER-OF-TWENTY-BYT";

std::unique_ptr<GeneralTable> EmptyTable() {
  return std::make_unique<GeneralTable>();
}

TEST(EditDataTest, ReadsEntriesOfEveryLengthUpToTheTerminator) {
  // Entry 0: favoured and disliked flags 1 (371 bytes). Entry 1: hidden flag 2, read as a Long
  // with no value behind it. Entry 2: hidden flag 1. Then the terminating record.
  std::string file = kHeader;
  file += RecordBytes(Record(1500, "first")) + Long(0) + Long(1) + Long(10001) + Long(1) + Long(42) +
          AppendixBytes(11);
  file += RecordBytes(Record(1510, "second")) + Long(2) + Long(0) + Long(-1) + AppendixBytes(22);
  file += RecordBytes(Record(1520, "third")) + Long(1) + Long(777) + Long(0) + Long(0) + AppendixBytes(33);
  GeneralRecord terminator = Record(0, "end");
  file += RecordBytes(terminator) + std::string(46, '\x7f');  // never read

  auto table = EmptyTable();
  table->Slots[4].Record = Record(1, "stale");
  const LoadReport report = ParseEditData(file, *table);

  EXPECT_FALSE(report.Error);
  EXPECT_FALSE(report.TruncatedEntry);
  ASSERT_EQ(table->GeneralCount, 3);
  EXPECT_EQ(std::memcmp(table->HeaderBlock.data(), kHeader.data(), kHeaderSize), 0);
  EXPECT_EQ(table->Slots[0].Record, Record(1500, "first"));
  EXPECT_EQ(table->Slots[0].Links.FavouredNo, 10001);
  EXPECT_EQ(table->Slots[0].Links.DislikedNo, 42);
  EXPECT_EQ(table->Slots[0].Appendix.Duty, 11);
  EXPECT_EQ(table->Slots[1].Links.HiddenLinkFlag, 2);
  EXPECT_EQ(table->Slots[1].Links.FavouredFlag, 0);
  EXPECT_EQ(table->Slots[1].Links.DislikedFlag, -1);
  EXPECT_EQ(table->Slots[1].Appendix.Duty, 22);
  EXPECT_EQ(table->Slots[2].Links.HiddenLinkNo, 777);
  EXPECT_EQ(table->Slots[2].Appendix.Duty, 33);
  // The terminating record lands in slot 3; slots behind it keep what they held.
  EXPECT_EQ(table->Slots[3].Record, terminator);
  EXPECT_EQ(table->Slots[4].Record, Record(1, "stale"));
}

TEST(EditDataTest, AFlagOtherThanOneKeepsTheSlotsEarlierValue) {
  std::string file =
      kHeader + RecordBytes(Record(1500, "a")) + Long(0) + Long(2) + Long(-1) + AppendixBytes(1);
  auto table = EmptyTable();
  table->Slots[0].Links.HiddenLinkNo = 123;
  table->Slots[0].Links.FavouredNo = 456;
  table->Slots[0].Links.DislikedNo = 789;
  ParseEditData(file, *table);
  ASSERT_EQ(table->GeneralCount, 1);
  EXPECT_EQ(table->Slots[0].Links.HiddenLinkNo, 123);
  EXPECT_EQ(table->Slots[0].Links.FavouredNo, 456);
  EXPECT_EQ(table->Slots[0].Links.DislikedNo, 789);
  EXPECT_EQ(table->Slots[0].Links.FavouredFlag, 2);
}

TEST(EditDataTest, AFullFileWithoutTerminatorHoldsAThousandGenerals) {
  std::string file = kHeader;
  for (int i = 0; i < 1000; ++i)
    file += RecordBytes(Record(1000 + i, "g")) + Long(0) + Long(0) + Long(0) + AppendixBytes(i);
  file += RecordBytes(Record(5, "beyond")) + Long(0) + Long(0) + Long(0) + AppendixBytes(-1);
  auto table = EmptyTable();
  const LoadReport report = ParseEditData(file, *table);
  EXPECT_FALSE(report.TruncatedEntry);
  ASSERT_EQ(table->GeneralCount, 1000);
  EXPECT_EQ(table->Slots[999].Appendix.Duty, 999);
  EXPECT_EQ(table->Slots[999].Record.BirthYear, 1999);
}

TEST(EditDataTest, AShortFileEndsTheTableAtTheLastWholeEntry) {
  const std::string entry0 =
      RecordBytes(Record(1500, "a")) + Long(1) + Long(9) + Long(0) + Long(0) + AppendixBytes(1);
  const std::string entry1 =
      RecordBytes(Record(1501, "b")) + Long(0) + Long(1) + Long(8) + Long(0) + AppendixBytes(2);
  const std::string full = kHeader + entry0 + entry1;

  {  // ends at an entry boundary: the table simply ends there
    auto table = EmptyTable();
    const LoadReport report = ParseEditData(full, *table);
    EXPECT_FALSE(report.TruncatedEntry);
    EXPECT_EQ(table->GeneralCount, 2);
  }
  // Cut inside entry 1: in its record, in a link value, in its appendix.
  for (const std::size_t cut : {std::size_t{100}, kRecordSize + 6, entry1.size() - 1}) {
    SCOPED_TRACE(cut);
    auto table = EmptyTable();
    table->Slots[1].Record = Record(7, "old");
    const LoadReport report = ParseEditData(kHeader + entry0 + entry1.substr(0, cut), *table);
    EXPECT_FALSE(report.Error);
    EXPECT_TRUE(report.TruncatedEntry);
    EXPECT_EQ(table->GeneralCount, 1);
    EXPECT_EQ(table->Slots[0].Links.HiddenLinkNo, 9);
    EXPECT_EQ(table->Slots[1].Record, Record(7, "old"));  // the partial entry is not taken
  }
  {  // a file that ends inside the first record's tag, with as much of the tag as it holds
    auto table = EmptyTable();
    const LoadReport report = ParseEditData(kHeader + "NOBU13", *table);
    EXPECT_FALSE(report.Error);
    EXPECT_TRUE(report.TruncatedEntry);
    EXPECT_EQ(table->GeneralCount, 0);
  }
}

// Files that hold no general at all, as the game and this program write them, and files that
// cannot be edit data.
TEST(EditDataTest, TellsEditDataFromOtherFiles) {
  GeneralTable blankTable;  // the Blank slot as the shipped Bk.N13 holds it
  const std::string shipped = ReadFileBytes(testing::ShippedFolder() / "Bk.N13");
  ASSERT_EQ(shipped.size(), kBlankSlotSize);
  std::copy(shipped.begin(), shipped.end(), blankTable.BlankSlot.begin());
  std::copy(kHeader.begin(), kHeader.end(), blankTable.HeaderBlock.begin());

  const std::string zeroRecord(kRecordSize, '\0');
  GeneralRecord untagged = Record(1500, "a");
  untagged.Tag.fill('\0');
  const struct {
    const char* What;
    std::string Bytes;
    bool EditData;
  } cases[] = {
      {"empty", "", true},
      {"a header alone", kHeader, true},
      {"only Blank slots", SerializeEditData(blankTable), true},
      {"a first entry of zeros", kHeader + zeroRecord + std::string(46, '\0'), true},
      {"a general", kHeader + RecordBytes(Record(1500, "a")) + Long(0) + Long(0) + Long(0) + AppendixBytes(1),
       true},
      {"shorter than the header", "HEAD", false},
      {"a picture", "\x89PNG\r\n\x1a\n" + std::string(400, 'x'), false},
      {"a text", std::string(2000, 'a'), false},
      {"a general without the tag", kHeader + RecordBytes(untagged) + std::string(46, '\0'), false},
      {"a wrong tag cut short", kHeader + "NOBU12", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    auto table = EmptyTable();
    table->Slots[0].Record = Record(7, "kept");
    table->GeneralCount = 1;
    const LoadReport report = ParseEditData(c.Bytes, *table);
    if (c.EditData) {
      EXPECT_FALSE(report.Error) << DescribeFileError(report.Error);
    } else {
      EXPECT_EQ(report.Error.What, FileError::Kind::NotEditData);
      EXPECT_FALSE(report.Error.Reason.empty());
      // The table is not touched.
      EXPECT_EQ(table->GeneralCount, 1);
      EXPECT_EQ(table->Slots[0].Record, Record(7, "kept"));
    }
  }
}

TEST(EditDataTest, SavesHeaderEntriesAndBlankSlotsToExactlyTheDefinedBytes) {
  auto table = EmptyTable();
  std::copy(kHeader.begin(), kHeader.end(), table->HeaderBlock.begin());
  table->BlankSlot.fill(0xAB);

  std::string bytes = SerializeEditData(*table);
  ASSERT_EQ(bytes.size(), 20u + 363000u);
  EXPECT_EQ(bytes.substr(0, 20), kHeader);
  EXPECT_EQ(bytes.find_first_not_of('\xAB', 20), std::string::npos);

  // An entry with favoured and disliked flags 1 is 371 bytes; the next starts right behind it.
  table->GeneralCount = 2;
  table->Slots[0].Record = Record(1500, "a");
  table->Slots[0].Links = {0, 555, 1, 10001, 1, 10000};
  table->Slots[1].Record = Record(1600, "b");
  table->Slots[1].Links = {2, 555, -1, 666, 0, 777};
  bytes = SerializeEditData(*table);
  ASSERT_EQ(bytes.size(), 20u + 371 + 363 + 998u * 363);
  EXPECT_EQ(bytes.substr(20 + kRecordSize, 20), Long(0) + Long(1) + Long(10001) + Long(1) + Long(10000));
  EXPECT_EQ(bytes.substr(20 + 371, kRecordSize), RecordBytes(Record(1600, "b")));
  EXPECT_EQ(bytes.substr(20 + 371 + kRecordSize, 12), Long(2) + Long(-1) + Long(0));

  table->GeneralCount = 1000;
  EXPECT_EQ(SerializeEditData(*table).find(std::string(363, '\xAB')), std::string::npos);
}

// Save, load into a fresh table, save again: the same bytes, and the same table wherever the
// file carries the value (link values only behind a flag of 1).
TEST(EditDataTest, RandomTablesSurviveSaveLoadSave) {
  std::mt19937 random(20240601);
  for (const int count : {0, 1, 2, 17, 500, 999, 1000}) {
    SCOPED_TRACE(count);
    const auto original = testing::RandomTable(random, count);
    const std::string first = SerializeEditData(*original);

    auto loaded = EmptyTable();
    loaded->BlankSlot = original->BlankSlot;
    const LoadReport report = ParseEditData(first, *loaded);
    ASSERT_FALSE(report.TruncatedEntry);
    ASSERT_EQ(loaded->GeneralCount, count);
    EXPECT_EQ(loaded->HeaderBlock, original->HeaderBlock);
    for (int slot = 0; slot < count; ++slot) {
      const GeneralEntry& a = original->Slots[slot];
      const GeneralEntry& b = loaded->Slots[slot];
      ASSERT_EQ(b.Record, a.Record) << slot;
      ASSERT_EQ(b.Appendix, a.Appendix) << slot;
      ASSERT_EQ(b.Links.HiddenLinkFlag, a.Links.HiddenLinkFlag);
      ASSERT_EQ(b.Links.FavouredFlag, a.Links.FavouredFlag);
      ASSERT_EQ(b.Links.DislikedFlag, a.Links.DislikedFlag);
      if (a.Links.HiddenLinkFlag == 1) {
        ASSERT_EQ(b.Links.HiddenLinkNo, a.Links.HiddenLinkNo);
      }
      if (a.Links.FavouredFlag == 1) {
        ASSERT_EQ(b.Links.FavouredNo, a.Links.FavouredNo);
      }
      if (a.Links.DislikedFlag == 1) {
        ASSERT_EQ(b.Links.DislikedNo, a.Links.DislikedNo);
      }
      if (a.Links.FavouredFlag != 1) {
        ASSERT_EQ(b.Links.FavouredNo, 0);
      }  // untouched fresh value
    }
    const std::string second = SerializeEditData(*loaded);
    ASSERT_EQ(second, first);

    auto again = EmptyTable();
    again->BlankSlot = loaded->BlankSlot;
    ParseEditData(second, *again);
    EXPECT_TRUE(*again == *loaded);
  }
}

class EditDataFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  fs::path file = folder / "EDATA000.13S";

  static std::unique_ptr<GeneralTable> SampleTable() {
    std::mt19937 random(99);
    return testing::RandomTable(random, 3);
  }

  bool NoTempFilesLeft() const {
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      if (entry.path().filename().string().find(".tmp-") != std::string::npos) return false;
    return true;
  }
};

TEST_F(EditDataFileTest, AMissingFileIsCreatedEmptyAndLoadsEmpty) {
  auto table = SampleTable();
  const LoadReport report = LoadEditData(file, *table);
  EXPECT_FALSE(report.Error) << DescribeFileError(report.Error);
  EXPECT_EQ(table->GeneralCount, 0);
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(EditDataFileTest, ALoadErrorLeavesTheTableAsItWas) {
  const auto before = SampleTable();
  auto table = SampleTable();
  for (const fs::path& bad : {folder / "no-such-folder" / "EDATA000.13S", folder.Path()}) {
    const LoadReport report = LoadEditData(bad, *table);
    ASSERT_TRUE(report.Error);
    EXPECT_EQ(report.Error.What, FileError::Kind::CannotOpen);
    EXPECT_EQ(report.Error.Path, bad);
    const std::string message = DescribeFileError(report.Error);
    EXPECT_NE(message.find(bad.string()), std::string::npos) << message;
    EXPECT_NE(message.find("cannot open"), std::string::npos) << message;
    EXPECT_TRUE(*table == *before);
  }
  EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
}

TEST_F(EditDataFileTest, SavingReplacesTheFileKeepsABackupAndLeavesNoStaleTail) {
  // A file written in place by an older save, with stale bytes behind its 1000 entries.
  const std::string old = SerializeEditData(*SampleTable()) + std::string(200000, 'O');
  WriteFileBytes(file, old);
  const auto table = SampleTable();
  const FileError error = SaveEditData(file, *table);
  ASSERT_FALSE(error) << DescribeFileError(error);
  EXPECT_EQ(ReadFileBytes(file), SerializeEditData(*table));
  EXPECT_EQ(ReadFileBytes(folder / "EDATA000.13S.bak"), old);
  EXPECT_TRUE(NoTempFilesLeft());

  // The next save keeps the file just replaced as the backup.
  auto changed = SampleTable();
  changed->GeneralCount = 1;
  ASSERT_FALSE(SaveEditData(file, *changed));
  EXPECT_EQ(ReadFileBytes(folder / "EDATA000.13S.bak"), SerializeEditData(*table));
  auto reloaded = EmptyTable();
  ASSERT_FALSE(LoadEditData(file, *reloaded).Error);
  EXPECT_EQ(reloaded->GeneralCount, 1);
}

TEST_F(EditDataFileTest, SavingANewFileMakesNoBackup) {
  ASSERT_FALSE(SaveEditData(file, *SampleTable()));
  EXPECT_FALSE(fs::exists(BackupPathOf(file)));
  EXPECT_EQ(fs::file_size(file), SerializeEditData(*SampleTable()).size());
}

TEST_F(EditDataFileTest, SavingThroughALinkReplacesTheLinkedFile) {
  TAVLOR_SKIP_ON_WINDOWS("symbolic links, which an ordinary Windows user cannot make");
  const fs::path real = folder / "real.13S";
  WriteFileBytes(real, "");
  fs::create_symlink(real, file);
  ASSERT_FALSE(SaveEditData(file, *SampleTable()));
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(ReadFileBytes(real), SerializeEditData(*SampleTable()));
}

TEST_F(EditDataFileTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
  const auto table = SampleTable();
  // A read-only file is not replaced.
  const std::string precious = kHeader;
  WriteFileBytes(file, precious);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  FileError error = SaveEditData(file, *table);
  EXPECT_EQ(error.What, FileError::Kind::CannotWrite);
  EXPECT_NE(DescribeFileError(error).find("read-only"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(file), precious);
  EXPECT_FALSE(fs::exists(BackupPathOf(file)));
  EXPECT_TRUE(NoTempFilesLeft());

  // A folder that does not exist.
  error = SaveEditData(folder / "missing" / "EDATA000.13S", *table);
  EXPECT_EQ(error.What, FileError::Kind::CannotOpen);
  EXPECT_FALSE(fs::exists(folder / "missing"));

  // A target that is a folder.
  fs::create_directory(folder / "adir");
  error = SaveEditData(folder / "adir", *table);
  EXPECT_TRUE(error);
  EXPECT_TRUE(fs::is_directory(folder / "adir"));
  EXPECT_TRUE(NoTempFilesLeft());
}

TEST_F(EditDataFileTest, AFileThatIsNoEditDataFileIsReportedAndNeverSavedOver) {
  const std::string picture = "\x89PNG\r\n\x1a\n" + std::string(5000, 'p');
  WriteFileBytes(file, picture);
  const auto before = SampleTable();
  auto table = SampleTable();
  const LoadReport report = LoadEditData(file, *table);
  EXPECT_EQ(report.Error.What, FileError::Kind::NotEditData);
  EXPECT_EQ(report.Error.Path, file);
  EXPECT_NE(DescribeFileError(report.Error).find(file.string()), std::string::npos);
  EXPECT_TRUE(*table == *before);

  for (const BackupPolicy& policy :
       {BackupPolicy::KeepCurrentFile(), BackupPolicy::KeepTheseBytes("x"), BackupPolicy::LeaveAlone()}) {
    const FileError error = SaveEditData(file, *table, policy);
    EXPECT_EQ(error.What, FileError::Kind::NotEditData);
    EXPECT_EQ(ReadFileBytes(file), picture);
    EXPECT_FALSE(fs::exists(BackupPathOf(file)));
    EXPECT_TRUE(NoTempFilesLeft());
  }
}

TEST_F(EditDataFileTest, TheBlankSlotComesFromBkN13) {
  auto table = EmptyTable();
  table->BlankSlot.fill(1);
  LoadBlankSlot(folder / "missing.N13", *table);
  EXPECT_EQ(table->BlankSlot, decltype(table->BlankSlot){});

  WriteFileBytes(folder / "short.N13", "abc");
  LoadBlankSlot(folder / "short.N13", *table);
  EXPECT_EQ(table->BlankSlot[2], 'c');
  EXPECT_EQ(table->BlankSlot[3], 0);

  // The shipped blank entry is 363 bytes and ends the table when read back.
  const fs::path shipped = testing::ShippedFolder() / "Bk.N13";
  ASSERT_EQ(fs::file_size(shipped), kBlankSlotSize);
  std::mt19937 random(3);
  auto saved = testing::RandomTable(random, 5);
  LoadBlankSlot(shipped, *saved);
  auto loaded = EmptyTable();
  ParseEditData(SerializeEditData(*saved), *loaded);
  EXPECT_EQ(loaded->GeneralCount, 5);
  EXPECT_EQ(FieldBytes(loaded->Slots[5].Record.Tag), "NOBU13EDITB_V6");
}

}  // namespace
}  // namespace tavlor
