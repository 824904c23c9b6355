// The three archives of a face set: found by the game's file names in any letter case, and a face
// imported into all three or into none.
#include "core/portraits/FaceSet.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ArchiveBuilder.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;

FaceImage Plain(int width, int height, uint8_t red) {
  FaceImage picture{width, height, {}};
  for (int i = 0; i < width * height; ++i) picture.Rgb.insert(picture.Rgb.end(), {red, 7, 9});
  return picture;
}

// An edit set of one face in each size, its files named in lower case.
class FaceSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "grp");
    const int sizes[3][2] = {{240, 240}, {96, 120}, {60, 60}};
    const char* const names[3] = {"edit_kao_l.n13", "edit_kao_m.n13", "edit_kao_s.n13"};
    for (int i = 0; i < 3; ++i) {
      testing::ArchiveBuilder builder;
      builder.AddFace(sizes[i][0], sizes[i][1], i + 1);
      builder.WriteTo(folder_ / "grp" / names[i]);
      before_.push_back(testing::ReadFileBytes(folder_ / "grp" / names[i]));
    }
    archives_ = FaceSetArchivesIn(folder_.Path(), FaceSetKind::Edit);
  }
  void ExpectUntouched() const {
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(testing::ReadFileBytes(archives_[i].File) == before_[i]) << i;
  }

  testing::TempFolder folder_;
  std::vector<std::string> before_;
  std::array<FaceSetArchive, 3> archives_;
};

TEST_F(FaceSetTest, TheArchivesAreFoundWhateverTheLetterCaseAndTheGameSetHasItsOwnNames) {
  const char* const names[3] = {"edit_kao_l.n13", "edit_kao_m.n13", "edit_kao_s.n13"};
  for (int i = 0; i < 3; ++i) {
    std::error_code code;
    EXPECT_TRUE(fs::equivalent(archives_[i].File, folder_.Path() / "grp" / names[i], code))
        << archives_[i].File;
  }
  EXPECT_EQ(archives_[1].Size, FaceSizeKind::Medium);
  const auto game = FaceSetArchivesIn(folder_.Path(), FaceSetKind::Game);
  EXPECT_EQ(game[1].File.filename(), "KAO_M.N13");
  EXPECT_EQ(ParseFaceSetKind("game"), FaceSetKind::Game);
  EXPECT_FALSE(ParseFaceSetKind("Edit").has_value());
}

TEST_F(FaceSetTest, EachArchiveIsAskedForItsOwnSizeAndOneRefusalWritesNothing) {
  std::vector<std::pair<int, int>> asked;
  const FacePictureMaker refuseSmall = [&](FaceSizeKind size, int width, int height, std::string* error) {
    asked.emplace_back(width, height);
    if (size == FaceSizeKind::Small) {
      *error = "too small a picture";
      return std::optional<FaceImage>();
    }
    return std::optional<FaceImage>(Plain(width, height, 200));
  };
  std::string error;
  EXPECT_FALSE(ImportFaceIntoSet(archives_, 0, refuseSmall, nullptr, &error));
  EXPECT_EQ(error, "too small a picture; nothing was written");
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{240, 240}, {96, 120}, {60, 60}}));
  ExpectUntouched();
  EXPECT_FALSE(fs::exists(fs::path(archives_[0].File.string() + ".originals")));
}

TEST_F(FaceSetTest, AFailureWhileWritingTheLastArchiveGivesTheEarlierOnesTheirFacesBack) {
  // The small archive's originals cannot be kept: a file stands where their folder would be.
  testing::WriteFileBytes(archives_[2].File.string() + ".originals", "in the way");
  const FacePictureMaker plain = [](FaceSizeKind, int width, int height, std::string*) {
    return std::optional<FaceImage>(Plain(width, height, 200));
  };
  std::string error;
  EXPECT_FALSE(ImportFaceIntoSet(archives_, 0, plain, nullptr, &error));
  EXPECT_NE(error.find("originals"), std::string::npos) << error;
  ExpectUntouched();

  std::vector<FaceSetChange> changes;
  EXPECT_FALSE(RestoreFacesInSet(archives_, 5, &changes, &error));
  EXPECT_EQ(error, "no archive of the set keeps an original of face 5");
}

}  // namespace
}  // namespace tavlor
