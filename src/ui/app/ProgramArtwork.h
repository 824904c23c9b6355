// The program's own emblem: a gold five-petal crest in a ring, painted by code for the splash and
// the window icon.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace tavlor {

// Paints the crest filling the square `area` (the largest square inside it, centred).
void PaintCrest(QPainter& painter, const QRectF& area, qreal opacity = 1.0);

// The crest on lacquer, at the usual icon sizes.
QIcon ProgramIcon();

}  // namespace tavlor
