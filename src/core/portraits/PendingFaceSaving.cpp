#include "core/portraits/PendingFaceSaving.h"

#include <set>
#include <system_error>

#include "core/data/PathText.h"
#include "core/portraits/FaceArchiveWriter.h"
#include "core/portraits/FaceOriginals.h"
#include "core/portraits/FacePatch.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

struct PlannedWrite {
  fs::path Archive;
  int32_t Index = 0;
  const FaceImage* After = nullptr;
  FaceImage Before;
};

std::string FaceName(const fs::path& archive, int32_t index) {
  return TextOfPath(archive) + ": face " + std::to_string(index);
}

std::optional<FaceImage> FaceIn(const fs::path& archive, int32_t index) {
  std::string reason;
  auto opened = FaceArchive::Open(archive, &reason);
  return opened ? opened->ReadFace(index) : std::nullopt;
}

bool CheckArchive(const fs::path& archive, const PendingFaces& faces, std::string* error) {
  if (!RecoverFaceArchive(archive, nullptr, error)) return false;
  const auto kept = faces.Stamps().find(archive);
  if (kept == faces.Stamps().end()) return true;
  const std::optional<ArchiveStamp> now = ReadArchiveStamp(archive, error);
  if (!now) return false;
  if (*now == kept->second) return true;
  *error = TextOfPath(archive) + ": its size or tables changed since the program read it";
  return false;
}

std::optional<PlannedWrite> Plan(const fs::path& archive, int32_t index, const FaceImage& after,
                                 std::string* error) {
  std::string reason;
  auto opened = FaceArchive::Open(archive, &reason);
  if (!opened) {
    *error = reason;
    return std::nullopt;
  }
  std::optional<FaceImage> before = opened->ReadFace(index);
  if (!before) {
    *error = FaceName(archive, index) + " cannot be read";
    return std::nullopt;
  }
  std::error_code code;
  const uint64_t size = fs::file_size(archive, code);
  if (code) {
    *error = TextOfPath(archive) + ": cannot read its size: " + code.message();
    return std::nullopt;
  }
  const auto reader = [&](uint64_t at, char* out, std::size_t n) {
    return ReadArchiveBytes(archive, at, out, n);
  };
  if (!PlanFaceReplacement(size, reader, index, after, &reason)) {
    *error = TextOfPath(archive) + ": " + reason;
    return std::nullopt;
  }
  return PlannedWrite{archive, index, &after, std::move(*before)};
}

}  // namespace

bool SavePendingFaces(const PendingFaces& faces, const SetArchiveFiles& archivesOf,
                      std::vector<WrittenFace>* written, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (written) written->clear();
  std::vector<PlannedWrite> plan;
  std::set<fs::path> checked;
  for (const auto& [key, pictures] : faces.All()) {
    const std::array<fs::path, 3> archives = archivesOf(key.Set);
    for (std::size_t size = 0; size < archives.size(); ++size) {
      if (checked.insert(archives[size]).second && !CheckArchive(archives[size], faces, error)) {
        *error += "; nothing was written";
        return false;
      }
      std::optional<PlannedWrite> write = Plan(archives[size], key.Index, pictures[size], error);
      if (!write) {
        *error += "; nothing was written";
        return false;
      }
      plan.push_back(std::move(*write));
    }
  }
  std::vector<WrittenFace> done;
  for (const PlannedWrite& write : plan) {
    if (ImportFace(write.Archive, write.Index, *write.After, error)) {
      done.push_back(WrittenFace{write.Archive, write.Index, write.Before});
      continue;
    }
    // A write that failed after its journal was in place would be finished by the next open, the
    // face new while the others went back: finish it now and take it back with them.
    std::string recoverError;
    if (!RecoverFaceArchive(write.Archive, nullptr, &recoverError)) {
      *error += "; " + recoverError;
      return false;
    }
    const std::optional<FaceImage> now = FaceIn(write.Archive, write.Index);
    if (now && now->Rgb == write.After->Rgb)
      done.push_back(WrittenFace{write.Archive, write.Index, write.Before});
    std::string undoError;
    if (UndoSavedFaces(done, &undoError))
      *error += "; nothing was written";
    else
      *error += "; " + undoError;
    return false;
  }
  if (written) *written = std::move(done);
  return true;
}

bool UndoSavedFaces(const std::vector<WrittenFace>& written, std::string* error) {
  std::string kept;
  for (auto face = written.rbegin(); face != written.rend(); ++face) {
    std::string reason;
    if (ImportFace(face->Archive, face->Index, face->Before, &reason)) continue;
    kept += (kept.empty() ? "" : "; ") + FaceName(face->Archive, face->Index) +
            " keeps its new picture: " + reason;
  }
  if (kept.empty()) return true;
  *error = kept;
  return false;
}

}  // namespace tavlor
