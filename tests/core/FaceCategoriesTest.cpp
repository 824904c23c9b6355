// The portrait browser's categories: their runs of faces, pages, the face each box shows, what a
// choice hands back, and that every offered face is stored as a number that names it again.
#include "core/portraits/FaceCategories.h"

#include <gtest/gtest.h>

#include <set>

namespace tavlor {
namespace {

const FaceCategory& Row(int row) {
  return FaceCategories()[static_cast<std::size_t>(row)];
}

TEST(FaceCategoriesTest, RunsCoverEachSetOnceAndSkipTheUnusedGameFaces) {
  std::set<int32_t> game, edit;
  for (int row = 0; row < kFaceCategoryCount; ++row) {
    const FaceCategory& category = Row(row);
    EXPECT_EQ(category.Set, row > 9 ? FaceSet::Edit : FaceSet::Game) << row;
    ASSERT_LE(category.FirstFace, category.LastFace) << row;
    for (int32_t face = category.FirstFace; face <= category.LastFace; ++face) {
      const bool added = (category.Set == FaceSet::Game ? game : edit).insert(face).second;
      EXPECT_TRUE(added) << "face " << face << " is offered twice";
    }
  }
  // Game faces 0..1455 except 1254..1260; edit faces 0..1099.
  EXPECT_EQ(game.size(), 1456u - 7u);
  EXPECT_EQ(*game.begin(), 0);
  EXPECT_EQ(*game.rbegin(), 1455);
  for (int32_t face = 1254; face <= 1260; ++face) EXPECT_EQ(game.count(face), 0u) << face;
  EXPECT_EQ(edit.size(), 1100u);
  EXPECT_EQ(*edit.rbegin(), 1099);

  EXPECT_FALSE(FaceCategoryOfRow(-1));
  EXPECT_FALSE(FaceCategoryOfRow(kFaceCategoryCount));
  EXPECT_EQ(FaceCategoryOfRow(7)->FirstFace, 1227);
  EXPECT_EQ(FaceCategoryOfRow(8)->FirstFace, 1261);
}

TEST(FaceCategoriesTest, PageCountsRoundAPartPageUp) {
  const std::pair<int, int> cases[] = {
      {0, 6},   // 240 faces: six whole pages, not seven
      {4, 6},   // 232
      {5, 1},   // 23
      {6, 1},   // 12
      {7, 1},   // 27
      {8, 1},   // 16
      {9, 5},   // 179
      {14, 4},  // 140
  };
  for (const auto& [row, pages] : cases) EXPECT_EQ(PageCount(Row(row)), pages) << "category " << row;
  // A run longer than six pages still gets only the six buttons there are.
  EXPECT_EQ(PageCount(FaceCategory{"", 0, 999, FaceSet::Game}), kMostPages);
  EXPECT_EQ(PageCount(FaceCategory{"", 5, 4, FaceSet::Game}), 0);
}

TEST(FaceCategoriesTest, EachBoxShowsItsFaceUntilTheCategoryEnds) {
  // The sixth page of category 4: faces 1160..1191 in boxes 0..31, boxes 32..39 empty.
  const FaceCategory& fifth = Row(4);
  for (int box = 0; box < 40; ++box) {
    const std::optional<int32_t> face = ThumbnailFace(fifth, 5, box);
    if (box < 32) {
      EXPECT_EQ(face, 1160 + box) << box;
    } else {
      EXPECT_FALSE(face) << box;
    }
  }
  EXPECT_EQ(ThumbnailFace(Row(0), 1, 3), 43);
  EXPECT_EQ(ThumbnailFace(Row(9), 4, 18), 1455);
  EXPECT_FALSE(ThumbnailFace(Row(9), 4, 19));
  EXPECT_EQ(ThumbnailFace(Row(8), 0, 0), 1261);
  // Boxes and pages the browser does not have show nothing.
  EXPECT_FALSE(ThumbnailFace(Row(0), 0, -1));
  EXPECT_FALSE(ThumbnailFace(Row(0), 0, 40));
  EXPECT_FALSE(ThumbnailFace(Row(0), -1, 0));
  EXPECT_FALSE(ThumbnailFace(Row(0), 6, 0));
}

TEST(FaceCategoriesTest, AChoiceGivesTheFaceCodeThatChangeStores) {
  EXPECT_EQ(ChooseThumbnail(Row(10), 0, 0), (FaceChoice{FaceSet::Edit, 0, 1700}));
  EXPECT_EQ(ChooseThumbnail(Row(5), 0, 5), (FaceChoice{FaceSet::Game, 1197, 1197}));
  EXPECT_EQ(ChooseThumbnail(Row(14), 3, 19), (FaceChoice{FaceSet::Edit, 1099, 2799}));
  EXPECT_FALSE(ChooseThumbnail(Row(14), 3, 20));
  EXPECT_FALSE(ChooseThumbnail(Row(5), 0, 23));
  EXPECT_EQ(FaceNumberOfFaceCode(ChooseThumbnail(Row(5), 0, 5)->Code, -7), 4005);
  EXPECT_EQ(FaceNumberOfFaceCode(ChooseThumbnail(Row(10), 0, 0)->Code, -7), 1700);
}

// Whatever the player picks is stored as a face number that shows the same face again; the one
// exception is the first princess (face code 1192), stored as 4000, which names no face.
TEST(FaceCategoriesTest, EveryOfferedFaceIsStoredAsANumberThatNamesItAgain) {
  for (int row = 0; row < kFaceCategoryCount; ++row) {
    const FaceCategory& category = Row(row);
    for (int page = 0; page < PageCount(category); ++page) {
      for (int box = 0; box < kThumbnailsPerPage; ++box) {
        const std::optional<FaceChoice> choice = ChooseThumbnail(category, page, box);
        if (!choice) continue;
        const int32_t stored = FaceNumberOfFaceCode(choice->Code, -1);
        const ResolvedFace shown = ResolveFace(stored);
        if (choice->Code == 1192) {
          EXPECT_EQ(stored, 4000);
          EXPECT_EQ(shown.Set, FaceSet::None);
          continue;
        }
        EXPECT_EQ(shown, (ResolvedFace{choice->Set, choice->Index}))
            << "category " << row << " page " << page << " box " << box << " stored as " << stored;
      }
    }
  }
}

TEST(FaceCategoriesTest, EachSetAndSizeHasItsOwnArchive) {
  PathSettings paths;
  paths.KaoLPath = "game large";
  paths.KaoMPath = "game medium";
  paths.KaoSPath = "game small";
  paths.EditKaoLPath = "edit large";
  paths.EditKaoMPath = "edit medium";
  paths.EditKaoSPath = "edit small";
  EXPECT_EQ(FaceArchivePath(paths, FaceSet::Game, FaceArchiveSize::Large), "game large");
  EXPECT_EQ(FaceArchivePath(paths, FaceSet::Game, FaceArchiveSize::Medium), "game medium");
  EXPECT_EQ(FaceArchivePath(paths, FaceSet::Game, FaceArchiveSize::Small), "game small");
  EXPECT_EQ(FaceArchivePath(paths, FaceSet::Edit, FaceArchiveSize::Large), "edit large");
  EXPECT_EQ(FaceArchivePath(paths, FaceSet::Edit, FaceArchiveSize::Medium), "edit medium");
  EXPECT_EQ(FaceArchivePath(paths, FaceSet::Edit, FaceArchiveSize::Small), "edit small");
}

}  // namespace
}  // namespace tavlor
