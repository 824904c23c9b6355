// Where the import window opens from (the list window's 系统 menu, the portrait browser) and what
// follows a face change in the other windows: the editor and the related-general picker draw
// their faces again, and the shown general can take the new face.
#pragma once

#include <optional>

#include "ui/portraits/FaceImportActions.h"

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;
class Form_CGBR;

// Opens the import window on `slot`, or where it opens by itself (the shown general's edit face).
void OpenFaceImport(ProgramContext& context, Form1& form1, std::optional<FaceSlot> slot);

// The editor's large face and its related generals' faces drawn again (pending faces included),
// its fields untouched.
void RedrawEditorFaces(ProgramContext& context, Form1& form1);

// Connects the menu item, the redraws and the browser's import button (for every browser made).
void ConnectFaceImport(ProgramContext& context, Form1& form1, Form2& form2);
void ConnectBrowserImport(ProgramContext& context, Form1& form1, Form_CGBR& browser);

}  // namespace tavlor
