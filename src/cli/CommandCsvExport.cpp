// tavlor-cli csv-export: every general as a UTF-8 spreadsheet.
#include <QFile>

#include "cli/CliCommand.h"
#include "cli/CsvCodecForCommands.h"
#include "cli/TableLoading.h"
#include "core/data/SafeFileWrite.h"
#include "core/text/TextTables.h"

namespace tavlor::cli {
namespace {

int CsvExport(const QStringList& arguments) {
  if (arguments.size() != 2) return Fail(QStringLiteral("usage: csv-export FILE OUT.csv"));
  LoadReport report;
  QString error;
  const auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  LoadAllTextTables(ProgramFolder());
  const std::string sheet = ExportGeneralsCsv(*table, SharedTextTables(), InterfaceCsvCodec());
  if (const FileError failure =
          ReplaceFileSafely(PathOfArgument(arguments[1]), sheet, BackupPolicy::LeaveAlone()))
    return Fail(QString::fromStdString(DescribeFileError(failure)));
  PrintLine(QStringLiteral("wrote %1 general(s) to %2").arg(table->GeneralCount).arg(arguments[1]));
  return 0;
}

const Registration kCsvExport(
    "csv-export",
    "csv-export FILE OUT.csv   write every general as a UTF-8 spreadsheet (header of "
    "field names, aptitudes as D/C/B/A/S)",
    CsvExport);

}  // namespace
}  // namespace tavlor::cli
