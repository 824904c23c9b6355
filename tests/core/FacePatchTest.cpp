// Replacing one face as byte ranges: only the face's blue, green and red bytes change, a shared
// record is copied for the chosen face alone, and the journal tells a whole patch from a torn one.
#include "core/portraits/FacePatch.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/ArchiveBuilder.h"

namespace tavlor {
namespace {

using testing::ArchiveBuilder;
using testing::PatchInteger;
using testing::PatternPixel;
using testing::PatternRgb;

ArchiveReader ReaderOf(const std::string& bytes) {
  return [&bytes](uint64_t offset, char* out, std::size_t length) {
    if (offset > bytes.size() || length > bytes.size() - offset) return false;
    std::memcpy(out, bytes.data() + offset, length);
    return true;
  };
}

// A picture whose every pixel is (200, 100 + x % 50, 7 + y % 90): unlike any builder pattern.
FaceImage Picture(int width, int height) {
  FaceImage picture{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.Rgb.insert(picture.Rgb.end(),
                         {200, static_cast<uint8_t>(100 + x % 50), static_cast<uint8_t>(7 + y % 90)});
  return picture;
}

std::string Applied(std::string bytes, const FacePatch& patch) {
  for (const ByteRange& range : patch.Ranges) {
    if (bytes.size() < range.Offset + range.New.size()) bytes.resize(range.Offset + range.New.size());
    bytes.replace(range.Offset, range.New.size(), range.New);
  }
  return bytes;
}

void ExpectFace(FaceArchive& archive, int index, const FaceImage& expected) {
  const std::optional<FaceImage> face = archive.ReadFace(index);
  ASSERT_TRUE(face);
  EXPECT_EQ(face->Width, expected.Width);
  EXPECT_EQ(face->Height, expected.Height);
  EXPECT_TRUE(face->Rgb == expected.Rgb) << "face " << index;
}

FaceImage PatternFace(int width, int height, int seed) {
  FaceImage face{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const PatternRgb p = PatternPixel(seed, x, y);
      face.Rgb.insert(face.Rgb.end(), {p.Red, p.Green, p.Blue});
    }
  return face;
}

TEST(FacePatchTest, ChangesOnlyTheBlueGreenRedBytesOfTheFacesPixels) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.AddFace(96, 120, 2);
  builder.AddFace(60, 60, 3);
  std::string bytes = builder.Bytes();
  // Mark every fourth pixel byte so that keeping it is visible.
  const std::size_t pixels = builder.ImageRecordOffset(1) + 56;
  for (std::size_t i = 3; i < 128 * 128 * 4; i += 4) bytes[pixels + i] = static_cast<char>(0x5a);

  std::string error;
  const FaceImage picture = Picture(96, 120);
  const auto patch = PlanFaceReplacement(bytes.size(), ReaderOf(bytes), 1, picture, &error);
  ASSERT_TRUE(patch) << error;
  EXPECT_EQ(patch->SizeAfter, bytes.size());
  const std::string after = Applied(bytes, *patch);
  ASSERT_EQ(after.size(), bytes.size());

  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool facePixel = i >= pixels && i < pixels + 128 * 4 * 120 && (i - pixels) % 4 != 3 &&
                           (i - pixels) % (128 * 4) < 96 * 4;
    if (!facePixel) {
      ASSERT_EQ(after[i], bytes[i]) << "byte " << i << " is not one of the face's colours";
    }
  }
  auto archive = FaceArchive::FromBytes(after, &error);
  ASSERT_TRUE(archive) << error;
  ExpectFace(*archive, 1, picture);
  ExpectFace(*archive, 0, PatternFace(60, 60, 1));
  ExpectFace(*archive, 2, PatternFace(60, 60, 3));
}

TEST(FacePatchTest, ASharedRecordIsCopiedForTheChosenFaceAlone) {
  ArchiveBuilder builder;
  builder.AddFace(64, 64, 4);
  const int shared = builder.AddSharedFace(0);
  builder.AddSharedFace(0);
  const std::string bytes = builder.Bytes();
  const FaceImage picture = Picture(64, 64);
  std::string error;
  const auto patch = PlanFaceReplacement(bytes.size(), ReaderOf(bytes), shared, picture, &error);
  ASSERT_TRUE(patch) << error;

  const std::size_t recordBytes = 56 + 64 * 64 * 4;
  ASSERT_EQ(patch->SizeAfter, bytes.size() + recordBytes);
  const std::string after = Applied(bytes, *patch);
  // Before the old end only the entry row's image offset changed, to the old end of the file.
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (i < builder.EntryRowOffset(shared) || i >= builder.EntryRowOffset(shared) + 4) {
      ASSERT_EQ(after[i], bytes[i]) << i;
    }
  std::string pointer(4, '\0');
  testing::PatchLong(pointer, 0, static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(after.substr(builder.EntryRowOffset(shared), 4), pointer);
  // The copy keeps the shared record's image header.
  EXPECT_EQ(after.substr(bytes.size(), 56), bytes.substr(builder.ImageRecordOffset(0), 56));

  auto archive = FaceArchive::FromBytes(after, &error);
  ASSERT_TRUE(archive) << error;
  ExpectFace(*archive, shared, picture);
  ExpectFace(*archive, 0, PatternFace(64, 64, 4));
  ExpectFace(*archive, 2, PatternFace(64, 64, 4));

  // Undoing puts the pointer back; the orphaned copy stays but no face shows it.
  const std::string undone = Applied(after, ReversePatch(*patch));
  EXPECT_EQ(undone.substr(0, bytes.size()), bytes);
}

TEST(FacePatchTest, RefusesWhatCannotBeWrittenSafely) {
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.AddFace(60, 60, 2);
  std::string bytes = builder.Bytes();
  std::string error;
  EXPECT_FALSE(PlanFaceReplacement(bytes.size(), ReaderOf(bytes), 2, Picture(60, 60), &error));
  EXPECT_NE(error.find("outside"), std::string::npos) << error;
  EXPECT_FALSE(PlanFaceReplacement(bytes.size(), ReaderOf(bytes), -1, Picture(60, 60), &error));
  EXPECT_FALSE(PlanFaceReplacement(bytes.size(), ReaderOf(bytes), 0, Picture(61, 60), &error));
  EXPECT_NE(error.find("61 x 60"), std::string::npos) << error;

  std::string wide = bytes;
  PatchInteger(wide, builder.SizeRowOffset(0) + 4, 300);
  EXPECT_FALSE(PlanFaceReplacement(wide.size(), ReaderOf(wide), 0, Picture(60, 60), &error));
  std::string tall = bytes;
  PatchInteger(tall, builder.SizeRowOffset(0) + 6, 65);
  EXPECT_FALSE(PlanFaceReplacement(tall.size(), ReaderOf(tall), 0, Picture(60, 65), &error));

  const std::string cut = bytes.substr(0, builder.ImageRecordOffset(1) + 100);
  EXPECT_FALSE(PlanFaceReplacement(cut.size(), ReaderOf(cut), 1, Picture(60, 60), &error));
  EXPECT_NE(error.find("outside the file"), std::string::npos) << error;
  std::string hostile = bytes;
  testing::PatchLong(hostile, ArchiveBuilder::kEntryCountOffset, 0x7fffffff);
  EXPECT_FALSE(PlanFaceReplacement(hostile.size(), ReaderOf(hostile), 0, Picture(60, 60), &error));
}

TEST(FacePatchTest, AJournalReadsBackWholeAndATornOneIsRefused) {
  FacePatch patch{1000, 1300, {{40, "abcd", "wxyz"}, {1000, "", std::string(300, '\x7f')}}};
  const std::string journal = EncodeJournal(patch);
  std::string error;
  const auto read = DecodeJournal(journal, &error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(*read, patch);

  for (std::size_t length = 0; length < journal.size(); length += 7)
    EXPECT_FALSE(DecodeJournal(std::string_view(journal).substr(0, length), &error)) << length;
  std::string flipped = journal;
  flipped[30] ^= 1;
  EXPECT_FALSE(DecodeJournal(flipped, &error));
  EXPECT_FALSE(DecodeJournal(std::string(64, '\xff'), &error));
}

}  // namespace
}  // namespace tavlor
