// tavlor-cli csv-import: applies a spreadsheet to the generals, all rows or none.
#include <QFile>

#include "cli/CliCommand.h"
#include "cli/CsvCodecForCommands.h"
#include "cli/TableStepCommand.h"
#include "core/text/TextTables.h"

namespace tavlor::cli {
namespace {

// Far above a sheet of 1000 generals (about 400 kB), far below harm.
constexpr qint64 kMaxSheetBytes = 16 * 1024 * 1024;

int CsvImport(const QStringList& arguments) {
  if (arguments.size() != 2) return Fail(QStringLiteral("usage: csv-import FILE IN.csv"));
  QFile sheetFile(arguments[1]);
  if (!sheetFile.open(QIODevice::ReadOnly))
    return Fail(QStringLiteral("cannot open %1: %2").arg(arguments[1], sheetFile.errorString()));
  if (sheetFile.size() > kMaxSheetBytes)
    return Fail(QStringLiteral("%1 is larger than %2 MB: no sheet of generals")
                    .arg(arguments[1])
                    .arg(kMaxSheetBytes >> 20));
  const QByteArray sheet = sheetFile.read(kMaxSheetBytes + 1);
  return RunTableStep(arguments[0], [&](GeneralTable& table) -> QString {
    LoadAllTextTables(ProgramFolder());
    BuiltinGeneralLists lists;
    const CsvImportResult result =
        ImportGeneralsCsv(std::string_view(sheet.constData(), static_cast<std::size_t>(sheet.size())), table,
                          lists, SharedTextTables(), InterfaceCsvCodec());
    if (const auto& problem = result.Problem) {
      QString where = QStringLiteral("%1").arg(arguments[1]);
      if (problem->Line > 0) where += QStringLiteral(" line %1").arg(problem->Line);
      if (!problem->Column.empty())
        where += QStringLiteral(" column %1").arg(QString::fromStdString(problem->Column));
      return QStringLiteral("%1: %2; nothing was applied")
          .arg(where, QString::fromStdString(problem->Reason));
    }
    PrintLine(QStringLiteral("changed %1 general(s), added %2").arg(result.Changed).arg(result.Added));
    return {};
  });
}

const Registration kCsvImport(
    "csv-import",
    "csv-import FILE IN.csv   apply a spreadsheet written by csv-export (rows by slot; "
    "slots behind the last are added); all rows or none",
    CsvImport);

}  // namespace
}  // namespace tavlor::cli
