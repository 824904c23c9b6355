// Writes a face archive in the game's layout: 32-byte header, entry table, size table, then one
// image record (56-byte header + S x S BGRx pixels, first row on top) per distinct picture.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace demogame {

// `pictures` are the distinct images (all the same size); entry i shows pictures[entryPicture[i]].
// Returns false with `error` set when the file cannot be written.
bool WriteFaceArchive(const QString& path, const QList<QImage>& pictures, const QList<int>& entryPicture,
                      QString* error);

}  // namespace demogame
