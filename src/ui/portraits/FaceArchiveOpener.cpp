#include "ui/portraits/FaceArchiveOpener.h"

#include "ui/portraits/FaceDrawing.h"

namespace tavlor {

bool FaceArchiveOpener::Open(const std::string& path) {
  if (failed_.count(path) != 0) return false;
  if (OpenFaceArchive(path)) return true;
  failed_.insert(path);
  return false;
}

void FaceArchiveOpener::DrawFrom(const std::string& path, int index, PortraitBox* box) {
  if (Open(path)) {
    DrawFace(index, box);
  } else if (box != nullptr) {
    box->Clear();
  }
}

}  // namespace tavlor
