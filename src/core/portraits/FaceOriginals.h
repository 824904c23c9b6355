// The faces as they were before Tavlor first changed them, kept in "<archive>.originals/" beside the
// archive: one file "face-<index>.bin" per changed face (its width, height and RGB pixels), written
// safely the first time that face is replaced and never overwritten, so the archive itself is never
// copied. Restoring writes those pixels back through the same journal as an import; as the fourth
// byte of every pixel is never changed, the face's pixel bytes are then byte for byte as before.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/portraits/FaceArchive.h"

namespace tavlor {

std::filesystem::path OriginalsFolderOf(const std::filesystem::path& archive);

// Replaces face `index` of `archive` with `picture` (exactly the face's size): finishes a journal
// left behind, keeps the face's original if none is kept yet, then writes the face in place.
bool ImportFace(const std::filesystem::path& archive, int32_t index, const FaceImage& picture,
                std::string* error);

// The kept original of face `index`; nothing and a reason when none is kept or it is damaged.
std::optional<FaceImage> ReadKeptOriginal(const std::filesystem::path& archive, int32_t index,
                                          std::string* error);

// Puts back the kept original of face `index`; false with a reason when none is kept.
bool RestoreFace(const std::filesystem::path& archive, int32_t index, std::string* error);

// Puts back every kept original; stops at the first failure, saying which face. `restored` lists the
// faces put back.
bool RestoreAllFaces(const std::filesystem::path& archive, std::vector<int32_t>* restored,
                     std::string* error);

// The faces whose originals are kept, in ascending order.
std::vector<int32_t> KeptOriginals(const std::filesystem::path& archive);

}  // namespace tavlor
