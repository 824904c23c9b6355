// tavlor-cli face / sheet / faces: one face of an archive as a PNG at its own size, a contact
// sheet of a run of faces, and an archive's tables in brief.
#include <QImage>
#include <QMap>
#include <QString>
#include <algorithm>

#include "cli/CliCommand.h"
#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceArchiveWriter.h"

namespace tavlor::cli {
namespace {

std::unique_ptr<FaceArchive> OpenOrReport(const QString& path, int* exitCode) {
  const std::filesystem::path file(path.toStdU16String());
  std::string reason;
  // A save stopped half way is finished first, so the faces read are whole.
  if (!RecoverFaceArchive(file, nullptr, &reason)) {
    *exitCode = Fail(QString::fromStdString(reason));
    return nullptr;
  }
  auto archive = FaceArchive::Open(file, &reason);
  if (!archive)
    *exitCode = Fail(QStringLiteral("not a usable face archive: %1").arg(QString::fromStdString(reason)));
  return archive;
}

QImage ToImage(const FaceImage& face) {
  QImage image(face.Width, face.Height, QImage::Format_RGB888);
  const int rowBytes = face.Width * 3;
  for (int y = 0; y < face.Height; ++y)
    std::copy_n(face.Rgb.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes, image.scanLine(y));
  return image;
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
  const QImage image = ToImage(*face);
  if (!image.save(arguments[2], "PNG")) return Fail(QStringLiteral("cannot write %1").arg(arguments[2]));
  PrintLine(QStringLiteral("face %1: %2 x %3 -> %4")
                .arg(index)
                .arg(face->Width)
                .arg(face->Height)
                .arg(arguments[2]));
  return 0;
}

// A contact sheet: faces FIRST .. FIRST + COUNT - 1 at their own size, ten to a row; a face that
// cannot be read leaves its cell dark.
int WriteContactSheet(const QStringList& arguments) {
  if (arguments.size() != 4) return Fail(QStringLiteral("usage: sheet ARCHIVE FIRST COUNT OUT.png"));
  bool firstIsNumber = false, countIsNumber = false;
  const int first = arguments[1].toInt(&firstIsNumber);
  const int count = arguments[2].toInt(&countIsNumber);
  if (!firstIsNumber || !countIsNumber || count < 1 || count > 400)
    return Fail(QStringLiteral("FIRST must be a whole number and COUNT 1 to 400"));
  int exitCode = 0;
  auto archive = OpenOrReport(arguments[0], &exitCode);
  if (!archive) return exitCode;

  QList<QImage> faces;
  QSize cell(1, 1);
  for (int i = 0; i < count; ++i) {
    const std::optional<FaceImage> face = archive->ReadFace(first + i);
    faces << (face ? ToImage(*face) : QImage());
    if (face) cell = cell.expandedTo(QSize(face->Width, face->Height));
  }
  constexpr int kColumns = 10, kGap = 4;
  const int columns = std::min(count, kColumns), rows = (count + kColumns - 1) / kColumns;
  QImage sheet(columns * (cell.width() + kGap) + kGap, rows * (cell.height() + kGap) + kGap,
               QImage::Format_RGB888);
  sheet.fill(QColor(24, 24, 24));
  for (int i = 0; i < count; ++i) {
    if (faces[i].isNull()) continue;
    const int x = kGap + (i % kColumns) * (cell.width() + kGap),
              y = kGap + (i / kColumns) * (cell.height() + kGap);
    for (int row = 0; row < faces[i].height(); ++row)
      std::copy_n(faces[i].constScanLine(row), faces[i].width() * 3, sheet.scanLine(y + row) + x * 3);
  }
  if (!sheet.save(arguments[3], "PNG")) return Fail(QStringLiteral("cannot write %1").arg(arguments[3]));
  PrintLine(QStringLiteral("faces %1 to %2 -> %3").arg(first).arg(first + count - 1).arg(arguments[3]));
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
const Registration kSheet("sheet", "sheet ARCHIVE FIRST COUNT OUT.png   a contact sheet of COUNT faces",
                          WriteContactSheet);
const Registration kFaces("faces", "faces ARCHIVE   entry count, size-table count and distinct sizes",
                          DescribeArchive);

}  // namespace
}  // namespace tavlor::cli
