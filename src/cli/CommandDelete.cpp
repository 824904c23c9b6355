// tavlor-cli delete: removes generals; the later ones move up and every link follows its general.
#include "cli/CliCommand.h"
#include "cli/TableStepCommand.h"
#include "core/editor/TableReshaping.h"

namespace tavlor::cli {
namespace {

int Delete(const QStringList& arguments) {
  if (arguments.size() < 2) return Fail(QStringLiteral("usage: delete FILE SLOT..."));
  return RunTableStep(arguments[0], [&](GeneralTable& table) -> QString {
    QString error;
    const auto chosen = SlotArguments(arguments.mid(1), table, error);
    if (!chosen) return error;
    BuiltinGeneralLists lists;  // a command keeps no lists: only the file is written
    const int deleted = DeleteGenerals(*chosen, table, lists);
    PrintLine(
        QStringLiteral("deleted %1 general(s); the file holds %2").arg(deleted).arg(table.GeneralCount));
    return {};
  });
}

const Registration kDelete("delete",
                           "delete FILE SLOT...   delete the generals in the SLOTs (0-based); later generals "
                           "move up and every link follows its general",
                           Delete);

}  // namespace
}  // namespace tavlor::cli
