// The list window's commands that bring in or write out whole files: another edit-data file
// merged behind the last general, and the table out to and in from a spreadsheet. File dialogs
// and questions here; reading, checking and reshaping in the core.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <filesystem>
#include <memory>
#include <numeric>
#include <system_error>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/data/SafeFileWrite.h"
#include "core/editor/GeneralCsv.h"
#include "core/editor/TableReshaping.h"
#include "core/text/TextTables.h"
#include "ui/app/FileErrorText.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form2.h"
#include "ui/editor/ListCommandTexts.h"
#include "ui/editor/ListCommands.h"

namespace tavlor {
namespace {

// Far above a sheet of 1000 generals (about 400 kB), far below harm.
constexpr qint64 kLargestSheetBytes = 16 * 1024 * 1024;

// The sheet's UTF-8 through the program's own GBK table, as the interface shows and takes text.
class InterfaceSheetCodec final : public CsvTextCodec {
 public:
  std::string Utf8OfGbk(std::string_view gbk) const override { return FromGbk(gbk).toStdString(); }
  std::optional<std::string> GbkOfUtf8(std::string_view utf8) const override {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (decoder.hasError()) return std::nullopt;
    EncodedText encoded = EncodeGbk(text);
    if (!encoded.Unencodable.isEmpty()) return std::nullopt;
    return std::move(encoded.Bytes);
  }
};

// The folder the dialogs open in: the last one used this run, at first the player's home.
QString& LastListFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

std::filesystem::path PathOf(const QString& file) {
  return FilePathOfText(file);
}

QString Filter(std::string_view name, const char* patterns) {
  return Caption(name) + QStringLiteral(" (") + QString::fromLatin1(patterns) + QStringLiteral(")");
}

QString WithFile(std::string_view message, const QString& file) {
  return Caption(message) + QStringLiteral("\n") + file;
}

// The other file's generals, or nothing after telling why not. A missing file is not created.
std::unique_ptr<GeneralTable> ReadOtherEditData(const QString& file) {
  const QString title = Caption(texts::MergeTitle);
  std::error_code code;
  if (!std::filesystem::is_regular_file(PathOf(file), code)) {
    FileError error;
    error.What = FileError::Kind::CannotOpen;
    error.Path = PathOf(file);
    CurrentPrompter().Error(
        DescribeFileProblem(Caption(texts::MergeReadFailed), error, Caption(texts::MergeFileMissing)), title);
    return nullptr;
  }
  auto other = std::make_unique<GeneralTable>();
  const LoadReport report = LoadEditData(PathOf(file), *other);
  if (report.Error.What == FileError::Kind::NotEditData || (!report.Error && report.TruncatedEntry)) {
    CurrentPrompter().Warn(WithFile(texts::MergeRefused, file), title);
    return nullptr;
  }
  if (report.Error) {
    CurrentPrompter().Error(DescribeFileProblem(Caption(texts::MergeReadFailed), report.Error, QString()),
                            title);
    return nullptr;
  }
  return other;
}

// Why a sheet was refused, in the language in force.
QString SheetRefusalText(const CsvImportProblem& problem) {
  switch (problem.Kind) {
    case CsvRefusal::TooManyRows:
      return Caption(texts::SheetTooManyRows).arg(problem.High);
    case CsvRefusal::TooManyColumns:
      return Caption(texts::SheetTooManyColumns).arg(problem.High);
    case CsvRefusal::CellTooLong:
      return Caption(texts::SheetCellTooLong).arg(problem.High);
    case CsvRefusal::QuoteNeverClosed:
      return Caption(texts::SheetQuoteNeverClosed);
    case CsvRefusal::TextAfterClosingQuote:
      return Caption(texts::SheetTextAfterQuote);
    case CsvRefusal::NoHeader:
      return Caption(texts::SheetNoHeader);
    case CsvRefusal::ColumnTwice:
      return Caption(texts::SheetColumnTwice);
    case CsvRefusal::NoSuchColumn:
      return Caption(texts::SheetNoSuchColumn);
    case CsvRefusal::SlotColumnMissing:
      return Caption(texts::SheetSlotColumnMissing);
    case CsvRefusal::TooManyCells:
      return Caption(texts::SheetTooManyCells);
    case CsvRefusal::SlotOutOfRange:
      return Caption(texts::SheetSlotOutOfRange).arg(problem.Low).arg(problem.High);
    case CsvRefusal::SlotTwice:
      return Caption(texts::SheetSlotTwice);
    case CsvRefusal::SlotLeftOut:
      return Caption(texts::SheetSlotLeftOut).arg(problem.Value);
    case CsvRefusal::NotWholeNumber:
      return Caption(texts::SheetNotWholeNumber);
    case CsvRefusal::NumberOutOfRange:
      return Caption(texts::SheetNumberOutOfRange).arg(problem.Low).arg(problem.High);
    case CsvRefusal::NotStatus:
      return Caption(texts::SheetNotStatus);
    case CsvRefusal::NotAptitude:
      return Caption(texts::SheetNotAptitude);
    case CsvRefusal::NotGbk:
      return Caption(texts::SheetNotGbk);
    case CsvRefusal::NotStorable:
      return Caption(texts::SheetNotStorable);
    case CsvRefusal::TooWide:
      return Caption(texts::SheetTooWide).arg(problem.Value).arg(problem.High);
    case CsvRefusal::NotLink:
      return Caption(texts::SheetNotLink).arg(problem.Low).arg(problem.High);
    case CsvRefusal::LifespanOutOfRange:
      return Caption(texts::SheetLifespan).arg(problem.Value).arg(problem.Low).arg(problem.High);
  }
  return QString();
}

std::vector<int> SlotRange(int first, int count) {
  std::vector<int> chosenSlots(static_cast<std::size_t>(std::max(count, 0)));
  std::iota(chosenSlots.begin(), chosenSlots.end(), first);
  return chosenSlots;
}

}  // namespace

void MergeGeneralFile(ProgramContext& context, Form1& form1, Form2& form2, QString file) {
  const QString title = Caption(texts::MergeTitle);
  if (file.isEmpty()) {
    file = CurrentPrompter().ChooseFileToOpen(title, LastListFolder(),
                                              Filter(texts::EditDataFilter, "*.13S *.13s"));
    if (file.isEmpty()) return;
  }
  LastListFolder() = QFileInfo(file).absolutePath();
  const std::unique_ptr<GeneralTable> other = ReadOtherEditData(file);
  if (!other) return;
  if (other->GeneralCount < 1) {
    CurrentPrompter().Inform(WithFile(texts::MergeNoGenerals, file), title);
    return;
  }
  const int fitting = GeneralsThatFit(context.Table, other->GeneralCount);
  if (fitting < 1) {
    CurrentPrompter().Warn(Caption(texts::MergeNoRoom), title);
    return;
  }
  if (fitting < other->GeneralCount &&
      !CurrentPrompter().AskYesNo(Caption(texts::MergeNotAllFit).arg(other->GeneralCount).arg(fitting),
                                  title))
    return;
  const int first = context.Table.GeneralCount;
  int added = 0;
  context.History.RecordStep(context.Table, SharedBuiltinGeneralLists(), [&] {
    added =
        MergeGenerals(*other, fitting, context.Table, SharedBuiltinGeneralLists(), SharedTextTables().GbkJis);
    return added > 0;
  });
  if (added < 1) return;
  // The added generals are selected and the first is shown, so the player sees what came in.
  ShowCommandResult(context, form1, form2, SlotRange(first, added), first, true);
  CurrentPrompter().Inform(Caption(texts::MergeDone).arg(added), title);
}

void ExportGeneralSheet(ProgramContext& context, QString file) {
  const QString title = Caption(texts::SheetExportTitle);
  if (file.isEmpty()) {
    file = CurrentPrompter().ChooseFileToSave(title,
                                              QDir(LastListFolder()).filePath(QStringLiteral("generals.csv")),
                                              Filter(texts::SheetFilter, "*.csv"));
    if (file.isEmpty()) return;
  }
  LastListFolder() = QFileInfo(file).absolutePath();
  const std::string sheet = ExportGeneralsCsv(context.Table, SharedTextTables(), InterfaceSheetCodec());
  const FileError error = ReplaceFileSafely(PathOf(file), sheet);
  if (error) {
    CurrentPrompter().Error(DescribeFileProblem(Caption(texts::SheetExportFailed), error, QString()), title);
    return;
  }
  CurrentPrompter().Inform(WithFile(texts::SheetExportDone, file), title);
}

void ImportGeneralSheet(ProgramContext& context, Form1& form1, Form2& form2, QString file) {
  const QString title = Caption(texts::SheetImportTitle);
  if (file.isEmpty()) {
    file = CurrentPrompter().ChooseFileToOpen(title, LastListFolder(), Filter(texts::SheetFilter, "*.csv"));
    if (file.isEmpty()) return;
  }
  LastListFolder() = QFileInfo(file).absolutePath();
  QFile input(file);
  if (!input.open(QIODevice::ReadOnly)) {
    FileError error;
    error.What = FileError::Kind::CannotOpen;
    error.Path = PathOf(file);
    error.Reason = input.errorString().toStdString();
    CurrentPrompter().Error(DescribeFileProblem(Caption(texts::MergeReadFailed), error, QString()), title);
    return;
  }
  const QByteArray sheet = input.read(kLargestSheetBytes + 1);
  if (sheet.size() > kLargestSheetBytes) {
    CurrentPrompter().Warn(WithFile(texts::SheetTooLarge, file), title);
    return;
  }

  CsvImportResult result;
  context.History.RecordStep(context.Table, SharedBuiltinGeneralLists(), [&] {
    result = ImportGeneralsCsv(std::string_view(sheet.constData(), static_cast<std::size_t>(sheet.size())),
                               context.Table, SharedBuiltinGeneralLists(), SharedTextTables(),
                               InterfaceSheetCodec());
    return !result.Problem && result.Changed + result.Added > 0;
  });
  if (const auto& problem = result.Problem) {
    QString where = file;
    const QString column = QString::fromStdString(problem->Column);
    if (problem->Line > 0) {
      where += QStringLiteral("\n") + Caption(texts::SheetProblemLine).arg(problem->Line);
      if (!column.isEmpty()) where += Caption(texts::SheetProblemColumn).arg(column);
    } else if (!column.isEmpty()) {
      where += QStringLiteral("\n") + Caption(texts::SheetProblemColumnOnly).arg(column);
    }
    CurrentPrompter().Warn(where + QStringLiteral("\n") + SheetRefusalText(*problem) + QStringLiteral("\n") +
                               Caption(texts::SheetNothingApplied),
                           title);
    return;
  }
  // Values of the picked general may have changed under the editor: it is shown again.
  const int picked = context.RowPicked ? context.SelectedSlot : -1;
  ShowCommandResult(context, form1, form2, form2.SelectedSlots(), picked, picked >= 0);
  CurrentPrompter().Inform(Caption(texts::SheetImportDone).arg(result.Changed).arg(result.Added), title);
}

}  // namespace tavlor
