// The editor's painted artwork: lacquer and gold, washi-paper panels, brush-like captions. Every
// plate and panel is painted by code; nothing is loaded from files.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

namespace tavlor::art {

// The palette of the screen.
inline const QColor kLacquerDeep{22, 14, 11};
inline const QColor kLacquer{48, 28, 20};
inline const QColor kLacquerRed{92, 26, 20};
inline const QColor kGold{201, 161, 74};
inline const QColor kGoldBright{240, 214, 140};
inline const QColor kGoldDim{128, 98, 46};
inline const QColor kWashi{238, 227, 203};
inline const QColor kWashiShade{214, 198, 164};
inline const QColor kInk{34, 24, 18};
inline const QColor kVermilion{178, 50, 36};

// A transparent pixmap of `size` logical pixels at the display's pixel ratio, to paint on.
QPixmap BlankPixmap(QSize size);

// The painted captions' CJK serif face (the one the release brings, or Noto Serif CJK SC where
// installed), with a fallback chain, sized in pixels.
QFont CaptionFont(int pixelSize, bool bold = true);
// The installed CJK interface faces, best first: the chain every name and typed text is drawn in.
QStringList InterfaceFontFamilies();
// The face for typed text in the boxes.
QFont FieldFont(int pixelSize);

enum class PlateLook { Normal, Hover, Pressed };

// A lacquered push plate with a gold rim and a caption.
QPixmap ButtonPlate(QSize size, const QString& caption, PlateLook look);
// An option plate: dim paper when not chosen, lit vermilion and gold when chosen.
QPixmap OptionPlate(QSize size, const QString& caption, bool selected);
// The voice panel's arrow plate (pointing down when the panel is closed).
QPixmap ArrowPlate(QSize size, bool panelOpen, PlateLook look);
// A voice name plate of the voice panel.
QPixmap VoicePlate(QSize size, const QString& caption, bool chosen);

// Pieces of the background.
void PaintLacquer(QPainter& painter, const QRectF& area);
void PaintWashiPanel(QPainter& painter, const QRectF& area, int seed);
void PaintGoldFrame(QPainter& painter, const QRectF& area, qreal width = 1.5);
// A dark recess for a portrait, with a dim and a bright gold hairline round it (reaching 4 pixels
// beyond `area`).
void PaintInset(QPainter& painter, const QRect& area);
void PaintCaption(QPainter& painter, const QRectF& area, const QString& caption, int pixelSize,
                  const QColor& colour, Qt::Alignment alignment = Qt::AlignCenter);

}  // namespace tavlor::art
