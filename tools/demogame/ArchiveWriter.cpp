#include "ArchiveWriter.h"

#include <QByteArray>
#include <QSaveFile>

namespace demogame {
namespace {

void AppendLong(QByteArray& bytes, qint32 value) {
  for (int b = 0; b < 4; ++b)
    bytes.append(static_cast<char>((static_cast<quint32>(value) >> (8 * b)) & 0xff));
}

void AppendInteger(QByteArray& bytes, qint16 value) {
  bytes.append(static_cast<char>(static_cast<quint16>(value) & 0xff));
  bytes.append(static_cast<char>(static_cast<quint16>(value) >> 8));
}

int TextureSideOf(int width) {
  return width <= 64 ? 64 : (width <= 128 ? 128 : 256);
}

}  // namespace

bool WriteFaceArchive(const QString& path, const QList<QImage>& pictures, const QList<int>& entryPicture,
                      QString* error) {
  const int width = pictures.first().width();
  const int height = pictures.first().height();
  const int side = TextureSideOf(width);
  const qint64 recordBytes = 56 + qint64(side) * side * 4;
  const qint32 entries = static_cast<qint32>(entryPicture.size());
  const qint64 firstRecord = 32 + 8 * qint64(entries) + 12 * qint64(entries);

  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(firstRecord + recordBytes * pictures.size()));
  bytes.append("TVKA", 4);  // our own mark; readers never check it
  AppendLong(bytes, entries);
  AppendLong(bytes, 32);
  AppendLong(bytes, entries);
  AppendLong(bytes, 32 + 8 * entries);
  bytes.append(12, '\0');
  for (int picture : entryPicture) {
    AppendLong(bytes, static_cast<qint32>(firstRecord + recordBytes * picture));
    bytes.append(4, '\0');
  }
  for (qint32 i = 0; i < entries; ++i) {
    bytes.append(4, '\0');
    AppendInteger(bytes, static_cast<qint16>(width));
    AppendInteger(bytes, static_cast<qint16>(height));
    bytes.append(4, '\0');
  }
  for (const QImage& picture : pictures) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    bytes.append(56, '\0');
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        if (x < width && y < height) {
          const QRgb pixel = rgb.pixel(x, y);
          bytes.append(static_cast<char>(qBlue(pixel)));
          bytes.append(static_cast<char>(qGreen(pixel)));
          bytes.append(static_cast<char>(qRed(pixel)));
          bytes.append('\0');
        } else {
          bytes.append(4, '\0');
        }
      }
    }
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = path + ": " + file.errorString();
    return false;
  }
  return true;
}

}  // namespace demogame
