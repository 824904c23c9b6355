// Which test face a portrait box shows: ArchiveBuilder gives every pixel of a face the red value
// of its seed. Header-only, for the window tests.
#pragma once

#include "ui/portraits/FaceDrawing.h"

namespace tavlor::testing {

// The seed of the face `box` shows, or -1 when it is empty.
inline int FaceSeed(const PortraitBox* box) {
  return box->IsEmpty() ? -1 : box->Face().pixelColor(1, 1).red();
}

}  // namespace tavlor::testing
