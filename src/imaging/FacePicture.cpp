#include "imaging/FacePicture.h"

#include <QColorSpace>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>
#include <algorithm>

namespace tavlor::imaging {
namespace {

// Lays every pixel over `fill` by its alpha; the result is opaque RGB888.
QImage OverFill(const QImage& image, const QColor& fill) {
  const QImage source = image.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB888);
  const int fillRgb[3] = {fill.red(), fill.green(), fill.blue()};
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* row = out.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      const int alpha = qAlpha(in[x]);
      const int colour[3] = {qRed(in[x]), qGreen(in[x]), qBlue(in[x])};
      for (int c = 0; c < 3; ++c)
        row[3 * x + c] = static_cast<uchar>((colour[c] * alpha + fillRgb[c] * (255 - alpha) + 127) / 255);
    }
  }
  return out;
}

// `part` of an RGB888 image at half its size, each pixel the rounded average of a 2 x 2 block (an
// odd last column or row averages with itself).
QImage HalveByAverages(const QImage& rgb, const QRect& part) {
  const int width = (part.width() + 1) / 2, height = (part.height() + 1) / 2;
  QImage out(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    const int top = part.top() + 2 * y;
    const uchar* rowA = rgb.constScanLine(top);
    const uchar* rowB = rgb.constScanLine(std::min(top + 1, part.bottom()));
    uchar* to = out.scanLine(y);
    for (int x = 0; x < width; ++x) {
      const int left = part.left() + 2 * x;
      const int a = 3 * left, b = 3 * std::min(left + 1, part.right());
      for (int c = 0; c < 3; ++c)
        to[3 * x + c] = static_cast<uchar>((rowA[a + c] + rowA[b + c] + rowB[a + c] + rowB[b + c] + 2) / 4);
    }
  }
  return out;
}

// libpng allocates a chunk's declared length before it reads the chunk, and a damaged file may
// declare up to 2 GB: every chunk of a PNG must lie within the file before it is decoded.
bool PngChunksFitTheFile(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return true;  // the reader reports it
  static const char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
  char header[8];
  if (in.read(header, 8) != 8 || !std::equal(header, header + 8, kSignature)) return true;  // not a PNG
  const qint64 size = in.size();
  qint64 at = 8;
  while (at + 8 <= size) {
    if (!in.seek(at) || in.read(header, 8) != 8) return false;
    const quint32 length = (quint32(uchar(header[0])) << 24) | (quint32(uchar(header[1])) << 16) |
                           (quint32(uchar(header[2])) << 8) | quint32(uchar(header[3]));
    if (qint64(length) + 12 > size - at) return false;
    if (std::equal(header + 4, header + 8, "IEND")) return true;
    at += qint64(length) + 12;
  }
  return at == size;
}

}  // namespace

std::optional<QImage> ReadPicture(const QString& file, const QColor& fill, QString* error) {
  auto refuse = [&](const QString& reason) {
    if (error) *error = QStringLiteral("%1: %2").arg(file, reason);
    return std::nullopt;
  };
  if (!QFileInfo(file).isFile()) return refuse(QStringLiteral("no such file"));
  QImageReader reader(file);
  reader.setAllocationLimit(kMaxDecodeMegabytes);
  reader.setAutoTransform(true);  // a photo's orientation tag turns it upright
  if (!reader.canRead())
    return refuse(QStringLiteral("not a picture of a known format (%1)").arg(reader.errorString()));
  if (!PngChunksFitTheFile(file))
    return refuse(QStringLiteral("a damaged PNG: a part of it runs past the end of the file"));
  const QSize declared = reader.size();
  if (declared.isValid() && (declared.width() > kMaxPictureSide || declared.height() > kMaxPictureSide))
    return refuse(QStringLiteral("the picture is %1 x %2 pixels; at most %3 x %3 can be read")
                      .arg(declared.width())
                      .arg(declared.height())
                      .arg(kMaxPictureSide));
  // Warnings the image plugins log would be more lines beside the one-line reason (libpng itself
  // still writes its own "libpng error" line straight to the error output).
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QImage image = reader.read();
  qInstallMessageHandler(previous);
  if (image.isNull()) return refuse(QStringLiteral("cannot be read: %1").arg(reader.errorString()));
  if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
    return refuse(QStringLiteral("the picture is larger than %1 x %1 pixels").arg(kMaxPictureSide));
  if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb)) {
    // Paletted and one-channel pictures convert through a true-colour form.
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
      image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.convertToColorSpace(QColorSpace(QColorSpace::SRgb));
  }
  return OverFill(image, fill);
}

std::optional<QColor> ParseFillColour(const QString& text) {
  const QString digits = text.startsWith(u'#') ? text.mid(1) : text;
  if (digits.size() != 6) return std::nullopt;
  bool ok = false;
  const uint value = digits.toUInt(&ok, 16);
  if (!ok) return std::nullopt;
  return QColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
}

QRect DefaultFaceSquare(const QSize& picture) {
  const int side = std::min(picture.width(), picture.height());
  const int y = picture.height() > picture.width() ? 0 : (picture.height() - side) / 2;
  return QRect((picture.width() - side) / 2, y, side, side);
}

std::optional<QRect> ParseFaceSquare(const QString& text, const QSize& picture, QString* error) {
  const QStringList parts = text.split(u',');
  int numbers[3] = {0, 0, 0};
  bool ok = parts.size() == 3;
  for (int i = 0; ok && i < 3; ++i) numbers[i] = parts[i].trimmed().toInt(&ok);
  if (!ok) {
    if (error) *error = QStringLiteral("the crop must be X,Y,SIDE in picture pixels: %1").arg(text);
    return std::nullopt;
  }
  const QRect square(numbers[0], numbers[1], numbers[2], numbers[2]);
  if (numbers[0] < 0 || numbers[1] < 0 || numbers[2] < 1 || !QRect(QPoint(0, 0), picture).contains(square)) {
    if (error)
      *error = QStringLiteral("the crop %1 does not lie inside the picture of %2 x %3")
                   .arg(text)
                   .arg(picture.width())
                   .arg(picture.height());
    return std::nullopt;
  }
  return square;
}

QRect FaceRegion(FaceSizeKind size, const QRect& square, const QSize& picture) {
  const int side = square.width();
  // Twice the centre, to stay exact with odd sides.
  const int centreX2 = 2 * square.x() + side, centreY2 = 2 * square.y() + side;
  int width = side, height = side;
  if (size == FaceSizeKind::Medium) {
    height = side * 5 / 4;
    if (height > picture.height()) {
      height = picture.height();
      width = std::max(1, height * 4 / 5);
    }
  } else if (size == FaceSizeKind::Small) {
    width = height = std::max(1, side * 3 / 4);
  }
  const int x = std::clamp((centreX2 - width) / 2, 0, picture.width() - width);
  const int y = std::clamp((centreY2 - height) / 2, 0, picture.height() - height);
  return QRect(x, y, width, height);
}

QImage ScaleRegion(const QImage& picture, const QRect& region, int width, int height) {
  // Halving by 2 x 2 averages while the part is twice the face's size or more: exact, fast on a
  // photo (the first halving reads the picture in place, with no copy of the part), and free of
  // aliasing; the last step, below twice the size, is a smooth scale.
  QImage image;
  const QImage rgb =
      picture.format() == QImage::Format_RGB888 ? picture : picture.convertToFormat(QImage::Format_RGB888);
  QRect part = region.intersected(rgb.rect());
  if (part.width() >= 2 * width && part.height() >= 2 * height) {
    image = HalveByAverages(rgb, part);
    while (image.width() >= 2 * width && image.height() >= 2 * height)
      image = HalveByAverages(image, image.rect());
  } else {
    image = rgb.copy(part);
  }
  while (image.width() > 2 * width || image.height() > 2 * height) {
    const int stepWidth = std::max(width, (image.width() + 1) / 2);
    const int stepHeight = std::max(height, (image.height() + 1) / 2);
    image = image.scaled(stepWidth, stepHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  if (image.size() != QSize(width, height))
    image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.convertToFormat(QImage::Format_RGB888);
}

FaceImage ToFaceImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  FaceImage face;
  face.Width = rgb.width();
  face.Height = rgb.height();
  face.Rgb.resize(static_cast<std::size_t>(face.Width) * face.Height * 3);
  const std::size_t rowBytes = static_cast<std::size_t>(face.Width) * 3;
  for (int y = 0; y < face.Height; ++y)
    std::copy_n(rgb.constScanLine(y), rowBytes, face.Rgb.data() + y * rowBytes);
  return face;
}

}  // namespace tavlor::imaging
