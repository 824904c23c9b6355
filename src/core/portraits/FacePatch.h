// What replacing one face of a face archive changes, as byte ranges with their old and new bytes,
// worked out before anything is written. A patch is what the journal holds and what a save writes
// in place; keeping it pure lets a test check it byte for byte without touching a disk.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/portraits/FaceArchive.h"

namespace tavlor {

// Bytes at `Offset`. `Old` is what the archive holds there; it is shorter than `New` only for a
// record appended past the end of the file (then it is empty).
struct ByteRange {
  uint64_t Offset = 0;
  std::string Old;
  std::string New;
  bool operator==(const ByteRange&) const = default;
};

struct FacePatch {
  uint64_t SizeBefore = 0;  // the archive's size when the patch was planned
  uint64_t SizeAfter = 0;   // larger than SizeBefore when a record is appended
  std::vector<ByteRange> Ranges;
  bool operator==(const FacePatch&) const = default;
};

// Reads `length` bytes at `offset` of the archive; false on a short read.
using ArchiveReader = std::function<bool(uint64_t offset, char* out, std::size_t length)>;

// The patch that gives face `index` the pixels of `picture` (RGB, exactly the face's stored Width x
// Height). Only the blue, green and red bytes of the face's pixels change; the fourth byte of each
// pixel, the padding, the image header, the tables and the header stay as read. When another entry
// points at the same image record, the face gets a record of its own: a copy of the whole record
// (its 56-byte image header included) appended at the end of the file with the new pixels, and the
// face's entry row pointing at it; the other entries keep the old record. Nothing and an English
// reason in `error` for damaged tables, an index outside either table, a size that does not fit its
// texture, a picture of another size, or a record outside the file.
std::optional<FacePatch> PlanFaceReplacement(uint64_t fileSize, const ArchiveReader& read, int32_t index,
                                             const FaceImage& picture, std::string* error);

// The patch that undoes `patch` on an archive it was applied to: every range written back with its
// old bytes. An appended record is left in place (its entry no longer points at it).
FacePatch ReversePatch(const FacePatch& patch);

// The journal's bytes for `patch`: a magic, the sizes, each range with old and new bytes, and a
// checksum of all that at the end, so a journal cut short by a crash is told from a whole one.
std::string EncodeJournal(const FacePatch& patch);
// Nothing (and the reason) for bytes that are not a whole journal; every length is checked against
// the bytes that remain before anything is allocated.
std::optional<FacePatch> DecodeJournal(std::string_view bytes, std::string* error);

}  // namespace tavlor
