// The record and appendix are packed at the file's offsets, little-endian, field by field.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/data/GeneralRecord.h"

namespace tavlor {
namespace {

int32_t LongAt(const std::array<uint8_t, kRecordSize>& bytes, std::size_t offset) {
  return static_cast<int32_t>(uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 |
                              uint32_t{bytes[offset + 2]} << 16 | uint32_t{bytes[offset + 3]} << 24);
}

TEST(GeneralRecordTest, PacksEveryFieldAtItsFileOffset) {
  GeneralRecord record;
  StoreField(record.Tag, "NOBU13EDITB_V6");
  record.TagFill = {32, 32};
  record.HeadA = 6;
  record.HeadE = -2;
  StoreField(record.FamilyName, "ABCDEFGHIJK");  // exactly 11 bytes: no NUL before GivenName
  StoreField(record.FamilyReading, "r");
  StoreField(record.GivenName, "given");
  StoreField(record.GivenReading, "gr");
  StoreField(record.BioLine1, std::string(36, 'x'));
  record.BioBreak1 = 10;
  StoreField(record.BioLine4, "last");
  record.BioTail = {1, 2, 3, 4, 5, 6};
  record.Sex = 1;
  record.FaceNo = 0x01020304;
  record.BirthYear = 1534;
  record.DeathYear = 1582;
  record.Origin = 7;
  record.FatherNo = -1;
  record.AffinityNo = 10005;
  record.Politics = 99;
  record.AptSiege = 4;

  std::array<uint8_t, kRecordSize> bytes{};
  PackRecord(record, bytes);

  EXPECT_EQ(std::memcmp(bytes.data(), "NOBU13EDITB_V6  ", 16), 0);
  EXPECT_EQ(LongAt(bytes, 16), 6);
  EXPECT_EQ(LongAt(bytes, 32), -2);
  EXPECT_EQ(std::memcmp(bytes.data() + 36, "ABCDEFGHIJKr", 12), 0);
  EXPECT_EQ(bytes[48], 0);
  EXPECT_EQ(std::memcmp(bytes.data() + 66, "given", 5), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + 77, "gr", 2), 0);
  EXPECT_EQ(bytes[131], 'x');
  EXPECT_EQ(bytes[132], 10);
  EXPECT_EQ(std::memcmp(bytes.data() + 207, "last", 4), 0);
  EXPECT_EQ(bytes[243], 1);
  EXPECT_EQ(bytes[248], 6);
  EXPECT_EQ(LongAt(bytes, 249), 1);
  // Little-endian: the low byte first.
  EXPECT_EQ(bytes[253], 0x04);
  EXPECT_EQ(bytes[256], 0x01);
  EXPECT_EQ(LongAt(bytes, 257), 1534);
  EXPECT_EQ(LongAt(bytes, 261), 1582);
  EXPECT_EQ(LongAt(bytes, 265), 7);
  EXPECT_EQ(LongAt(bytes, 273), -1);
  EXPECT_EQ(LongAt(bytes, 277), 10005);
  EXPECT_EQ(LongAt(bytes, 293), 99);
  EXPECT_EQ(LongAt(bytes, 313), 4);

  EXPECT_EQ(UnpackRecord(bytes), record);
}

TEST(GeneralRecordTest, PacksTheAppendixAtItsOffsets) {
  GeneralAppendix appendix;
  appendix.Duty = 55;
  appendix.CityNo = 36;
  appendix.Status = 7;
  appendix.GeneralNo = 10003;
  appendix.AppearFlag = 1;
  appendix.Voice = 12;
  appendix.Tactic = -300;
  appendix.AppendixTail.fill(255);

  std::array<uint8_t, kAppendixSize> bytes{};
  PackAppendix(appendix, bytes);
  const std::array<uint8_t, kAppendixSize> expected = {
      55,   0,   0,   0,   36,  0,   0,   0,  7, 0, 0, 0,    0x13,
      0x27, 0,   0,   1,   0,   0,   0,   12, 0, 0, 0, 0xd4, 0xfe,  // -300 as a 16-bit Integer
      255,  255, 255, 255, 255, 255, 255, 255};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(UnpackAppendix(bytes), appendix);
}

TEST(GeneralRecordTest, RandomBytesSurviveUnpackAndPack) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::array<uint8_t, kRecordSize> record;
    for (auto& b : record) b = static_cast<uint8_t>(random());
    std::array<uint8_t, kAppendixSize> appendix;
    for (auto& b : appendix) b = static_cast<uint8_t>(random());

    std::array<uint8_t, kRecordSize> recordAgain{};
    PackRecord(UnpackRecord(record), recordAgain);
    ASSERT_EQ(recordAgain, record);
    std::array<uint8_t, kAppendixSize> appendixAgain{};
    PackAppendix(UnpackAppendix(appendix), appendixAgain);
    ASSERT_EQ(appendixAgain, appendix);
  }
}

TEST(GeneralRecordTest, StoreFieldPadsWithNulAndCutsAtTheWidth) {
  TextField<11> field;
  field.fill('z');
  StoreField(field, "abc");
  EXPECT_EQ(FieldBytes(field), std::string("abc\0\0\0\0\0\0\0\0", 11));
  StoreField(field, "0123456789ABCDEF");
  EXPECT_EQ(FieldBytes(field), "0123456789A");
}

}  // namespace
}  // namespace tavlor
