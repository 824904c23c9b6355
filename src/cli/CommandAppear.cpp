// tavlor-cli appear: sets generals to appear (AppearFlag 1) or stand by.
#include "cli/CliCommand.h"
#include "cli/TableStepCommand.h"
#include "core/editor/TableReshaping.h"

namespace tavlor::cli {
namespace {

int Appear(const QStringList& arguments) {
  if (arguments.size() < 3 || (arguments[1] != QStringLiteral("on") && arguments[1] != QStringLiteral("off")))
    return Fail(QStringLiteral("usage: appear FILE on|off SLOT..."));
  const bool appear = arguments[1] == QStringLiteral("on");
  return RunTableStep(arguments[0], [&](GeneralTable& table) -> QString {
    QString error;
    const auto chosen = SlotArguments(arguments.mid(2), table, error);
    if (!chosen) return error;
    const int changed = SetGeneralsAppear(*chosen, appear, table);
    PrintLine(QStringLiteral("%1 general(s) changed").arg(changed));
    return {};
  });
}

const Registration kAppear("appear",
                           "appear FILE on|off SLOT...   on: the generals appear (AppearFlag 1); off: they "
                           "stand by (0; a flag other than 1 is kept)",
                           Appear);

}  // namespace
}  // namespace tavlor::cli
