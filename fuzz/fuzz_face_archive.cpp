// Fuzz target: the face archive reader on any bytes, then faces read from it. A refusal says why;
// a face that is returned has exactly the size its row of the size table declares, and every one
// of its pixels is the pixel the file holds at that place (read here again, straight from the
// bytes: the image record at the entry's offset, a 56-byte image header, then S x S BGRx pixels).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/portraits/FaceArchive.h"

namespace {

int64_t LongAt(const uint8_t* data, std::size_t size, uint64_t at) {
  if (at + 4 > size) return -1;
  return static_cast<int32_t>(uint32_t{data[at]} | uint32_t{data[at + 1]} << 8 |
                              uint32_t{data[at + 2]} << 16 | uint32_t{data[at + 3]} << 24);
}

void CheckFace(const tavlor::FaceArchive& archive, int32_t index, const tavlor::FaceImage& face,
               const uint8_t* data, std::size_t size) {
  const tavlor::FaceSize declared = archive.Sizes()[static_cast<std::size_t>(index)];
  if (face.Width != declared.Width || face.Height != declared.Height || face.Width < 1 || face.Height < 1 ||
      face.Rgb.size() != static_cast<std::size_t>(face.Width) * face.Height * 3)
    __builtin_trap();
  const auto side = tavlor::TextureSide(face.Width);
  if (!side) __builtin_trap();

  const int64_t entryTable = LongAt(data, size, 8);
  const int64_t imageOffset = LongAt(data, size, static_cast<uint64_t>(entryTable) + 8 * uint64_t(index));
  if (entryTable < 0 || imageOffset < 0) __builtin_trap();
  const uint8_t* rgb = face.Rgb.data();
  for (int y = 0; y < face.Height; ++y) {
    for (int x = 0; x < face.Width; ++x, rgb += 3) {
      const uint64_t at = static_cast<uint64_t>(imageOffset) + 56 + (uint64_t(y) * *side + x) * 4;
      if (at + 4 > size) __builtin_trap();  // a pixel from outside the file
      if (rgb[0] != data[at + 2] || rgb[1] != data[at + 1] || rgb[2] != data[at]) __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  auto archive =
      tavlor::FaceArchive::FromBytes(std::string(reinterpret_cast<const char*>(data), size), &error);
  if (!archive) {
    if (error.empty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  const int32_t last = archive->EntryCount() - 1;
  // The first, second and last faces, one in the middle, and indexes just outside either table.
  for (const int32_t index : {0, 1, last / 2, last, last + 1, archive->SizeCount() - 1, -1}) {
    const auto face = archive->ReadFace(index);
    if (!face) continue;
    if (index < 0 || index > last || index >= archive->SizeCount()) __builtin_trap();
    CheckFace(*archive, index, *face, data, size);
  }
  return 0;
}
