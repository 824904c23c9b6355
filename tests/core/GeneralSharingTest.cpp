// The shared-general file and importing it: round trips byte for byte, refusals of damaged and
// foreign files, and the checks an import shares with "add" and "change".
#include <gtest/gtest.h>

#include <random>

#include "core/data/EditData.h"
#include "core/data/EntryBytes.h"
#include "core/editor/GeneralSharing.h"
#include "core/lang/EditSafetyTexts.h"
#include "core/lang/InterfaceTexts.h"
#include "support/RandomTable.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

// Links that name generals every table of at least `count` generals has.
GeneralEntry WithKnownLinks(GeneralEntry entry, int count) {
  entry.Record.FatherNo = -1;
  entry.Record.AffinityNo = 339;
  entry.Links.FavouredNo = kRegisteredGeneralBase + count - 1;
  entry.Links.DislikedNo = 2305;
  return entry;
}

std::string EntryBytesOf(const GeneralEntry& entry) {
  std::string bytes;
  AppendEntryBytes(bytes, entry);
  return bytes;
}

// CRC-32 as zlib and PNG compute it, bit by bit: the documented checksum of the format.
uint32_t BitwiseCrc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes) {
    crc ^= static_cast<unsigned char>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string LittleEndian(uint32_t value) {
  return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
          static_cast<char>(value >> 24)};
}

// A shared file around `entryBytes` with a right length and checksum, to reach the checks behind
// them.
std::string WithRightChecksum(const std::string& file, const std::string& entryBytes) {
  return file.substr(0, 20) + LittleEndian(BitwiseCrc32(entryBytes)) + entryBytes;
}

class GeneralSharingTest : public ::testing::Test {
 protected:
  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::mt19937 random{1013};
};

TEST_F(GeneralSharingTest, EncodedGeneralsDecodeToTheSameBytes) {
  for (int round = 0; round < 200; ++round) {
    const GeneralEntry entry = testing::RandomEntry(random);
    const std::string file = EncodeSharedGeneral(entry);
    const std::string entryBytes = EntryBytesOf(entry);
    ASSERT_EQ(file.size(), kSharedGeneralHeaderSize + entryBytes.size());
    EXPECT_EQ(file.substr(0, 16), std::string("TavlorGeneral\0\0\0", 16));
    EXPECT_EQ(file.substr(16, 4), std::string({1, 0, static_cast<char>(entryBytes.size()), 1}));
    EXPECT_EQ(file.substr(20, 4), LittleEndian(BitwiseCrc32(entryBytes)));
    EXPECT_EQ(file.substr(kSharedGeneralHeaderSize), entryBytes);

    const DecodedSharedGeneral decoded = DecodeSharedGeneral(file);
    ASSERT_EQ(decoded.Problem, SharedGeneralProblem::None);
    ASSERT_TRUE(decoded.Entry);
    EXPECT_EQ(EncodeSharedGeneral(*decoded.Entry), file);
  }
}

TEST_F(GeneralSharingTest, DamagedAndForeignFilesAreRefused) {
  GeneralEntry entry = testing::RandomEntry(random);
  entry.Links = {0, 0, 1, 10001, 0, 0};
  const std::string file = EncodeSharedGeneral(entry);
  const auto problemOf = [](const std::string& bytes) { return DecodeSharedGeneral(bytes).Problem; };

  EXPECT_EQ(problemOf(""), SharedGeneralProblem::NotSharedGeneral);
  EXPECT_EQ(problemOf(std::string(file.size(), 'x')), SharedGeneralProblem::NotSharedGeneral);
  auto table = testing::RandomTable(random, 1);
  EXPECT_EQ(problemOf(SerializeEditData(*table)), SharedGeneralProblem::NotSharedGeneral);
  EXPECT_EQ(problemOf(file.substr(0, 16)), SharedGeneralProblem::Damaged);
  EXPECT_EQ(problemOf(file.substr(0, file.size() - 1)), SharedGeneralProblem::Damaged);
  EXPECT_EQ(problemOf(file + '\0'), SharedGeneralProblem::Damaged);
  std::string flipped = file;
  flipped[kSharedGeneralHeaderSize + 40] ^= 0x01;
  EXPECT_EQ(problemOf(flipped), SharedGeneralProblem::Damaged);
  std::string newer = file;
  newer[16] = 2;
  EXPECT_EQ(problemOf(newer), SharedGeneralProblem::NewerVersion);
  std::string versionZero = file;
  versionZero[16] = 0;
  EXPECT_EQ(problemOf(versionZero), SharedGeneralProblem::Damaged);

  // Length and checksum right, but the link flags ask for more bytes than there are: the
  // favoured flag 1 -> 0 leaves four bytes over, the disliked flag 0 -> 1 misses four.
  std::string entryBytes = file.substr(kSharedGeneralHeaderSize);
  std::string noFavoured = entryBytes;
  noFavoured[kRecordSize + 4] = 0;
  EXPECT_EQ(problemOf(WithRightChecksum(file, noFavoured)), SharedGeneralProblem::Damaged);
  std::string dislikedToo = entryBytes;
  dislikedToo[kRecordSize + 12] = 1;
  EXPECT_EQ(problemOf(WithRightChecksum(file, dislikedToo)), SharedGeneralProblem::Damaged);
  EXPECT_EQ(problemOf(WithRightChecksum(file, entryBytes)), SharedGeneralProblem::None);

  EXPECT_EQ(SharedGeneralProblemText(SharedGeneralProblem::NotSharedGeneral), texts::NotASharedGeneral);
  EXPECT_EQ(SharedGeneralProblemText(SharedGeneralProblem::Damaged), texts::SharedGeneralDamaged);
}

TEST_F(GeneralSharingTest, ExportThenImportGivesTheSameFileByteForByte) {
  auto table = testing::RandomTable(random, 6);
  for (int slot = 0; slot < 6; ++slot) {
    GeneralEntry& entry = table->Slots[static_cast<std::size_t>(slot)];
    entry = WithKnownLinks(entry, 6);
    entry.Appendix.GeneralNo = kRegisteredGeneralBase + slot;
  }
  const std::string original = SerializeEditData(*table);

  // Over the same general: nothing changes.
  BuiltinGeneralLists lists;
  RefreshGeneralLists(lists, *table, tables->GbkJis);
  const DecodedSharedGeneral shared = DecodeSharedGeneral(EncodeSharedGeneral(table->Slots[4]));
  ASSERT_TRUE(shared.Entry);
  const ImportResult over = ImportOverGeneral(*shared.Entry, 4, *table, lists, tables->GbkJis);
  ASSERT_TRUE(over.Edit.Succeeded());
  EXPECT_EQ(over.ClearedLinks, 0);
  EXPECT_EQ(SerializeEditData(*table), original);

  // As a new general behind the first five: the file the six made.
  auto fewer = std::make_unique<GeneralTable>(*table);
  fewer->GeneralCount = 5;
  BuiltinGeneralLists fewerLists;
  RefreshGeneralLists(fewerLists, *fewer, tables->GbkJis);
  const DecodedSharedGeneral last = DecodeSharedGeneral(EncodeSharedGeneral(table->Slots[5]));
  ASSERT_TRUE(last.Entry);
  const ImportResult added = ImportAsNewGeneral(*last.Entry, *fewer, fewerLists, tables->GbkJis);
  ASSERT_TRUE(added.Edit.Succeeded());
  EXPECT_EQ(added.Edit.Slot, 5);
  EXPECT_EQ(SerializeEditData(*fewer), original);
  EXPECT_EQ(fewerLists.Row(kBuiltinRowCount + 5), ListRowOfGeneral(table->Slots[5], tables->GbkJis));
}

TEST_F(GeneralSharingTest, ImportSetsTheGeneralNumberAndClearsLinksThisFileCannotName) {
  auto table = testing::RandomTable(random, 2);
  BuiltinGeneralLists lists;
  RefreshGeneralLists(lists, *table, tables->GbkJis);
  GeneralEntry shared = testing::RandomEntry(random);
  shared.Appendix.GeneralNo = 10037;          // its number in the friend's file
  shared.Record.FatherNo = 10004;             // a general of the friend's file: not here
  shared.Record.AffinityNo = 10002;           // itself once it is slot 2
  shared.Links = {1, 77, 1, 9999, 1, 10001};  // 9999 names no general

  const ImportResult result = ImportAsNewGeneral(shared, *table, lists, tables->GbkJis);
  ASSERT_TRUE(result.Edit.Succeeded());
  EXPECT_EQ(result.ClearedLinks, 2);
  const GeneralEntry& stored = table->Slots[2];
  EXPECT_EQ(stored.Appendix.GeneralNo, 10002);
  EXPECT_EQ(stored.Record.FatherNo, -1);
  EXPECT_EQ(stored.Record.AffinityNo, 10002);
  EXPECT_EQ(stored.Links.FavouredFlag, 0);
  EXPECT_EQ(stored.Links.DislikedFlag, 1);
  EXPECT_EQ(stored.Links.DislikedNo, 10001);
  EXPECT_EQ(stored.Links.HiddenLinkFlag, 1);  // the game's own link is kept as it came
  EXPECT_EQ(stored.Record.FamilyName, shared.Record.FamilyName);
  EXPECT_EQ(table->GeneralCount, 3);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 3);
}

TEST_F(GeneralSharingTest, ImportIsRefusedLikeAddAndChange) {
  auto table = testing::RandomTable(random, 2);
  BuiltinGeneralLists lists;
  RefreshGeneralLists(lists, *table, tables->GbkJis);
  const auto before = std::make_unique<GeneralTable>(*table);
  const GeneralEntry shared = WithKnownLinks(testing::RandomEntry(random), 1);

  EXPECT_EQ(ImportOverGeneral(shared, std::nullopt, *table, lists, tables->GbkJis).Edit.Message,
            texts::PickGeneralFirst);
  EXPECT_EQ(ImportOverGeneral(shared, 2, *table, lists, tables->GbkJis).Edit.Outcome,
            EditOutcome::PickedGeneralMissing);
  GeneralEntry unborn = shared;
  unborn.Record.BirthYear = 0;
  EXPECT_EQ(ImportAsNewGeneral(unborn, *table, lists, tables->GbkJis).Edit.Message,
            texts::BirthYearMustBePositive);
  EXPECT_EQ(ImportOverGeneral(unborn, 0, *table, lists, tables->GbkJis).Edit.Outcome,
            EditOutcome::BirthYearNotPositive);
  EXPECT_TRUE(*table == *before);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount + 2);

  table->GeneralCount = 1000;
  const ImportResult full = ImportAsNewGeneral(shared, *table, lists, tables->GbkJis);
  EXPECT_EQ(full.Edit.Outcome, EditOutcome::TableFull);
  EXPECT_EQ(full.Edit.Message, texts::GeneralTableFull);
}

}  // namespace
}  // namespace tavlor
