// tavlor-cli add: adds a general behind the last one, starting from the editor's defaults.
#include "cli/CliCommand.h"
#include "cli/EditFields.h"

namespace tavlor::cli {
namespace {

int AddGeneralCommand(const QStringList& arguments) {
  if (arguments.isEmpty()) return Fail(QStringLiteral("usage: add FILE [FIELD=VALUE...]"));
  return RunEdit(arguments[0], std::nullopt, arguments.mid(1));
}

const Registration kAdd("add",
                        "add FILE [FIELD=VALUE...]   add a general from the editor's defaults and the "
                        "given values",
                        AddGeneralCommand);

}  // namespace
}  // namespace tavlor::cli
