// tavlor-cli export: the whole table as JSON on stdout.
#include <QJsonDocument>
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/TableLoading.h"

namespace tavlor::cli {
namespace {

int Export(const QStringList& arguments) {
  if (arguments.size() != 1) return Fail(QStringLiteral("usage: export FILE"));
  LoadReport report;
  QString error;
  const auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  const QByteArray json =
      QJsonDocument(TableToJson(*table, ShippedDisplayName)).toJson(QJsonDocument::Indented);
  std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
  return std::fflush(stdout) == 0 ? 0 : Fail(QStringLiteral("cannot write the output"));
}

const Registration kExport("export", "export FILE   the header and every general as JSON", Export);

}  // namespace
}  // namespace tavlor::cli
