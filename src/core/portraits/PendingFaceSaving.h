// Writing the pending faces into their archives as part of 保存数据: all of them or none, each face
// through the archive's journal (so a stop at any moment leaves it old or new), and never over an
// archive whose size or tables changed since the program read it.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/portraits/PendingFaces.h"

namespace tavlor {

// The set's three archives (large, medium, small) as files.
using SetArchiveFiles = std::function<std::array<std::filesystem::path, 3>(FaceSet set)>;

// A face a save wrote, with what it held before, so the save can be taken back.
struct WrittenFace {
  std::filesystem::path Archive;
  int32_t Index = 0;
  FaceImage Before;
};

// Writes every pending face into the archives of its set. Before anything is written, journals
// left by a stopped save are finished, every archive is compared with the stamp kept when the
// program read it, and every face is read and its patch planned; any failure there writes
// nothing. Should a write fail, the faces written before it are put back. `written` lists what was
// written, for UndoSavedFaces. False with an English reason (naming the file) otherwise.
bool SavePendingFaces(const PendingFaces& faces, const SetArchiveFiles& archivesOf,
                      std::vector<WrittenFace>* written, std::string* error);

// Puts back what SavePendingFaces wrote, last first (when the edit-data file could not be written
// after the faces). False with the faces that keep their new pictures named in `error`.
bool UndoSavedFaces(const std::vector<WrittenFace>& written, std::string* error);

}  // namespace tavlor
