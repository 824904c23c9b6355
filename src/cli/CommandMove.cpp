// tavlor-cli move: puts a general in another slot; every link follows its general.
#include "cli/CliCommand.h"
#include "cli/TableStepCommand.h"
#include "core/editor/TableReshaping.h"

namespace tavlor::cli {
namespace {

int Move(const QStringList& arguments) {
  if (arguments.size() != 3) return Fail(QStringLiteral("usage: move FILE SLOT TO"));
  return RunTableStep(arguments[0], [&](GeneralTable& table) -> QString {
    QString error;
    const auto chosen = SlotArguments(arguments.mid(1), table, error);
    if (!chosen) return error;
    BuiltinGeneralLists lists;
    MoveGeneral((*chosen)[0], (*chosen)[1], table, lists);
    PrintLine(QStringLiteral("moved slot %1 to slot %2").arg((*chosen)[0]).arg((*chosen)[1]));
    return {};
  });
}

const Registration kMove(
    "move",
    "move FILE SLOT TO   move the general in SLOT to slot TO; the generals between close "
    "up and every link follows its general",
    Move);

}  // namespace
}  // namespace tavlor::cli
