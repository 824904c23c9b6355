// tavlor-cli merge: appends every general of another edit-data file behind the last one.
#include "cli/CliCommand.h"
#include "cli/TableLoading.h"
#include "cli/TableStepCommand.h"
#include "core/editor/TableReshaping.h"
#include "core/text/TextTables.h"

namespace tavlor::cli {
namespace {

int Merge(const CommandArguments& command) {
  const QStringList& arguments = command.Positional;
  if (arguments.size() != 2) return Fail(QStringLiteral("usage: merge FILE OTHER"));
  LoadReport report;
  QString error;
  const auto other = LoadTableForCommand(arguments[1], report, error);
  if (!other) return Fail(error);
  if (report.TruncatedEntry)
    return Fail(
        QStringLiteral("%1 ends inside a general: it is damaged, nothing was added").arg(arguments[1]));
  return RunTableStep(arguments[0], [&](GeneralTable& table) -> QString {
    const int fitting = GeneralsThatFit(table, other->GeneralCount);
    if (fitting < other->GeneralCount && !command.Has("--fitting"))
      return QStringLiteral(
                 "only %1 of the %2 generals of %3 fit into the 1000 slots; give --fitting to add those")
          .arg(fitting)
          .arg(other->GeneralCount)
          .arg(arguments[1]);
    BuiltinGeneralLists lists;
    const int added = MergeGenerals(*other, fitting, table, lists, SharedTextTables().GbkJis);
    PrintLine(QStringLiteral("added %1 general(s); the file holds %2").arg(added).arg(table.GeneralCount));
    return {};
  });
}

const Registration kMerge("merge",
                          "merge FILE OTHER   append every general of OTHER behind the last general of FILE; "
                          "links among them follow them",
                          {{"--fitting", "when not all fit into the 1000 slots, add those that fit"}}, Merge);

}  // namespace
}  // namespace tavlor::cli
