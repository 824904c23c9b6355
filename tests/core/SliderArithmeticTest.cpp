#include "core/editor/SliderArithmetic.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavlor {
namespace {

TEST(SliderArithmetic, LifespanBarRunsFromSixteenAndReachesTheTopAtNinetyFourPercent) {
  const double width = 1000;
  EXPECT_EQ(SliderValueAt(kLifespanSlider, 0, width), 16);
  EXPECT_EQ(SliderValueAt(kLifespanSlider, 9, width), 16);  // floor(0.9) = 0
  EXPECT_EQ(SliderValueAt(kLifespanSlider, 10, width), 17);
  EXPECT_EQ(SliderValueAt(kLifespanSlider, 939, width), 109);
  EXPECT_EQ(SliderValueAt(kLifespanSlider, 940, width), 110);
  EXPECT_EQ(SliderValueAt(kLifespanSlider, width, width), 110);
}

TEST(SliderArithmetic, BirthYearBarRunsFrom1460AndReachesTheTopAtNinetyFivePercent) {
  const double width = 400;
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, 0, width), 1460);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, 1, width), 1460);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, 2, width), 1461);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, 379, width), 1649);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, 380, width), 1650);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, width, width), 1650);
}

TEST(SliderArithmetic, DraggingOutsideTheBarOrABarWithoutWidthStaysInRange) {
  EXPECT_EQ(SliderValueAt(kLifespanSlider, -50, 200), 16);
  EXPECT_EQ(SliderValueAt(kLifespanSlider, 1e300, 1), 110);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, -1e300, 1), 1460);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, 10, 0), 1460);
  EXPECT_EQ(SliderValueAt(kBirthYearSlider, std::numeric_limits<double>::quiet_NaN(), 10), 1460);
}

TEST(SliderArithmetic, ClampHoldsBothEnds) {
  EXPECT_EQ(ClampToSlider(kLifespanSlider, 15), 16);
  EXPECT_EQ(ClampToSlider(kLifespanSlider, 111), 110);
  EXPECT_EQ(ClampToSlider(kLifespanSlider, 50), 50);
  EXPECT_EQ(ClampToSlider(kBirthYearSlider, std::numeric_limits<int64_t>::min()), 1460);
  EXPECT_EQ(ClampToSlider(kBirthYearSlider, std::numeric_limits<int64_t>::max()), 1650);
}

}  // namespace
}  // namespace tavlor
