// Face numbers (FaceNo as stored) and face codes (the browser's numbering: a game face index, or
// an edit face index + 1700).
#pragma once

#include <cstdint>

namespace tavlor {

enum class FaceSet { None, Game, Edit };

struct ResolvedFace {
  FaceSet Set = FaceSet::None;
  int32_t Index = 0;

  bool operator==(const ResolvedFace&) const = default;
};

// Stored face number -> archive set and index (first range that holds).
ResolvedFace ResolveFace(int32_t faceNumber);

// Face code of a stored face number, as shown for related generals: the index for the game set,
// the face number itself for the edit set, 0 when it resolves to nothing.
int32_t FaceCodeOfFaceNumber(int32_t faceNumber);

// The editor's face code (CurFace) -> FaceNo to store; codes outside every category keep
// `oldFaceNo`.
int32_t FaceNumberOfFaceCode(int32_t faceCode, int32_t oldFaceNo);

}  // namespace tavlor
