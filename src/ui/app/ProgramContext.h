// The program's shared state for one run: where it lives, where the game is, the General table,
// its edit history and what the edit-data file held, the editor state and the slot last picked
// in the grid.
#pragma once

#include <filesystem>
#include <optional>

#include "core/app/PathSettings.h"
#include "core/app/SettingsLocation.h"
#include "core/data/FileStamp.h"
#include "core/data/GeneralTable.h"
#include "core/data/OriginalBackup.h"
#include "core/editor/EditHistory.h"
#include "core/editor/EditorState.h"
#include "core/portraits/PendingFaces.h"

namespace tavlor {

struct ProgramContext {
  // The program's data files (tables, Bk.N13, help.ini): beside the program or, installed, in
  // ../share/tavlor. Set.ini is read here too unless Settings or SettingsFolder says otherwise.
  std::filesystem::path ProgramFolder;
  std::filesystem::path SettingsFolder;  // where Set.ini is read when not the program folder
  // The Set.ini in force, as the program located it; start-up fills it from the folders above
  // when it is not set.
  std::optional<SettingsLocation> Settings;
  // When the game or the edit-data file is not found at start-up, the list window says so and
  // opens the settings window (the program sets it; tests that start without a game leave it off).
  bool OfferGameSettings = false;
  PathSettings Paths;
  // An edit-data file opened for this session (系统 → 打开…) in place of the one the paths name;
  // empty for that one. Loading and saving use it.
  std::filesystem::path OpenedFile;
  GeneralTable Table;
  EditHistory History;             // the edits since the last load; knows what is unsaved
  PendingFaces Faces;              // imported faces that 保存数据 has not written yet (in History too)
  DiskChangeWatch EditDataOnDisk;  // what the edit-data file held when last read or written
  OriginalFileKeeper Original;     // the file as this run first read it: the first save's backup
  EditorState State;
  int SelectedSlot = 0;    // row - 1 of the last grid pick; 0 before the first pick
  bool RowPicked = false;  // whether a grid row was picked since the last load
};

}  // namespace tavlor
