// The bundled demo game, as the build writes it into the program folder: its archives read with the
// editor's own reader and its generals load and show faces from both sets.
#include <gtest/gtest.h>

#include <cmath>

#include "core/data/EditData.h"
#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceNumbers.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

std::filesystem::path DemoFolder() {
  return testing::DemoGameFolder();
}

// Mean colour of a face, to compare one portrait across its three sizes.
std::array<double, 3> MeanColour(const FaceImage& face) {
  std::array<double, 3> sum{};
  for (std::size_t i = 0; i < face.Rgb.size(); ++i) sum[i % 3] += face.Rgb[i];
  const double pixels = static_cast<double>(face.Width) * face.Height;
  return {sum[0] / pixels, sum[1] / pixels, sum[2] / pixels};
}

class DemoGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(DemoFolder() / "EDATA000.13S")) GTEST_SKIP() << "demo game not built";
  }
};

TEST_F(DemoGameTest, ArchivesCoverEveryCategoryAtTheNominalSizes) {
  struct Expected {
    const char* name;
    int entries, width, height;
  };
  const Expected archives[] = {
      {"KAO_l.N13", 1456, 240, 240},      {"KAO_M.N13", 1456, 96, 120},      {"KAO_s.N13", 1456, 60, 60},
      {"EDIT_KAO_l.N13", 1100, 240, 240}, {"EDIT_KAO_M.n13", 1100, 96, 120}, {"EDIT_KAO_s.N13", 1100, 60, 60},
  };
  std::uintmax_t totalBytes = 0;
  for (const Expected& expected : archives) {
    const auto path = DemoFolder() / "grp" / expected.name;
    std::string error;
    auto archive = FaceArchive::Open(path, &error);
    ASSERT_NE(archive, nullptr) << error;
    totalBytes += std::filesystem::file_size(path);
    EXPECT_EQ(archive->EntryCount(), expected.entries) << expected.name;
    EXPECT_EQ(archive->SizeCount(), expected.entries) << expected.name;
    for (int index : {0, 1192, 1277, expected.entries - 1}) {
      if (index >= expected.entries) continue;
      const auto face = archive->ReadFace(index);
      ASSERT_TRUE(face.has_value()) << expected.name << " " << index;
      EXPECT_EQ(face->Width, expected.width);
      EXPECT_EQ(face->Height, expected.height);
    }
  }
  EXPECT_LT(totalBytes, 40u * 1024 * 1024);
}

TEST_F(DemoGameTest, OneIndexIsTheSamePortraitInAllThreeSizes) {
  std::string error;
  auto large = FaceArchive::Open(DemoFolder() / "grp" / "KAO_l.N13", &error);
  auto small = FaceArchive::Open(DemoFolder() / "grp" / "KAO_s.N13", &error);
  ASSERT_TRUE(large && small);
  int differentNeighbours = 0;
  for (int index = 0; index < 20; ++index) {
    const auto big = MeanColour(*large->ReadFace(index));
    const auto little = MeanColour(*small->ReadFace(index));
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(big[c], little[c], 12) << index;
    const auto next = MeanColour(*large->ReadFace(index + 1));
    if (std::abs(next[0] - big[0]) + std::abs(next[1] - big[1]) + std::abs(next[2] - big[2]) > 6)
      ++differentNeighbours;
  }
  EXPECT_GE(differentNeighbours, 18);  // browsing shows varied portraits, not one repeated
}

TEST_F(DemoGameTest, GeneralsLoadAndExerciseTheEditor) {
  auto table = std::make_unique<GeneralTable>();
  const LoadReport report = LoadEditData(DemoFolder() / "EDATA000.13S", *table);
  ASSERT_FALSE(report.Error) << DescribeFileError(report.Error);
  ASSERT_GE(table->GeneralCount, 10);

  bool standby = false, hidden = false, favouredSet = false, favouredUnset = false, fullBio = false;
  bool gameFace = false, editFace = false;
  std::string error;
  auto gameLarge = FaceArchive::Open(DemoFolder() / "grp" / "KAO_l.N13", &error);
  auto editLarge = FaceArchive::Open(DemoFolder() / "grp" / "EDIT_KAO_l.N13", &error);
  ASSERT_TRUE(gameLarge && editLarge);
  for (int slot = 0; slot < table->GeneralCount; ++slot) {
    const GeneralEntry& entry = table->Slots[static_cast<std::size_t>(slot)];
    EXPECT_EQ(entry.Appendix.GeneralNo, 10000 + slot);
    EXPECT_LT(entry.Record.BirthYear, entry.Record.DeathYear);
    standby |= entry.Appendix.AppearFlag != 1;
    hidden |= entry.Links.HiddenLinkFlag == 1;
    favouredSet |= entry.Links.FavouredFlag == 1;
    favouredUnset |= entry.Links.FavouredFlag != 1;
    fullBio |= entry.Record.BioBreak1 == 10;
    const ResolvedFace face = ResolveFace(entry.Record.FaceNo);
    ASSERT_NE(face.Set, FaceSet::None) << slot;
    FaceArchive& archive = face.Set == FaceSet::Game ? *gameLarge : *editLarge;
    EXPECT_TRUE(archive.ReadFace(face.Index).has_value()) << slot;
    (face.Set == FaceSet::Game ? gameFace : editFace) = true;
  }
  EXPECT_TRUE(standby && hidden && favouredSet && favouredUnset && fullBio && gameFace && editFace);
}

}  // namespace
}  // namespace tavlor
