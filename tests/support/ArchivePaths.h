// The six face archive paths of a folder holding all six archives under their game names.
#pragma once

#include <filesystem>

#include "core/app/PathSettings.h"

namespace tavlor::testing {

inline PathSettings ArchivePathsIn(const std::filesystem::path& grp) {
  PathSettings paths;
  paths.KaoLPath = (grp / "KAO_l.N13").string();
  paths.KaoMPath = (grp / "KAO_M.N13").string();
  paths.KaoSPath = (grp / "KAO_s.N13").string();
  paths.EditKaoLPath = (grp / "EDIT_KAO_l.N13").string();
  paths.EditKaoMPath = (grp / "EDIT_KAO_M.n13").string();
  paths.EditKaoSPath = (grp / "EDIT_KAO_s.N13").string();
  return paths;
}

}  // namespace tavlor::testing
