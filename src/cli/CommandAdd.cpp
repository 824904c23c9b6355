// tavlor-cli add: adds a general behind the last one, starting from the editor's defaults.
#include "cli/CliCommand.h"
#include "cli/EditFields.h"

namespace tavlor::cli {
namespace {

int AddGeneralCommand(const CommandArguments& command) {
  const QStringList& arguments = command.Positional;
  if (arguments.isEmpty()) return Fail(QStringLiteral("usage: add FILE [FIELD=VALUE...]"));
  return RunEdit(arguments[0], std::nullopt, arguments.mid(1), command.Has("--traditional"));
}

const Registration kAdd("add",
                        "add FILE [FIELD=VALUE...]   add a general from the editor's defaults and the "
                        "given values",
                        {{"--traditional", "read the texts as typed in the Traditional interface"}},
                        AddGeneralCommand);

}  // namespace
}  // namespace tavlor::cli
