// What the settings window says beside each path as the player types: found, missing, not an
// edit-data file, an archive and how many faces it holds.
#pragma once

#include <string>

namespace tavlor {

struct PathCheck {
  enum class Kind { Empty, Found, Missing, NotEditData, NoArchive, DamagedArchive };
  Kind What = Kind::Empty;
  int Count = 0;       // Found: faces of the archive, or generals of the edit-data file
  std::string Detail;  // the file looked at, or why it is unusable (English reason)
};

// A game folder (GAMEPATH) or edit-face folder (EDITKAOPATH): its grp\KAO_l.N13 (or
// grp\EDIT_KAO_l.N13 when `editFaces`), resolved as start-up resolves it.
PathCheck CheckFaceFolder(const std::string& folder, bool editFaces);

// An edit-data file (CUSTOMIZEFILE): missing, no edit-data file, or found with its generals.
PathCheck CheckEditDataFile(const std::string& file);

}  // namespace tavlor
