// The road of one edit between the windows: a grid pick shows the general on the editor, and the
// editor's change and add buttons write the editor's values into the General table (in memory;
// the file is written only by the list window's save).
#pragma once

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;

// The grid pick of `row` (1 and up; 0 shows nothing): empties the link portraits, shows slot
// row - 1 on the editor with its large portrait and its related generals' small portraits, and
// makes it the picked slot.
void ShowPickedGeneral(ProgramContext& context, Form1& form1, int row);

// Pic_YN(0): asks, then writes the editor's values into the picked slot and refills the grid. A
// refusal (nothing picked since the last load, ...) is shown and changes nothing.
void ChangePickedGeneral(ProgramContext& context, Form1& form1, Form2& form2);

// Pic_YN(1): asks, then writes the editor's values into a new slot behind the last general and
// refills the grid. A refusal (a full table, ...) is shown and changes nothing.
void AddNewGeneral(ProgramContext& context, Form1& form1, Form2& form2);

// Connects the list window's pick and the editor's change and add buttons to the above, and the
// undo, redo, export and import items and the unsaved-change guard of quitting the editor.
void ConnectEditorActions(ProgramContext& context, Form1& form1, Form2& form2);

}  // namespace tavlor
