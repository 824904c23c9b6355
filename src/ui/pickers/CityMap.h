// The city picker's map, painted by code: washi sea, paper land with inked coasts, territory
// borders lightly drawn, and the castle icons.
#pragma once

#include <QPixmap>
#include <QPointF>

class QPainter;

namespace tavlor {

// The whole map at the picker's client size (twips turned into pixels), painted once per run and
// shared by every use of the picker.
const QPixmap& CityMapPicture();

enum class CastleLook { Plain, Hovered, Selected };

// A castle icon of the map (18 x 18 pixels): plain, brightened under the pointer, or lit as the
// selected city.
const QPixmap& CastleIcon(CastleLook look);

// The mark painted on the map round the selected city's icon (centre in pixels).
void PaintSelectionMark(QPainter& painter, QPointF centre);

}  // namespace tavlor
