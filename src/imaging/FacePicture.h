// A player's own picture made into the faces of a face set: read with bounds (the declared size is
// checked before anything is decoded), turned to sRGB when it carries a colour profile, transparent
// parts filled with one colour, and cut and scaled down to each archive face's own size.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceSet.h"

namespace tavlor::imaging {

constexpr int kMaxPictureSide = 16384;
constexpr int kMaxDecodeMegabytes = 256;

// The picture in `file`, in sRGB, opaque (transparency laid over `fill`), as Format_RGB888; nothing
// and "<file>: <reason>" for a file that cannot be read, is damaged, is of no known format, or
// declares more than kMaxPictureSide pixels a side or a decode above kMaxDecodeMegabytes.
std::optional<QImage> ReadPicture(const QString& file, const QColor& fill, QString* error);

// "RRGGBB" (with or without a leading '#') as a colour; nothing for anything else.
std::optional<QColor> ParseFillColour(const QString& text);

// The square of the large face in picture pixels. Default: the largest square, centred across, at
// the top of a tall picture and centred down a wide one.
QRect DefaultFaceSquare(const QSize& picture);
// "X,Y,SIDE" checked against the picture; nothing and a reason for a square outside it.
std::optional<QRect> ParseFaceSquare(const QString& text, const QSize& picture, QString* error);

// The part of the picture each size takes from the large square: the large face the square itself;
// the medium face the square's width and 5/4 of it in height around the same centre (narrowed to
// keep 4:5 when the picture is not that tall), moved inside the picture; the small face the centre
// of the square, 3/4 of its side.
QRect FaceRegion(FaceSizeKind size, const QRect& square, const QSize& picture);

// `region` of `picture` scaled to width x height without aliasing: halved with smooth filtering
// until within 2x of the size, then smoothly scaled the rest of the way.
QImage ScaleRegion(const QImage& picture, const QRect& region, int width, int height);

// An RGB888 image as the archives' face type.
FaceImage ToFaceImage(const QImage& image);

}  // namespace tavlor::imaging
