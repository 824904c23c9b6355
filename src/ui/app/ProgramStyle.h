// The program's own look in place of a skinning component: the Fusion style, a CJK font and a
// style sheet in the editor's dark lacquer and gold manner.
#pragma once

#include <QFont>
#include <QString>

class QApplication;
class QWidget;

namespace tavlor {

// The CJK interface faces (Noto Sans CJK where installed, the Windows CJK faces otherwise), at
// the given size.
QFont ProgramFont(int pointSize = 10);

// Style sheet of the framed main windows (the list window with its menus and buttons).
QString ProgramStyleSheet();

// Style sheet of the message boxes and tooltips, set on the whole application.
QString MessageBoxStyleSheet();

// Style sheet of the file dialogs: lacquer with gold captions, paper for the file list and fields.
QString FileDialogStyleSheet();

// Style, font and message-box look for the whole application.
void ApplyProgramStyle(QApplication& application);

// Styles one main window (the start-up's styling step): its style sheet, font and icon.
void StyleProgramWindow(QWidget& window);

}  // namespace tavlor
