// Fuzz target: a player's picture file of any bytes read with bounds and made into the three face
// sizes. A refusal names the file; a picture that is read is opaque RGB888 within the size bounds,
// and every face made from it has exactly the size asked for.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "imaging/FacePicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString file =
      QDir::temp().filePath(QStringLiteral("tavlor-fuzz-picture-%1").arg(QCoreApplication::applicationPid()));
  {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  QString error;
  const std::optional<QImage> picture = tavlor::imaging::ReadPicture(file, QColor(10, 20, 30), &error);
  if (!picture) {
    if (!error.startsWith(file)) __builtin_trap();
    return 0;
  }
  if (picture->format() != QImage::Format_RGB888 || picture->width() < 1 || picture->height() < 1 ||
      picture->width() > tavlor::imaging::kMaxPictureSide ||
      picture->height() > tavlor::imaging::kMaxPictureSide)
    __builtin_trap();
  const QRect square = tavlor::imaging::DefaultFaceSquare(picture->size());
  const struct {
    tavlor::FaceSizeKind Size;
    int Width, Height;
  } faces[3] = {{tavlor::FaceSizeKind::Large, 240, 240},
                {tavlor::FaceSizeKind::Medium, 96, 120},
                {tavlor::FaceSizeKind::Small, 60, 60}};
  for (const auto& face : faces) {
    const QRect region = tavlor::imaging::FaceRegion(face.Size, square, picture->size());
    if (!QRect(QPoint(0, 0), picture->size()).contains(region)) __builtin_trap();
    const tavlor::FaceImage made =
        tavlor::imaging::ToFaceImage(tavlor::imaging::ScaleRegion(*picture, region, face.Width, face.Height));
    if (made.Width != face.Width || made.Height != face.Height ||
        made.Rgb.size() != static_cast<std::size_t>(face.Width) * face.Height * 3)
      __builtin_trap();
  }
  return 0;
}
