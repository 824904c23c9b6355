// The painted artwork of the portrait browser and its hover preview, in the editor's manner:
// lacquer with gold rims, a washi board with a framed niche for every thumbnail.
#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace tavlor {

// The browser's whole client area: lacquer, the dark band of the top bar with its gold rule.
QPixmap PaintBrowserBackground();
// The thumbnail panel: a washi board with a dark, gold-rimmed niche behind each of the 40 boxes.
QPixmap PaintThumbnailBoard();
// Over an empty niche: a faint crest, so the unused places read as part of the board.
void PaintEmptyNiche(QPainter& painter, const QRect& box);
// Round the thumbnail under the pointer: a lit gold frame.
void PaintThumbnailHighlight(QPainter& painter, const QRect& box);
// The preview window: lacquer with a gold rim and a niche behind each of its three faces.
QPixmap PaintPreviewBackground();

}  // namespace tavlor
