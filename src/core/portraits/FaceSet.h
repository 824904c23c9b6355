// The three archives of one set of faces (large, medium, small) in a folder that holds grp, as the
// game path and the edit face path name it, and the changes that must reach all three or none:
// one face index names the same portrait in every size, so a face is imported into and restored in
// the three archives together.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/portraits/FaceArchive.h"

namespace tavlor {

enum class FaceSetKind { Game, Edit };
enum class FaceSizeKind { Large, Medium, Small };

// "game" or "edit"; nothing for anything else.
std::optional<FaceSetKind> ParseFaceSetKind(const std::string& name);

struct FaceSetArchive {
  FaceSizeKind Size;
  std::filesystem::path File;
};

// The set's archives below `folder`, large first: grp/KAO_l.N13, grp/KAO_M.N13, grp/KAO_s.N13 or
// grp/EDIT_KAO_l.N13, grp/EDIT_KAO_M.n13, grp/EDIT_KAO_s.N13, each name matched as every other
// game file is (exactly first, then without regard to letter case).
std::array<FaceSetArchive, 3> FaceSetArchivesIn(const std::filesystem::path& folder, FaceSetKind kind);

// Makes the picture of one archive's face at that face's own size; nothing and a reason to refuse.
using FacePictureMaker =
    std::function<std::optional<FaceImage>(FaceSizeKind size, int width, int height, std::string* error)>;

// What one archive had done to it, for the report.
struct FaceSetChange {
  std::filesystem::path File;
  int Width = 0, Height = 0;
  std::vector<int32_t> Faces;  // the faces written or restored
};

// Imports face `index` into the three archives. Journals left by a stopped save are finished
// first; then every archive's face is read and its new picture planned, and only when all three
// can take it is anything written. Should a later archive fail while writing, the earlier ones get
// their previous pixels back.
bool ImportFaceIntoSet(const std::array<FaceSetArchive, 3>& archives, int32_t index,
                       const FacePictureMaker& makePicture, std::vector<FaceSetChange>* changes,
                       std::string* error);

// Puts back the kept original of face `index` (every kept face when `index` is nothing) in each of
// the three archives that keeps one, after finishing left journals. Refused when no archive keeps
// an original of that face.
bool RestoreFacesInSet(const std::array<FaceSetArchive, 3>& archives, std::optional<int32_t> index,
                       std::vector<FaceSetChange>* changes, std::string* error);

}  // namespace tavlor
