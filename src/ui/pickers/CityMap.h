// The city picker's map, painted by code: washi sea, paper land with inked coasts, territory
// borders lightly drawn, and the castle icons.
#pragma once

#include <QPixmap>

namespace tavlor {

// The whole map at the picker's client size (twips turned into pixels), painted once per run and
// shared by every use of the picker.
const QPixmap& CityMapPicture();

// A castle icon of the map (18 x 18 pixels): plain, or lit as the selected city.
const QPixmap& CastleIcon(bool selected);

}  // namespace tavlor
