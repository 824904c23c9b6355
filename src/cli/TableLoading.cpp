#include "cli/TableLoading.h"

#include "core/data/BuiltinGeneralLists.h"

#include <QFile>
#include <system_error>

#include "cli/CliCommand.h"
#include "core/text/TextTables.h"
#include "ui/app/TextCodec.h"

namespace tavlor::cli {

std::filesystem::path PathOfArgument(const QString& argument) {
  return std::filesystem::path(argument.toStdU16String());
}

std::unique_ptr<GeneralTable> LoadTableForCommand(const QString& file, LoadReport& report, QString& error) {
  const std::filesystem::path path = PathOfArgument(file);
  std::error_code code;
  if (!std::filesystem::exists(path, code)) {
    error = QStringLiteral("cannot open %1: No such file or directory").arg(file);
    return nullptr;
  }
  auto table = std::make_unique<GeneralTable>();
  report = LoadEditData(path, *table);
  if (report.Error) {
    error = QString::fromStdString(DescribeFileError(report.Error));
    return nullptr;
  }
  return table;
}

bool LoadProgramBlankSlot(GeneralTable& table, QString& error) {
  const std::filesystem::path blank = std::filesystem::path(ProgramFolder()) / "Bk.N13";
  std::error_code code;
  const auto size = std::filesystem::file_size(blank, code);
  if (code || size != kBlankSlotSize) {
    error = QStringLiteral("the blank entry %1 is missing or is not %2 bytes")
                .arg(QString::fromStdU16String(blank.u16string()))
                .arg(kBlankSlotSize);
    return false;
  }
  LoadBlankSlot(blank, table);
  return true;
}

bool SaveTableForCommand(const QString& file, const GeneralTable& table, QString& error) {
  const FileError failure = SaveEditData(PathOfArgument(file), table);
  if (failure) error = QString::fromStdString(DescribeFileError(failure));
  return !failure;
}

QString ShippedDisplayName(const GeneralEntry& entry) {
  static const bool loaded = [] {
    LoadAllTextTables(ProgramFolder());
    return true;
  }();
  (void)loaded;
  return FromGbk(DisplayNameOfGeneral(entry.Record, SharedTextTables().GbkJis));
}

}  // namespace tavlor::cli
