#include "core/portraits/FaceCategories.h"

#include <algorithm>

#include "core/lang/BrowserTexts.h"

namespace tavlor {
namespace {

// The edit set's faces are stored as their index + 1700 (face numbers 1700..2799).
constexpr int32_t kEditFaceCodeBase = 1700;

constexpr std::array<FaceCategory, kFaceCategoryCount> kCategories = {{
    {texts::CategoryHistorical1, 0, 239, FaceSet::Game},
    {texts::CategoryHistorical2, 240, 479, FaceSet::Game},
    {texts::CategoryHistorical3, 480, 719, FaceSet::Game},
    {texts::CategoryHistorical4, 720, 959, FaceSet::Game},
    {texts::CategoryHistorical5, 960, 1191, FaceSet::Game},
    {texts::CategoryPrincesses, 1192, 1214, FaceSet::Game},
    {texts::CategoryCulture, 1215, 1226, FaceSet::Game},
    {texts::CategoryEvents, 1227, 1253, FaceSet::Game},
    {texts::CategoryPowers, 1261, 1276, FaceSet::Game},
    {texts::CategoryRegistered, 1277, 1455, FaceSet::Game},
    {texts::CategoryAdded1, 0, 239, FaceSet::Edit},
    {texts::CategoryAdded2, 240, 479, FaceSet::Edit},
    {texts::CategoryAdded3, 480, 719, FaceSet::Edit},
    {texts::CategoryAdded4, 720, 959, FaceSet::Edit},
    {texts::CategoryAdded5, 960, 1099, FaceSet::Edit},
}};

}  // namespace

const std::array<FaceCategory, kFaceCategoryCount>& FaceCategories() {
  return kCategories;
}

std::optional<FaceCategory> FaceCategoryOfRow(int row) {
  if (row < 0 || row >= kFaceCategoryCount) return std::nullopt;
  return kCategories[static_cast<std::size_t>(row)];
}

int PageCount(const FaceCategory& category) {
  const int faces = category.LastFace - category.FirstFace + 1;
  if (faces < 1) return 0;
  return std::min(kMostPages, (faces + kThumbnailsPerPage - 1) / kThumbnailsPerPage);
}

std::optional<int32_t> ThumbnailFace(const FaceCategory& category, int page, int box) {
  if (box < 0 || box >= kThumbnailsPerPage || page < 0 || page >= kMostPages) return std::nullopt;
  const int32_t face = page * kThumbnailsPerPage + category.FirstFace + box;
  if (face > category.LastFace) return std::nullopt;
  return face;
}

std::optional<FaceChoice> ChooseThumbnail(const FaceCategory& category, int page, int box) {
  const std::optional<int32_t> face = ThumbnailFace(category, page, box);
  if (!face) return std::nullopt;
  const int32_t code = category.Set == FaceSet::Edit ? *face + kEditFaceCodeBase : *face;
  return FaceChoice{category.Set, *face, code};
}

const std::string& FaceArchivePath(const PathSettings& paths, FaceSet set, FaceArchiveSize size) {
  const bool edit = set == FaceSet::Edit;
  switch (size) {
    case FaceArchiveSize::Large:
      return edit ? paths.EditKaoLPath : paths.KaoLPath;
    case FaceArchiveSize::Medium:
      return edit ? paths.EditKaoMPath : paths.KaoMPath;
    case FaceArchiveSize::Small:
      break;
  }
  return edit ? paths.EditKaoSPath : paths.KaoSPath;
}

}  // namespace tavlor
