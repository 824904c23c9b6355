// tavlor-cli resolve: which archive set and face index a stored face number names.
#include <QString>

#include "cli/CliCommand.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor::cli {
namespace {

int Resolve(const QStringList& arguments) {
  if (arguments.size() != 1) return Fail(QStringLiteral("usage: resolve FACENO"));
  bool isNumber = false;
  const int faceNumber = arguments[0].toInt(&isNumber);
  if (!isNumber) return Fail(QStringLiteral("FACENO must be a 32-bit whole number: %1").arg(arguments[0]));
  const ResolvedFace face = ResolveFace(faceNumber);
  switch (face.Set) {
    case FaceSet::Game:
      PrintLine(QStringLiteral("game %1").arg(face.Index));
      break;
    case FaceSet::Edit:
      PrintLine(QStringLiteral("edit %1").arg(face.Index));
      break;
    case FaceSet::None:
      PrintLine(QStringLiteral("none"));
      break;
  }
  return 0;
}

const Registration kResolve("resolve",
                            "resolve FACENO   the set (game, edit, none) and face index of a face number",
                            Resolve);

}  // namespace
}  // namespace tavlor::cli
