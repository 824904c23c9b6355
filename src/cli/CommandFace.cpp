// tavlor-cli face / faces: one face of an archive as a PNG at its own size, and an archive's
// tables in brief.
#include <QImage>
#include <QMap>
#include <QString>
#include <algorithm>

#include "cli/CliCommand.h"
#include "core/portraits/FaceArchive.h"

namespace tavlor::cli {
namespace {

std::unique_ptr<FaceArchive> OpenOrReport(const QString& path, int* exitCode) {
  std::string reason;
  auto archive = FaceArchive::Open(std::filesystem::path(path.toStdString()), &reason);
  if (!archive)
    *exitCode = Fail(QStringLiteral("not a usable face archive: %1").arg(QString::fromStdString(reason)));
  return archive;
}

int WriteFace(const QStringList& arguments) {
  if (arguments.size() != 3) return Fail(QStringLiteral("usage: face ARCHIVE INDEX OUT.png"));
  bool isNumber = false;
  const int index = arguments[1].toInt(&isNumber);
  if (!isNumber) return Fail(QStringLiteral("INDEX must be a whole number: %1").arg(arguments[1]));
  int exitCode = 0;
  auto archive = OpenOrReport(arguments[0], &exitCode);
  if (!archive) return exitCode;

  const std::optional<FaceImage> face = archive->ReadFace(index);
  if (!face) {
    return Fail(QStringLiteral("face %1 cannot be read (entries: %2, sizes: %3)")
                    .arg(index)
                    .arg(archive->EntryCount())
                    .arg(archive->SizeCount()));
  }
  QImage image(face->Width, face->Height, QImage::Format_RGB888);
  const int rowBytes = face->Width * 3;
  for (int y = 0; y < face->Height; ++y)
    std::copy_n(face->Rgb.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes, image.scanLine(y));
  if (!image.save(arguments[2], "PNG")) return Fail(QStringLiteral("cannot write %1").arg(arguments[2]));
  PrintLine(QStringLiteral("face %1: %2 x %3 -> %4")
                .arg(index)
                .arg(face->Width)
                .arg(face->Height)
                .arg(arguments[2]));
  return 0;
}

int DescribeArchive(const QStringList& arguments) {
  if (arguments.size() != 1) return Fail(QStringLiteral("usage: faces ARCHIVE"));
  int exitCode = 0;
  auto archive = OpenOrReport(arguments[0], &exitCode);
  if (!archive) return exitCode;

  // Distinct sizes in order of first appearance, each with how many rows have it.
  QList<QPair<QString, int>> sizes;
  for (const FaceSize& size : archive->Sizes()) {
    const QString name = QStringLiteral("%1x%2").arg(size.Width).arg(size.Height);
    auto found =
        std::find_if(sizes.begin(), sizes.end(), [&](const auto& pair) { return pair.first == name; });
    if (found == sizes.end())
      sizes.append({name, 1});
    else
      ++found->second;
  }
  PrintLine(QStringLiteral("entries: %1").arg(archive->EntryCount()));
  PrintLine(QStringLiteral("sizes: %1").arg(archive->SizeCount()));
  QStringList parts;
  for (const auto& [name, count] : sizes) parts << QStringLiteral("%1 (%2)").arg(name).arg(count);
  PrintLine(QStringLiteral("distinct sizes: %1").arg(parts.join(QStringLiteral(", "))));
  return 0;
}

const Registration kFace("face", "face ARCHIVE INDEX OUT.png   write one face, upright, at its own size",
                         WriteFace);
const Registration kFaces("faces", "faces ARCHIVE   entry count, size-table count and distinct sizes",
                          DescribeArchive);

}  // namespace
}  // namespace tavlor::cli
