#include "core/portraits/FaceSet.h"

#include <algorithm>
#include <system_error>

#include "core/app/PathSettings.h"
#include "core/data/PathText.h"
#include "core/portraits/FaceArchiveWriter.h"
#include "core/portraits/FaceOriginals.h"
#include "core/portraits/FacePatch.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

bool RecoverAll(const std::array<FaceSetArchive, 3>& archives, std::string* error) {
  for (const FaceSetArchive& archive : archives)
    if (!RecoverFaceArchive(archive.File, nullptr, error)) return false;
  return true;
}

std::string FaceName(const fs::path& file, int32_t index) {
  return TextOfPath(file) + ": face " + std::to_string(index);
}

// The archive's face as it is now, with what it would become; nothing when it cannot take it.
struct PlannedFace {
  FaceImage Before;
  FaceImage After;
};

std::optional<PlannedFace> Plan(const FaceSetArchive& archive, int32_t index, const FacePictureMaker& make,
                                std::string* error) {
  std::string reason;
  auto opened = FaceArchive::Open(archive.File, &reason);
  if (!opened) {
    *error = reason;  // names the file
    return std::nullopt;
  }
  std::optional<FaceImage> before = opened->ReadFace(index);
  if (!before) {
    *error = FaceName(archive.File, index) +
             " cannot be read (entries: " + std::to_string(opened->EntryCount()) +
             ", sizes: " + std::to_string(opened->SizeCount()) + ")";
    return std::nullopt;
  }
  std::optional<FaceImage> after = make(archive.Size, before->Width, before->Height, &reason);
  if (!after) {
    *error = reason;
    return std::nullopt;
  }
  std::error_code code;
  const uint64_t size = fs::file_size(archive.File, code);
  if (code) {
    *error = TextOfPath(archive.File) + ": cannot read its size: " + code.message();
    return std::nullopt;
  }
  const auto patch = PlanFaceReplacement(
      size, [&](uint64_t at, char* out, std::size_t n) { return ReadArchiveBytes(archive.File, at, out, n); },
      index, *after, &reason);
  if (!patch) {
    *error = TextOfPath(archive.File) + ": " + reason;
    return std::nullopt;
  }
  return PlannedFace{std::move(*before), std::move(*after)};
}

}  // namespace

std::optional<FaceSetKind> ParseFaceSetKind(const std::string& name) {
  if (name == "game") return FaceSetKind::Game;
  if (name == "edit") return FaceSetKind::Edit;
  return std::nullopt;
}

std::array<FaceSetArchive, 3> FaceSetArchivesIn(const fs::path& folder, FaceSetKind kind) {
  static const char* const kGame[3] = {"KAO_l.N13", "KAO_M.N13", "KAO_s.N13"};
  static const char* const kEdit[3] = {"EDIT_KAO_l.N13", "EDIT_KAO_M.n13", "EDIT_KAO_s.N13"};
  const char* const* names = kind == FaceSetKind::Game ? kGame : kEdit;
  const std::string prefix = TextOfPath(folder) + "\\grp\\";
  return {FaceSetArchive{FaceSizeKind::Large, ResolveGameFile(prefix + names[0])},
          FaceSetArchive{FaceSizeKind::Medium, ResolveGameFile(prefix + names[1])},
          FaceSetArchive{FaceSizeKind::Small, ResolveGameFile(prefix + names[2])}};
}

bool ImportFaceIntoSet(const std::array<FaceSetArchive, 3>& archives, int32_t index,
                       const FacePictureMaker& makePicture, std::vector<FaceSetChange>* changes,
                       std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (changes) changes->clear();
  if (!RecoverAll(archives, error)) return false;
  std::vector<PlannedFace> planned;
  for (const FaceSetArchive& archive : archives) {
    std::optional<PlannedFace> face = Plan(archive, index, makePicture, error);
    if (!face) {
      *error += "; nothing was written";
      return false;
    }
    planned.push_back(std::move(*face));
  }
  for (std::size_t i = 0; i < archives.size(); ++i) {
    if (ImportFace(archives[i].File, index, planned[i].After, error)) continue;
    // A write that failed after its journal was in place would be finished by the next open:
    // finish it now, so that it is undone with the others.
    std::string recoverError;
    std::size_t written = i;
    if (RecoverFaceArchive(archives[i].File, nullptr, &recoverError)) {
      auto opened = FaceArchive::Open(archives[i].File, &recoverError);
      const std::optional<FaceImage> now = opened ? opened->ReadFace(index) : std::nullopt;
      if (now && now->Rgb == planned[i].After.Rgb) written = i + 1;
    } else {
      *error += "; " + recoverError;
    }
    // Undo the archives already written, so the three stay one set.
    for (std::size_t done = 0; done < written; ++done) {
      std::string undoError;
      if (!ImportFace(archives[done].File, index, planned[done].Before, &undoError))
        *error += "; " + TextOfPath(archives[done].File) + " keeps the new face: " + undoError;
    }
    return false;
  }
  if (changes)
    for (std::size_t i = 0; i < archives.size(); ++i)
      changes->push_back(
          FaceSetChange{archives[i].File, planned[i].After.Width, planned[i].After.Height, {index}});
  return true;
}

bool RestoreFacesInSet(const std::array<FaceSetArchive, 3>& archives, std::optional<int32_t> index,
                       std::vector<FaceSetChange>* changes, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (changes) changes->clear();
  if (!RecoverAll(archives, error)) return false;
  bool anyKept = false;
  for (const FaceSetArchive& archive : archives) {
    const std::vector<int32_t> kept = KeptOriginals(archive.File);
    anyKept = anyKept || (index ? std::binary_search(kept.begin(), kept.end(), *index) : !kept.empty());
  }
  if (!anyKept) {
    *error = index ? "no archive of the set keeps an original of face " + std::to_string(*index)
                   : std::string("no archive of the set keeps an original face");
    return false;
  }
  for (const FaceSetArchive& archive : archives) {
    FaceSetChange change{archive.File, 0, 0, {}};
    const std::vector<int32_t> kept = KeptOriginals(archive.File);
    if (!index) {
      if (!RestoreAllFaces(archive.File, &change.Faces, error)) return false;
    } else if (std::binary_search(kept.begin(), kept.end(), *index)) {
      if (!RestoreFace(archive.File, *index, error)) return false;
      change.Faces.push_back(*index);
    }
    if (changes && !change.Faces.empty()) changes->push_back(std::move(change));
  }
  return true;
}

}  // namespace tavlor
