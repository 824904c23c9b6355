// The portrait browser's face categories: runs of face indexes in the game or edit set, shown as
// pages of 40 thumbnails, and what choosing one of their faces hands back to the editor.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/PathSettings.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor {

struct FaceCategory {
  std::string_view ListText;  // GBK, as the category list shows it
  int32_t FirstFace;
  int32_t LastFace;  // inclusive
  FaceSet Set;
};

inline constexpr int kFaceCategoryCount = 15;
inline constexpr int kThumbnailsPerPage = 40;
inline constexpr int kMostPages = 6;

// The 15 categories in list order. Game faces 1254..1260 belong to none.
const std::array<FaceCategory, kFaceCategoryCount>& FaceCategories();

// The category of list row `row`; rows outside 0..14 name none.
std::optional<FaceCategory> FaceCategoryOfRow(int row);

// Pages of 40 thumbnails the category fills (a last part-page counts; at most 6).
int PageCount(const FaceCategory& category);

// The face index box `box` (0..39) shows on page `page`, or nothing when that box is beyond the
// category's last face (or box or page lie outside the browser).
std::optional<int32_t> ThumbnailFace(const FaceCategory& category, int page, int box);

// A face picked in the browser: where it lies, and the face code the editor keeps for it (CurFace:
// the index for the game set, the index + 1700 for the edit set).
struct FaceChoice {
  FaceSet Set = FaceSet::None;
  int32_t Index = 0;
  int32_t Code = 0;
  bool operator==(const FaceChoice&) const = default;
};

// The choice a press on box `box` of page `page` makes; nothing for an empty box.
std::optional<FaceChoice> ChooseThumbnail(const FaceCategory& category, int page, int box);

enum class FaceArchiveSize { Large, Medium, Small };

// The archive holding the faces of `set` in `size` (a game path, as built at start-up).
const std::string& FaceArchivePath(const PathSettings& paths, FaceSet set, FaceArchiveSize size);

}  // namespace tavlor
