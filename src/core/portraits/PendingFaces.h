// Faces imported (or put back) in the windows and not yet saved: the pictures every window shows
// in place of the archives' own until 保存数据 writes them, and what each archive's size and tables
// were when the program last read it, so a save can tell an archive changed behind its back.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceCategories.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor {

struct FaceKey {
  FaceSet Set = FaceSet::Edit;
  int32_t Index = 0;
  auto operator<=>(const FaceKey&) const = default;
};

// A face in its three sizes, in the order large, medium, small, each at its archive's stored size.
using FacePictures = std::array<FaceImage, 3>;

int SizeSlot(FaceArchiveSize size);  // 0 large, 1 medium, 2 small

// What an archive's size and tables were: the face records a save writes are only valid for those.
struct ArchiveStamp {
  uint64_t Size = 0;
  uint64_t TablesDigest = 0;  // of the header, the entry table and the size table
  bool operator==(const ArchiveStamp&) const = default;
};

// Nothing and an English reason when the archive cannot be read or its tables lie outside it.
std::optional<ArchiveStamp> ReadArchiveStamp(const std::filesystem::path& archive, std::string* error);

class PendingFaces {
 public:
  const FacePictures* Find(FaceKey key) const;
  const FaceImage* Find(FaceKey key, FaceArchiveSize size) const;
  void Put(FaceKey key, FacePictures pictures) { faces_[key] = std::move(pictures); }
  void Drop(FaceKey key) { faces_.erase(key); }
  bool Empty() const { return faces_.empty(); }
  const std::map<FaceKey, FacePictures>& All() const { return faces_; }

  // The archive as first read since the last save or load; kept until Clear.
  void KeepStampOnce(const std::filesystem::path& archive, const ArchiveStamp& stamp) {
    stamps_.emplace(archive, stamp);
  }
  const std::map<std::filesystem::path, ArchiveStamp>& Stamps() const { return stamps_; }

  // After a load or a save: nothing pending, no archive read yet.
  void Clear() {
    faces_.clear();
    stamps_.clear();
  }

 private:
  std::map<FaceKey, FacePictures> faces_;
  std::map<std::filesystem::path, ArchiveStamp> stamps_;
};

}  // namespace tavlor
