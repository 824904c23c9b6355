// tavlor-cli face-import / face-restore: a player's picture made into one face of a set's three
// archives (large, medium, small) at once, and the kept originals put back.
#include <QString>

#include "cli/CliCommand.h"
#include "core/portraits/FaceSet.h"
#include "imaging/FacePicture.h"

namespace tavlor::cli {
namespace {

std::filesystem::path PathOf(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

QString TextOf(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

std::optional<std::array<FaceSetArchive, 3>> ArchivesOf(const QString& folder, const QString& set) {
  const std::optional<FaceSetKind> kind = ParseFaceSetKind(set.toStdString());
  if (!kind) return std::nullopt;
  return FaceSetArchivesIn(PathOf(folder), *kind);
}

const char* SizeName(FaceSizeKind size) {
  return size == FaceSizeKind::Large ? "large" : size == FaceSizeKind::Medium ? "medium" : "small";
}

int ImportPicture(const CommandArguments& arguments) {
  const QStringList& positional = arguments.Positional;
  if (positional.size() != 4)
    return Fail(
        QStringLiteral("usage: face-import FOLDER game|edit INDEX IMAGE [--crop X,Y,SIDE] [--fill RRGGBB]"));
  const auto archives = ArchivesOf(positional[0], positional[1]);
  if (!archives) return Fail(QStringLiteral("the set must be game or edit: %1").arg(positional[1]));
  bool isNumber = false;
  const int index = positional[2].toInt(&isNumber);
  if (!isNumber || index < 0)
    return Fail(QStringLiteral("INDEX must be a face index: %1").arg(positional[2]));
  QColor fill(Qt::black);
  if (arguments.Has("--fill")) {
    const std::optional<QColor> parsed = imaging::ParseFillColour(arguments.Value("--fill"));
    if (!parsed)
      return Fail(QStringLiteral("the fill must be RRGGBB in hex: %1").arg(arguments.Value("--fill")));
    fill = *parsed;
  }

  QString reason;
  const std::optional<QImage> picture = imaging::ReadPicture(positional[3], fill, &reason);
  if (!picture) return Fail(reason + QStringLiteral("; nothing was written"));
  QRect square = imaging::DefaultFaceSquare(picture->size());
  if (arguments.Has("--crop")) {
    const std::optional<QRect> crop =
        imaging::ParseFaceSquare(arguments.Value("--crop"), picture->size(), &reason);
    if (!crop) return Fail(reason + QStringLiteral("; nothing was written"));
    square = *crop;
  }

  const FacePictureMaker make = [&](FaceSizeKind size, int width, int height, std::string*) {
    const QRect region = imaging::FaceRegion(size, square, picture->size());
    return std::optional<FaceImage>(
        imaging::ToFaceImage(imaging::ScaleRegion(*picture, region, width, height)));
  };
  std::vector<FaceSetChange> changes;
  std::string error;
  if (!ImportFaceIntoSet(*archives, index, make, &changes, &error))
    return Fail(QString::fromStdString(error));
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const QRect region = imaging::FaceRegion((*archives)[i].Size, square, picture->size());
    PrintLine(QStringLiteral("%1: face %2 (%3, %4 x %5) from %6,%7 %8 x %9 of the picture")
                  .arg(TextOf(changes[i].File))
                  .arg(index)
                  .arg(QString::fromLatin1(SizeName((*archives)[i].Size)))
                  .arg(changes[i].Width)
                  .arg(changes[i].Height)
                  .arg(region.x())
                  .arg(region.y())
                  .arg(region.width())
                  .arg(region.height()));
  }
  return 0;
}

int RestoreOriginals(const QStringList& positional) {
  if (positional.size() != 3) return Fail(QStringLiteral("usage: face-restore FOLDER game|edit INDEX|all"));
  const auto archives = ArchivesOf(positional[0], positional[1]);
  if (!archives) return Fail(QStringLiteral("the set must be game or edit: %1").arg(positional[1]));
  std::optional<int32_t> index;
  if (positional[2] != QStringLiteral("all")) {
    bool isNumber = false;
    index = positional[2].toInt(&isNumber);
    if (!isNumber || *index < 0)
      return Fail(QStringLiteral("INDEX must be a face index or all: %1").arg(positional[2]));
  }
  std::vector<FaceSetChange> changes;
  std::string error;
  if (!RestoreFacesInSet(*archives, index, &changes, &error)) return Fail(QString::fromStdString(error));
  for (const FaceSetChange& change : changes) {
    QStringList faces;
    for (const int32_t face : change.Faces) faces << QString::number(face);
    PrintLine(QStringLiteral("%1: restored face%2 %3")
                  .arg(TextOf(change.File), change.Faces.size() == 1 ? QString() : QStringLiteral("s"),
                       faces.join(QStringLiteral(", "))));
  }
  return 0;
}

const Registration kFaceImport(
    "face-import",
    "face-import FOLDER game|edit INDEX IMAGE   make a picture face INDEX of the set's three archives in "
    "FOLDER/grp",
    {{"--crop", "the large face's square in picture pixels, X,Y,SIDE (default: the largest, centred)", true},
     {"--fill", "the colour under transparent parts, RRGGBB (default 000000)", true}},
    ImportPicture);
const Registration kFaceRestore(
    "face-restore",
    "face-restore FOLDER game|edit INDEX|all   put back the original of a face (or of "
    "every changed face) in the set's three archives",
    RestoreOriginals);

}  // namespace
}  // namespace tavlor::cli
