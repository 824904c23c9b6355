// The portrait browser's hover preview: when a hover shows it, when the pointer hides it, and
// where it stands beside the pointer.
#pragma once

#include <cstdint>
#include <optional>

namespace tavlor {

struct ScreenPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct ScreenArea {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// The preview's top-left corner (screen pixels) for the pointer at `pointer`: 20 twips right of and
// below it, so the pointer never covers the preview. Where that would put the preview past the
// right or bottom edge of `screen`, it stands as far left of or above the pointer instead, and
// never starts before the screen's left or top edge.
ScreenPoint PreviewTopLeft(ScreenPoint pointer, int previewWidth, int previewHeight,
                           const ScreenArea& screen);

// The "preview shown" flag, which outlives the browser windows: set by the hover that shows the
// preview and cleared only when the pointer crosses the thumbnail panel's background. Hiding the
// preview in any other way (a new category, a choice) leaves it set, so no preview shows again
// until the pointer has crossed the panel.
class PreviewFlag {
 public:
  // The pointer moves over a thumbnail showing `face` (nothing for an empty box). Returns the face
  // to show when this hover opens the preview; nothing while it is already shown.
  std::optional<int32_t> Hover(std::optional<int32_t> face);
  // The pointer moves over the panel's background. Returns whether the preview is to be hidden.
  bool CrossPanel();
  bool Shown() const { return shown_; }

 private:
  bool shown_ = false;
};

}  // namespace tavlor
