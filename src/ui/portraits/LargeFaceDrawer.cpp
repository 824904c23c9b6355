// Drawing faces from the large archive of their set.
#include "ui/portraits/LargeFaceDrawer.h"

#include "ui/portraits/FaceDrawing.h"

namespace tavlor {

void LargeFaceDrawer::Draw(const ResolvedFace& face, PortraitBox* box) {
  const std::string& path = face.Set == FaceSet::Edit ? paths_.EditKaoLPath : paths_.KaoLPath;
  if (face.Set == FaceSet::None || failed_.count(path) != 0) {
    box->Clear();
    return;
  }
  if (!open_ || *open_ != path) {
    open_ = path;
    if (!OpenFaceArchive(path)) failed_.insert(path);
  }
  if (failed_.count(path) != 0) {
    box->Clear();
    return;
  }
  DrawFace(face.Index, box);
}

}  // namespace tavlor
