#include "core/portraits/FaceNumbers.h"

#include <climits>

namespace tavlor {
namespace {

// A run of face numbers and the face index its first number names.
struct FaceNumberRange {
  int32_t First;
  int32_t Last;
  FaceSet Set;
  int32_t FirstIndex;
};

// Tested in this order; the first range that holds decides. 4000 and 5000 name no face: the
// princesses start at 4001 and the men of culture at 5001.
constexpr FaceNumberRange kFaceNumberRanges[] = {
    {0, 1291, FaceSet::Game, 0},
    {1700, 2799, FaceSet::Edit, 0},
    {4001, 4999, FaceSet::Game, 1193},
    {5001, 5999, FaceSet::Game, 1215},
    {6000, 6999, FaceSet::Game, 1227},
    {7000, 7999, FaceSet::Game, 1261},
    {8000, INT32_MAX, FaceSet::Game, 1277},
};

// The browser's categories (face codes) and the face number each code is stored as.
struct FaceCodeRange {
  int32_t FirstCode;
  int32_t LastCode;
  int32_t FirstFaceNumber;
};

constexpr FaceCodeRange kFaceCodeRanges[] = {
    {0, 1191, 0},        // historical generals
    {1192, 1214, 4000},  // princesses
    {1215, 1226, 5001},  // men of culture: the run starts at 5001, not 5000
    {1227, 1253, 6000},  // event faces
    {1261, 1276, 7000},  // other powers
    {1277, 1455, 8000},  // registered generals of the game
    {1700, 2799, 1700},  // the edit set: the code is the face number
};

}  // namespace

ResolvedFace ResolveFace(int32_t faceNumber) {
  for (const FaceNumberRange& range : kFaceNumberRanges) {
    if (faceNumber >= range.First && faceNumber <= range.Last) {
      // 64-bit so that face numbers near 2^31 cannot overflow; the result fits since First <= n.
      const int64_t index = static_cast<int64_t>(faceNumber) - range.First + range.FirstIndex;
      return ResolvedFace{range.Set, static_cast<int32_t>(index)};
    }
  }
  return ResolvedFace{};
}

int32_t FaceCodeOfFaceNumber(int32_t faceNumber) {
  const ResolvedFace face = ResolveFace(faceNumber);
  switch (face.Set) {
    case FaceSet::Game:
      return face.Index;
    case FaceSet::Edit:
      return faceNumber;
    case FaceSet::None:
      break;
  }
  return 0;
}

int32_t FaceNumberOfFaceCode(int32_t faceCode, int32_t oldFaceNo) {
  for (const FaceCodeRange& range : kFaceCodeRanges) {
    if (faceCode >= range.FirstCode && faceCode <= range.LastCode)
      return faceCode - range.FirstCode + range.FirstFaceNumber;
  }
  return oldFaceNo;
}

}  // namespace tavlor
