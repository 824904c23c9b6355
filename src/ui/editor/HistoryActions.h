// Undo and redo from the windows: the core's edit history restores the table and the lists, this
// refills the grid and shows the general the step touched.
#pragma once

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;

// Undoes the last add, change or import; nothing when there is none.
void UndoLastEdit(ProgramContext& context, Form1& form1, Form2& form2);
// Applies the last undone edit again; nothing when there is none.
void RedoEdit(ProgramContext& context, Form1& form1, Form2& form2);

// Connects the list window's undo and redo items; their keys work in the editor window too.
void ConnectHistoryActions(ProgramContext& context, Form1& form1, Form2& form2);

}  // namespace tavlor
