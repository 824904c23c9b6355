// tavlor-cli import: writes an edit-data file from the JSON form that export gives.
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

#include "cli/CliCommand.h"
#include "cli/TableLoading.h"

namespace tavlor::cli {
namespace {

// Larger than any export of 1000 generals by far; a bigger input is not ours.
constexpr qint64 kLargestJson = 64 * 1024 * 1024;

int Import(const QStringList& arguments) {
  if (arguments.size() != 2) return Fail(QStringLiteral("usage: import JSON OUT"));
  QFile input(arguments[0]);
  if (!input.open(QIODevice::ReadOnly))
    return Fail(QStringLiteral("cannot open %1: %2").arg(arguments[0], input.errorString()));
  if (input.size() > kLargestJson)
    return Fail(QStringLiteral("%1 is too large to be an export").arg(arguments[0]));
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(input.readAll(), &parseError);
  if (parseError.error != QJsonParseError::NoError)
    return Fail(QStringLiteral("%1: %2 at offset %3")
                    .arg(arguments[0], parseError.errorString())
                    .arg(parseError.offset));
  if (!document.isObject())
    return Fail(QStringLiteral("%1: the top level must be an object").arg(arguments[0]));

  auto table = std::make_unique<GeneralTable>();
  QString error;
  if (!TableFromJson(document.object(), *table, error))
    return Fail(QStringLiteral("%1: %2").arg(arguments[0], error));
  if (!LoadProgramBlankSlot(*table, error)) return Fail(error);
  if (!SaveTableForCommand(arguments[1], *table, error)) return Fail(error);
  return 0;
}

const Registration kImport("import", "import JSON OUT   write an edit-data file from exported JSON", Import);

}  // namespace
}  // namespace tavlor::cli
