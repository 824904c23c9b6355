// Drawing faces from the large archive of their set, one archive open at a time.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "core/app/PathSettings.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor {

class PortraitBox;

// Draws faces from the large archive of their set (KaoLPath or EditKaoLPath). An archive is
// reopened only when the set changes, and one that cannot be opened is tried (and reported) once
// in the drawer's life, not once per box: a drawer lives for one action (a pick) or one use of a
// window.
class LargeFaceDrawer {
 public:
  explicit LargeFaceDrawer(const PathSettings& paths) : paths_(paths) {}

  // Draws `face` into `box`; a face of no set, or from an archive that cannot be opened, clears it.
  void Draw(const ResolvedFace& face, PortraitBox* box);
  // Other windows may have opened another archive since the last draw: the next draw opens its own.
  void ForgetOpenArchive() { open_.reset(); }

 private:
  const PathSettings& paths_;
  std::optional<std::string> open_;
  std::set<std::string> failed_;
};

}  // namespace tavlor
