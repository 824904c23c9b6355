// The hover preview: where it stands beside the pointer, and when hovers show it and the pointer
// hides it.
#include "core/portraits/PreviewRules.h"

#include <gtest/gtest.h>

namespace tavlor {
namespace {

constexpr int kWidth = 361;
constexpr int kHeight = 254;
constexpr ScreenArea kScreen{0, 0, 1920, 1080};

TEST(PreviewTopLeftTest, JustRightOfAndBelowThePointer) {
  // 20 twips is one whole pixel at 15 twips to a pixel.
  EXPECT_EQ(PreviewTopLeft({500, 400}, kWidth, kHeight, kScreen), (ScreenPoint{501, 401}));
  EXPECT_EQ(PreviewTopLeft({0, 0}, kWidth, kHeight, kScreen), (ScreenPoint{1, 1}));
  // Still fits exactly against the right and bottom edges.
  EXPECT_EQ(PreviewTopLeft({1920 - 1 - kWidth, 1080 - 1 - kHeight}, kWidth, kHeight, kScreen),
            (ScreenPoint{1920 - kWidth, 1080 - kHeight}));
  // A second screen to the right of the first.
  EXPECT_EQ(PreviewTopLeft({1930, 10}, kWidth, kHeight, ScreenArea{1920, 0, 1280, 1024}),
            (ScreenPoint{1931, 11}));
}

TEST(PreviewTopLeftTest, TurnsToTheOtherSideAtTheScreenEdges) {
  // Past the right edge: the preview ends just left of the pointer.
  EXPECT_EQ(PreviewTopLeft({1800, 400}, kWidth, kHeight, kScreen), (ScreenPoint{1800 - 1 - kWidth, 401}));
  // Past the bottom edge: it ends just above the pointer.
  EXPECT_EQ(PreviewTopLeft({500, 1000}, kWidth, kHeight, kScreen), (ScreenPoint{501, 1000 - 1 - kHeight}));
  // In the lower right corner both.
  EXPECT_EQ(PreviewTopLeft({1919, 1079}, kWidth, kHeight, kScreen),
            (ScreenPoint{1919 - 1 - kWidth, 1079 - 1 - kHeight}));
  // A screen too small for it on either side: kept at the screen's own edge.
  EXPECT_EQ(PreviewTopLeft({200, 150}, kWidth, kHeight, ScreenArea{0, 0, 320, 240}), (ScreenPoint{0, 0}));
  EXPECT_EQ(PreviewTopLeft({2000, 300}, kWidth, kHeight, ScreenArea{1920, 100, 300, 1000}),
            (ScreenPoint{1920, 301}));
}

TEST(PreviewFlagTest, OneHoverShowsItUntilThePointerCrossesTheBoard) {
  PreviewFlag flag;
  EXPECT_FALSE(flag.Shown());
  // An empty box shows nothing and leaves the flag alone.
  EXPECT_FALSE(flag.Hover(std::nullopt));
  EXPECT_FALSE(flag.Shown());
  EXPECT_FALSE(flag.CrossPanel()) << "nothing to hide";

  EXPECT_EQ(flag.Hover(43), 43);
  EXPECT_TRUE(flag.Shown());
  // Further hovers, on other boxes too, keep the first face.
  EXPECT_FALSE(flag.Hover(44));
  EXPECT_FALSE(flag.Hover(43));
  EXPECT_FALSE(flag.Hover(std::nullopt));
  EXPECT_TRUE(flag.Shown());

  EXPECT_TRUE(flag.CrossPanel());
  EXPECT_FALSE(flag.Shown());
  EXPECT_FALSE(flag.CrossPanel()) << "hidden once, not twice";
  EXPECT_EQ(flag.Hover(44), 44);
}

}  // namespace
}  // namespace tavlor
