// Sharing a general from the windows: the picked general out to a shared-general file, and such
// a file in as a new general or over the picked one (menu items and files dropped on the list).
#pragma once

#include <QString>

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;

// Asks where to write the picked general and writes it. A refusal (nothing picked) or a write
// failure is shown; nothing else changes.
void ExportPickedGeneral(ProgramContext& context);

// Reads `file` (asks for one when it is empty), asks, then imports the general as a new one or
// over the picked one through the edit history, refills the grid and shows it. A damaged or
// foreign file, or a refusal of the add/change checks, is shown and changes nothing.
void ImportSharedGeneral(ProgramContext& context, Form1& form1, Form2& form2, bool overPicked, QString file);

// Connects the list window's export and import items and its file drops.
void ConnectSharingActions(ProgramContext& context, Form1& form1, Form2& form2);

}  // namespace tavlor
