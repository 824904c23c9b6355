// Face numbers as stored, face codes as the browser numbers faces, and the mapping between them.
#include "core/portraits/FaceNumbers.h"

#include <gtest/gtest.h>

#include <climits>

namespace tavlor {
namespace {

constexpr ResolvedFace Game(int32_t index) {
  return ResolvedFace{FaceSet::Game, index};
}
constexpr ResolvedFace Edit(int32_t index) {
  return ResolvedFace{FaceSet::Edit, index};
}
constexpr ResolvedFace None() {
  return ResolvedFace{};
}

TEST(ResolveFaceTest, EachRangeAndTheGapsBetweenThem) {
  const std::pair<int32_t, ResolvedFace> cases[] = {
      {0, Game(0)},        {1291, Game(1291)},
      {1292, None()},      {1699, None()},
      {1700, Edit(0)},     {1750, Edit(50)},
      {2799, Edit(1099)},  {2800, None()},
      {4000, None()},      {4001, Game(1193)},
      {4999, Game(2191)},  {5000, None()},
      {5001, Game(1215)},  {5999, Game(2213)},
      {6000, Game(1227)},  {7000, Game(1261)},
      {7999, Game(2260)},  {8000, Game(1277)},
      {8178, Game(1455)},  {-1, None()},
      {INT32_MIN, None()}, {INT32_MAX, Game(INT32_MAX - 8000 + 1277)},
  };
  for (const auto& [number, expected] : cases) EXPECT_EQ(ResolveFace(number), expected) << number;
}

TEST(FaceCodeTest, GameIndexEditNumberOrZero) {
  EXPECT_EQ(FaceCodeOfFaceNumber(339), 339);
  EXPECT_EQ(FaceCodeOfFaceNumber(4001), 1193);
  EXPECT_EQ(FaceCodeOfFaceNumber(8000), 1277);
  EXPECT_EQ(FaceCodeOfFaceNumber(1750), 1750);
  EXPECT_EQ(FaceCodeOfFaceNumber(2799), 2799);
  EXPECT_EQ(FaceCodeOfFaceNumber(4000), 0);
  EXPECT_EQ(FaceCodeOfFaceNumber(-1), 0);
  EXPECT_EQ(FaceCodeOfFaceNumber(3000), 0);
}

TEST(FaceNumberOfFaceCodeTest, EachCategoryAndTheCodesThatKeepTheOldNumber) {
  const int32_t old = 4242;
  const std::pair<int32_t, int32_t> cases[] = {
      {0, 0},       {1191, 1191}, {1192, 4000},     {1214, 4022},     {1215, 5001}, {1226, 5012},
      {1227, 6000}, {1253, 6026}, {1254, old},      {1260, old},      {1261, 7000}, {1276, 7015},
      {1277, 8000}, {1455, 8178}, {1456, old},      {1699, old},      {1700, 1700}, {2799, 2799},
      {2800, old},  {-1, old},    {INT32_MIN, old}, {INT32_MAX, old},
  };
  for (const auto& [code, expected] : cases) EXPECT_EQ(FaceNumberOfFaceCode(code, old), expected) << code;
}

// Every face a category of the browser offers, once stored, shows the same face again; the one
// exception is the first princess (code 1192), stored as 4000, which names no face.
TEST(FaceNumberOfFaceCodeTest, StoredCodesResolveBackToTheSameFace) {
  for (int32_t code = 0; code <= 2799; ++code) {
    const int32_t number = FaceNumberOfFaceCode(code, -99);
    if (number == -99) continue;
    if (code == 1192) {
      EXPECT_EQ(ResolveFace(number), None());
      continue;
    }
    EXPECT_EQ(FaceCodeOfFaceNumber(number), code) << code;
  }
}

}  // namespace
}  // namespace tavlor
