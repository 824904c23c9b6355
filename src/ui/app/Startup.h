// The start-up sequence: from the first window to a ready editor with a loaded table and a filled
// grid. Every failure on the way is reported and start-up goes on.
#pragma once

class QWidget;

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;

// Runs once, before the editor is first shown: resolves the paths, loads the character tables,
// styles and places both windows (the list window is shown at the editor's left), draws the first
// portraits, sets the editor's defaults, reads the Blank slot, loads the edit-data file, fills the
// grid, connects the grid pick, the editor's change and add buttons, its pickers and the help menu
// (the help viewer opens beside the list window), and finally hides `splash` (when given).
// context.ProgramFolder must be set; Set.ini is read from context.SettingsFolder when that is set.
void RunStartup(ProgramContext& context, Form1& form1, Form2& form2, QWidget* splash = nullptr);

}  // namespace tavlor
