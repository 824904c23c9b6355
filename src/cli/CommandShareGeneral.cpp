// tavlor-cli export-general and import-general: one general to a shared-general file and back,
// through the same core as the windows' export and import.
#include <QFile>
#include <memory>

#include "cli/CliCommand.h"
#include "cli/TableLoading.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/data/SafeFileWrite.h"
#include "core/data/SharedGeneral.h"
#include "core/editor/GeneralSharing.h"
#include "core/text/TextTables.h"
#include "ui/app/TextCodec.h"

namespace tavlor::cli {
namespace {

std::optional<int> SlotArgument(const QString& text) {
  bool isNumber = false;
  const int slot = text.toInt(&isNumber);
  if (!isNumber) return std::nullopt;
  return slot;
}

QString SlotRangeText(const GeneralTable& table) {
  return table.GeneralCount > 0 ? QStringLiteral("the file holds %1 generals, slots 0 to %2")
                                      .arg(table.GeneralCount)
                                      .arg(table.GeneralCount - 1)
                                : QStringLiteral("the file holds no general");
}

QString ProblemText(SharedGeneralProblem problem) {
  switch (problem) {
    case SharedGeneralProblem::None:
      break;
    case SharedGeneralProblem::NotSharedGeneral:
      return QStringLiteral("not a shared-general file (it does not start with \"TavlorGeneral\")");
    case SharedGeneralProblem::NewerVersion:
      return QStringLiteral("written by a newer version of the shared-general format");
    case SharedGeneralProblem::Damaged:
      return QStringLiteral("damaged (its length, checksum or entry does not match)");
  }
  return QStringLiteral("damaged");
}

int ExportGeneral(const QStringList& arguments) {
  if (arguments.size() != 3) return Fail(QStringLiteral("usage: export-general FILE SLOT OUT"));
  const std::optional<int> slot = SlotArgument(arguments[1]);
  if (!slot) return Fail(QStringLiteral("SLOT must be a whole number: %1").arg(arguments[1]));
  LoadReport report;
  QString error;
  const auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  if (*slot < 0 || *slot >= table->GeneralCount)
    return Fail(QStringLiteral("slot %1 is not in use (%2)").arg(*slot).arg(SlotRangeText(*table)));
  const GeneralEntry& entry = table->Slots[static_cast<std::size_t>(*slot)];
  if (const FileError failure = ReplaceFileSafely(PathOfArgument(arguments[2]), EncodeSharedGeneral(entry),
                                                  BackupPolicy::LeaveAlone()))
    return Fail(QString::fromStdString(DescribeFileError(failure)));
  PrintLine(QStringLiteral("exported slot %1 (general %2): %3 to %4")
                .arg(*slot)
                .arg(kRegisteredGeneralBase + *slot)
                .arg(ShippedDisplayName(entry), arguments[2]));
  return 0;
}

int ImportGeneral(const QStringList& arguments) {
  if (arguments.size() != 2 && arguments.size() != 3)
    return Fail(QStringLiteral("usage: import-general FILE IN [SLOT]"));
  std::optional<int> slot;
  if (arguments.size() == 3) {
    slot = SlotArgument(arguments[2]);
    if (!slot) return Fail(QStringLiteral("SLOT must be a whole number: %1").arg(arguments[2]));
  }

  QFile input(arguments[1]);
  if (!input.open(QIODevice::ReadOnly))
    return Fail(QStringLiteral("cannot open %1: %2").arg(arguments[1], input.errorString()));
  // A shared general is a few hundred bytes; reading one more tells a larger file apart.
  const QByteArray bytes = input.read(static_cast<qint64>(kLargestSharedGeneralFile) + 1);
  const DecodedSharedGeneral shared =
      DecodeSharedGeneral(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!shared.Entry) return Fail(QStringLiteral("%1: %2").arg(arguments[1], ProblemText(shared.Problem)));

  LoadReport report;
  QString error;
  auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  if (!LoadProgramBlankSlot(*table, error)) return Fail(error);
  auto tables = std::make_unique<TextTables>();
  LoadGbkJisTables(ProgramFolder(), tables->GbkJis);
  BuiltinGeneralLists lists;
  RefreshGeneralLists(lists, *table, tables->GbkJis);

  const ImportResult result = slot ? ImportOverGeneral(*shared.Entry, slot, *table, lists, tables->GbkJis)
                                   : ImportAsNewGeneral(*shared.Entry, *table, lists, tables->GbkJis);
  if (!result.Edit.Succeeded()) {
    if (result.Edit.Outcome == EditOutcome::PickedGeneralMissing)
      return Fail(QStringLiteral("slot %1 is not in use (%2)").arg(*slot).arg(SlotRangeText(*table)));
    return Fail(FromGbk(result.Edit.Message));
  }
  if (!SaveTableForCommand(arguments[0], *table, error)) return Fail(error);
  const int written = result.Edit.Slot;
  PrintLine(QStringLiteral("%1 slot %2 (general %3): %4")
                .arg(slot ? QStringLiteral("replaced") : QStringLiteral("added"))
                .arg(written)
                .arg(kRegisteredGeneralBase + written)
                .arg(ShippedDisplayName(table->Slots[static_cast<std::size_t>(written)])));
  if (result.ClearedLinks > 0)
    PrintLine(QStringLiteral("%1 link(s) named generals this file does not hold and were set to none (-1)")
                  .arg(result.ClearedLinks));
  return 0;
}

const Registration kExportGeneral("export-general",
                                  "export-general FILE SLOT OUT   write the general in SLOT (0-based) to the "
                                  "shared-general file OUT",
                                  ExportGeneral);
const Registration kImportGeneral(
    "import-general",
    "import-general FILE IN [SLOT]   add the general of the shared-general file "
    "IN behind the last one, or write it over SLOT",
    ImportGeneral);

}  // namespace
}  // namespace tavlor::cli
