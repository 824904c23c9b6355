// The face archive reader: layout, upright faces, texture sides, and refusal of hostile archives.
#include "core/portraits/FaceArchive.h"

#include <gtest/gtest.h>

#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::ArchiveBuilder;
using testing::PatchInteger;
using testing::PatchLong;
using testing::PatternPixel;
using testing::PatternRgb;

PatternRgb PixelAt(const FaceImage& face, int x, int y) {
  const std::size_t at = (static_cast<std::size_t>(y) * face.Width + x) * 3;
  return PatternRgb{face.Rgb[at], face.Rgb[at + 1], face.Rgb[at + 2]};
}

// Every pixel of the face is the builder's pattern: right face, upright, RGB order, no padding.
void ExpectPattern(const FaceImage& face, int width, int height, int seed) {
  ASSERT_EQ(face.Width, width);
  ASSERT_EQ(face.Height, height);
  ASSERT_EQ(face.Rgb.size(), static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ASSERT_EQ(PixelAt(face, x, y), PatternPixel(seed, x, y)) << x << "," << y;
}

std::unique_ptr<FaceArchive> Parse(const std::string& bytes, std::string* error = nullptr) {
  std::string ignored;
  return FaceArchive::FromBytes(bytes, error ? error : &ignored);
}

TEST(TextureSideTest, SmallestPowerOfTwoSideNotBelowTheWidth) {
  EXPECT_EQ(TextureSide(1), 64);
  EXPECT_EQ(TextureSide(60), 64);
  EXPECT_EQ(TextureSide(64), 64);
  EXPECT_EQ(TextureSide(65), 128);
  EXPECT_EQ(TextureSide(96), 128);
  EXPECT_EQ(TextureSide(128), 128);
  EXPECT_EQ(TextureSide(129), 256);
  EXPECT_EQ(TextureSide(240), 256);
  EXPECT_EQ(TextureSide(256), 256);
  EXPECT_EQ(TextureSide(0), std::nullopt);
  EXPECT_EQ(TextureSide(257), std::nullopt);
  EXPECT_EQ(TextureSide(-5), std::nullopt);
}

TEST(FaceArchiveTest, ReadsTheThreeNominalSizesUprightFromAFile) {
  ArchiveBuilder builder;
  builder.AddFace(240, 240, 1);
  builder.AddFace(96, 120, 2);
  builder.AddFace(60, 60, 3);
  testing::TempFolder folder;
  builder.WriteTo(folder / "KAO_l.N13");

  std::string error;
  auto archive = FaceArchive::Open(folder / "KAO_l.N13", &error);
  ASSERT_NE(archive, nullptr) << error;
  EXPECT_EQ(archive->EntryCount(), 3);
  EXPECT_EQ(archive->SizeCount(), 3);
  EXPECT_EQ(archive->Sizes()[1].Width, 96);
  EXPECT_EQ(archive->Sizes()[1].Height, 120);

  // Read out of order, and twice, so that every read seeks on its own.
  for (int round = 0; round < 2; ++round) {
    for (int index : {2, 0, 1}) {
      const auto face = archive->ReadFace(index);
      ASSERT_TRUE(face.has_value()) << index;
      const int widths[] = {240, 96, 60};
      const int heights[] = {240, 120, 60};
      ExpectPattern(*face, widths[index], heights[index], index + 1);
    }
  }
}

TEST(FaceArchiveTest, SharedImageRecordsGiveTheSameFace) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 7);
  builder.AddFace(60, 60, 8);
  builder.AddSharedFace(0);
  auto archive = Parse(builder.Bytes());
  ASSERT_NE(archive, nullptr);
  const auto shared = archive->ReadFace(2);
  ASSERT_TRUE(shared.has_value());
  ExpectPattern(*shared, 60, 60, 7);
}

TEST(FaceArchiveTest, IndexesOutsideEitherTableGiveNoFace) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.AddFace(60, 60, 2);
  builder.AddFace(60, 60, 3);
  builder.SetSizeRowCount(2);  // index 2 is in the entry table but beyond the size table
  auto archive = Parse(builder.Bytes());
  ASSERT_NE(archive, nullptr);
  EXPECT_TRUE(archive->ReadFace(1).has_value());
  EXPECT_FALSE(archive->ReadFace(2).has_value());
  EXPECT_FALSE(archive->ReadFace(-1).has_value());
  EXPECT_FALSE(archive->ReadFace(3).has_value());
  EXPECT_FALSE(archive->ReadFace(INT32_MIN).has_value());
  EXPECT_FALSE(archive->ReadFace(INT32_MAX).has_value());

  // A size table longer than the entry table: the extra rows name no record.
  ArchiveBuilder longer;
  longer.AddFace(60, 60, 1);
  longer.SetSizeRowCount(4);
  auto archive2 = Parse(longer.Bytes());
  ASSERT_NE(archive2, nullptr);
  EXPECT_EQ(archive2->SizeCount(), 4);
  EXPECT_TRUE(archive2->ReadFace(0).has_value());
  EXPECT_FALSE(archive2->ReadFace(1).has_value());
}

TEST(FaceArchiveTest, WidthsAndHeightsWithoutATextureGiveNoFace) {
  ArchiveBuilder builder;
  for (int i = 0; i < 6; ++i) builder.AddFace(240, 240, i);
  std::string bytes = builder.Bytes();
  const int16_t badSizes[][2] = {{0, 10}, {257, 10}, {-1, 10}, {60, 0}, {60, 65}, {60, -3}};
  for (int i = 0; i < 6; ++i) {
    PatchInteger(bytes, builder.SizeRowOffset(i) + 4, badSizes[i][0]);
    PatchInteger(bytes, builder.SizeRowOffset(i) + 6, badSizes[i][1]);
  }
  auto archive = Parse(bytes);
  ASSERT_NE(archive, nullptr);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(archive->ReadFace(i).has_value()) << i;
}

TEST(FaceArchiveTest, ImageOffsetsPastTheEndOrNegativeGiveNoFace) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.AddFace(60, 60, 2);
  builder.AddFace(60, 60, 3);
  builder.AddFace(60, 60, 4);
  std::string bytes = builder.Bytes();
  PatchLong(bytes, builder.EntryRowOffset(0), -56);
  PatchLong(bytes, builder.EntryRowOffset(1), INT32_MAX);
  PatchLong(bytes, builder.EntryRowOffset(2), static_cast<int32_t>(bytes.size()) - 100);
  auto archive = Parse(bytes);
  ASSERT_NE(archive, nullptr);
  EXPECT_FALSE(archive->ReadFace(0).has_value());
  EXPECT_FALSE(archive->ReadFace(1).has_value());
  EXPECT_FALSE(archive->ReadFace(2).has_value());
  EXPECT_TRUE(archive->ReadFace(3).has_value());
}

TEST(FaceArchiveTest, ACutRecordShowsOnlyWhileTheShownRowsAreWhole) {
  ArchiveBuilder builder;
  builder.AddFace(60, 30, 5);  // rows 30..63 of the 64 x 64 block are padding
  const std::string whole = builder.Bytes();
  const std::size_t recordStart = builder.ImageRecordOffset(0);
  const std::size_t shownEnd = recordStart + 56 + 30 * 64 * 4;

  auto paddingCut = Parse(whole.substr(0, shownEnd));
  ASSERT_NE(paddingCut, nullptr);
  const auto face = paddingCut->ReadFace(0);
  ASSERT_TRUE(face.has_value());
  ExpectPattern(*face, 60, 30, 5);

  auto shownRowCut = Parse(whole.substr(0, shownEnd - 1));
  ASSERT_NE(shownRowCut, nullptr);
  EXPECT_FALSE(shownRowCut->ReadFace(0).has_value());
}

TEST(FaceArchiveTest, RefusesHeadersWhoseCountsOrTablesDoNotFit) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.AddFace(60, 60, 2);
  const std::string good = builder.Bytes();

  struct Case {
    const char* what;
    std::size_t offset;
    int32_t value;
  };
  const Case cases[] = {
      {"no entries", ArchiveBuilder::kEntryCountOffset, 0},
      {"negative entries", ArchiveBuilder::kEntryCountOffset, -1},
      {"2^31 - 1 entries", ArchiveBuilder::kEntryCountOffset, INT32_MAX},
      {"2^30 entries", ArchiveBuilder::kEntryCountOffset, 1 << 30},
      {"no sizes", ArchiveBuilder::kSizeCountOffset, 0},
      {"2^31 - 1 sizes", ArchiveBuilder::kSizeCountOffset, INT32_MAX},
      {"entry table past the end", ArchiveBuilder::kEntryTableOffsetOffset,
       static_cast<int32_t>(good.size())},
      {"entry table at a negative offset", ArchiveBuilder::kEntryTableOffsetOffset, -8},
      {"entry table near 2^31", ArchiveBuilder::kEntryTableOffsetOffset, INT32_MAX - 4},
      {"size table past the end", ArchiveBuilder::kSizeTableOffsetOffset,
       static_cast<int32_t>(good.size()) - 12},
      {"size table at a negative offset", ArchiveBuilder::kSizeTableOffsetOffset, INT32_MIN},
  };
  for (const Case& c : cases) {
    std::string bytes = good;
    PatchLong(bytes, c.offset, c.value);
    std::string error;
    EXPECT_EQ(Parse(bytes, &error), nullptr) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
  // The last size row ends exactly at the file's end: still fine.
  std::string tight = good;
  PatchLong(tight, ArchiveBuilder::kSizeTableOffsetOffset, static_cast<int32_t>(good.size()) - 24);
  EXPECT_NE(Parse(tight), nullptr);
}

TEST(FaceArchiveTest, RefusesShortAndEmptyFilesWithAReason) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  const std::string good = builder.Bytes();
  for (std::size_t length :
       {std::size_t{0}, std::size_t{31}, std::size_t{32}, std::size_t{39}, builder.SizeRowOffset(0) + 11}) {
    std::string error;
    EXPECT_EQ(Parse(good.substr(0, length), &error), nullptr) << length;
    EXPECT_FALSE(error.empty()) << length;
  }
}

TEST(FaceArchiveTest, OpenNamesThePathAndTheReasonForMissingFilesAndFolders) {
  testing::TempFolder folder;
  std::string error;
  EXPECT_EQ(FaceArchive::Open(folder / "no such folder" / "KAO_l.N13", &error), nullptr);
  EXPECT_NE(error.find("KAO_l.N13"), std::string::npos) << error;

  error.clear();
  EXPECT_EQ(FaceArchive::Open(folder.Path(), &error), nullptr);
  EXPECT_FALSE(error.empty());

  testing::WriteFileBytes(folder / "empty.N13", "");
  error.clear();
  EXPECT_EQ(FaceArchive::Open(folder / "empty.N13", &error), nullptr);
  EXPECT_NE(error.find("header"), std::string::npos) << error;
}

}  // namespace
}  // namespace tavlor
