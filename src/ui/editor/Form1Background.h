// The editor's background: the painted screen with its panels and captions, drawn once.
#pragma once

#include <QPixmap>

namespace tavlor {

// The whole 985 x 660 screen at the display's pixel ratio (a few milliseconds; kept by Form1).
QPixmap PaintForm1Background();

}  // namespace tavlor
