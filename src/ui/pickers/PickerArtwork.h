// The pickers' shared look: a lacquer ground with washi panels, and the style of their fields,
// lists and standard buttons, in the manner of the editor.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <initializer_list>

namespace tavlor {

// A window ground of `size`: lacquer, a gold border and a washi panel for each of `panels`.
QPixmap PaintPickerBackground(QSize size, std::initializer_list<QRect> panels);

// A sunken lacquer well with a gold rim round `box`, where a portrait is drawn.
void PaintPortraitWell(QPixmap& ground, const QRect& box);

// The pickers' style sheet: the editor's paper fields and push buttons, plus
// a paper list and gold scroll bars.
QString PickerStyleSheet();

}  // namespace tavlor
