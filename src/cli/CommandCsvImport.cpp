// tavlor-cli csv-import: applies a spreadsheet to the generals, all rows or none.
#include <QFile>

#include "cli/CliCommand.h"
#include "cli/CsvCodecForCommands.h"
#include "cli/TableStepCommand.h"
#include "core/editor/GeneralCsv.h"
#include "core/text/TextTables.h"

namespace tavlor::cli {
namespace {

// Far above a sheet of 1000 generals (about 400 kB), far below harm.
constexpr qint64 kMaxSheetBytes = 16 * 1024 * 1024;

// Why the sheet was refused, in the command line's English.
QString ReasonOf(const CsvImportProblem& problem) {
  const auto range = [&](const char* text) {
    return QString::fromLatin1(text).arg(problem.Low).arg(problem.High);
  };
  switch (problem.Kind) {
    case CsvRefusal::TooManyRows:
      return QStringLiteral("more than %1 rows").arg(problem.High);
    case CsvRefusal::TooManyColumns:
      return QStringLiteral("more than %1 columns").arg(problem.High);
    case CsvRefusal::CellTooLong:
      return QStringLiteral("a cell longer than %1 bytes").arg(problem.High);
    case CsvRefusal::QuoteNeverClosed:
      return QStringLiteral("a quote opened on this line is never closed");
    case CsvRefusal::TextAfterClosingQuote:
      return QStringLiteral("text after the closing quote of a cell");
    case CsvRefusal::NoHeader:
      return QStringLiteral("the sheet is empty: no header row");
    case CsvRefusal::ColumnTwice:
      return QStringLiteral("the column is there twice");
    case CsvRefusal::NoSuchColumn:
      return QStringLiteral("no such column");
    case CsvRefusal::SlotColumnMissing:
      return QStringLiteral("the column is missing");
    case CsvRefusal::TooManyCells:
      return QStringLiteral("more cells than the header has columns");
    case CsvRefusal::SlotOutOfRange:
      return range("must be a slot from %1 to %2");
    case CsvRefusal::SlotTwice:
      return QStringLiteral("the slot is there twice");
    case CsvRefusal::SlotLeftOut:
      return QStringLiteral("slot %1 is missing: new generals go right behind the last one")
          .arg(problem.Value);
    case CsvRefusal::NotWholeNumber:
      return QStringLiteral("not a whole number");
    case CsvRefusal::NumberOutOfRange:
      return range("must be %1 to %2");
    case CsvRefusal::NotStatus:
      return QStringLiteral("must be 7 (retainer) or 3 (ronin)");
    case CsvRefusal::NotAptitude:
      return QStringLiteral("must be D, C, B, A or S");
    case CsvRefusal::NotGbk:
      return QStringLiteral("holds a character GBK cannot carry (or is no UTF-8)");
    case CsvRefusal::NotStorable:
      return QStringLiteral("holds a character the game cannot store (no Shift-JIS form)");
    case CsvRefusal::TooWide:
      return QStringLiteral("is %1 bytes in Shift-JIS; the field holds %2")
          .arg(problem.Value)
          .arg(problem.High);
    case CsvRefusal::NotLink:
      return range("must be -1, 0 to %1, or 10000 + a slot in use (10000 to %2)");
    case CsvRefusal::LifespanOutOfRange:
      return QStringLiteral("the lifespan would be %1 years; it must be %2 to %3")
          .arg(problem.Value)
          .arg(problem.Low)
          .arg(problem.High);
  }
  return QString();
}

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
      return QStringLiteral("%1: %2; nothing was applied").arg(where, ReasonOf(*problem));
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
