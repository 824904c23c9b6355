// Fuzz target: the face archive reader on arbitrary bytes, then a few faces read from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/portraits/FaceArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  auto archive =
      tavlor::FaceArchive::FromBytes(std::string(reinterpret_cast<const char*>(data), size), &error);
  if (!archive) {
    if (error.empty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  const int32_t last = archive->EntryCount() - 1;
  for (int32_t index : {0, 1, last, last + 1, archive->SizeCount() - 1, -1}) {
    const auto face = archive->ReadFace(index);
    if (face && face->Rgb.size() != static_cast<std::size_t>(face->Width) * face->Height * 3)
      __builtin_trap();
  }
  return 0;
}
