#include "core/portraits/PreviewRules.h"

#include <algorithm>

namespace tavlor {
namespace {

// 20 twips at 15 twips to a pixel.
constexpr int kPointerGapPixels = 20 / 15;

// One axis: after the pointer when the preview fits there, else before it; kept on the screen.
int PlaceOnAxis(int pointer, int length, int screenStart, int screenLength) {
  const int screenEnd = screenStart + screenLength;
  int start = pointer + kPointerGapPixels;
  if (start + length > screenEnd) start = pointer - kPointerGapPixels - length;
  return std::max(start, screenStart);
}

}  // namespace

ScreenPoint PreviewTopLeft(ScreenPoint pointer, int previewWidth, int previewHeight,
                           const ScreenArea& screen) {
  return ScreenPoint{PlaceOnAxis(pointer.X, previewWidth, screen.Left, screen.Width),
                     PlaceOnAxis(pointer.Y, previewHeight, screen.Top, screen.Height)};
}

std::optional<int32_t> PreviewFlag::Hover(std::optional<int32_t> face) {
  if (!face || shown_) return std::nullopt;
  shown_ = true;
  return face;
}

bool PreviewFlag::CrossPanel() {
  if (!shown_) return false;
  shown_ = false;
  return true;
}

}  // namespace tavlor
