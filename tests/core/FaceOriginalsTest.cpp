// Originals kept once beside the archive and put back byte for byte, one face or every face.
#include "core/portraits/FaceOriginals.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

FaceImage Plain(int width, int height, uint8_t red) {
  FaceImage picture{width, height, {}};
  for (int i = 0; i < width * height; ++i) picture.Rgb.insert(picture.Rgb.end(), {red, 1, 2});
  return picture;
}

TEST(FaceOriginalsTest, TheFirstOriginalIsKeptAndRestoredByteForByte) {
  testing::TempFolder folder;
  const auto archive = folder / "KAO_S.N13";
  testing::ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.AddFace(60, 60, 2);
  builder.AddFace(60, 60, 3);
  builder.WriteTo(archive);
  const std::string before = ReadBytes(archive);

  std::string error;
  ASSERT_TRUE(ImportFace(archive, 1, Plain(60, 60, 10), &error)) << error;
  ASSERT_TRUE(ImportFace(archive, 1, Plain(60, 60, 20), &error))
      << error;  // the original stays the first one
  ASSERT_TRUE(ImportFace(archive, 2, Plain(60, 60, 30), &error)) << error;
  EXPECT_EQ(KeptOriginals(archive), (std::vector<int32_t>{1, 2}));
  EXPECT_NE(ReadBytes(archive), before);

  ASSERT_TRUE(RestoreFace(archive, 1, &error)) << error;
  auto opened = FaceArchive::Open(archive, &error);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->ReadFace(2)->Rgb, Plain(60, 60, 30).Rgb);
  opened.reset();
  ASSERT_TRUE(RestoreFace(archive, 2, &error)) << error;
  EXPECT_EQ(ReadBytes(archive), before);

  // Every face at once, after more imports.
  ASSERT_TRUE(ImportFace(archive, 0, Plain(60, 60, 40), &error)) << error;
  ASSERT_TRUE(ImportFace(archive, 2, Plain(60, 60, 50), &error)) << error;
  std::vector<int32_t> restored;
  ASSERT_TRUE(RestoreAllFaces(archive, &restored, &error)) << error;
  EXPECT_EQ(restored, (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(ReadBytes(archive), before);

  std::filesystem::remove(OriginalsFolderOf(archive) / "face-0.bin");
  EXPECT_FALSE(RestoreFace(archive, 0, &error));
  EXPECT_NE(error.find("no original of face 0"), std::string::npos) << error;
}

TEST(FaceOriginalsTest, AnUnmakeableOriginalsFolderWritesNothing) {
  testing::TempFolder folder;
  const auto archive = folder / "KAO_S.N13";
  testing::ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.WriteTo(archive);
  const std::string before = ReadBytes(archive);
  std::ofstream(OriginalsFolderOf(archive)) << "a file where the folder should be";
  std::string error;
  EXPECT_FALSE(ImportFace(archive, 0, Plain(60, 60, 10), &error));
  EXPECT_NE(error.find("nothing was written"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(archive), before);
}

}  // namespace
}  // namespace tavlor
