// tavlor-cli edit: changes one registered general of an edit-data file, as the editor's "change".
#include "cli/CliCommand.h"
#include "cli/EditFields.h"

namespace tavlor::cli {
namespace {

int EditGeneral(const CommandArguments& command) {
  const QStringList& arguments = command.Positional;
  if (arguments.size() < 3) return Fail(QStringLiteral("usage: edit FILE SLOT FIELD=VALUE..."));
  bool isNumber = false;
  const int slot = arguments[1].toInt(&isNumber);
  if (!isNumber) return Fail(QStringLiteral("SLOT must be a whole number: %1").arg(arguments[1]));
  return RunEdit(arguments[0], slot, arguments.mid(2), command.Has("--traditional"));
}

const Registration kEdit("edit",
                         "edit FILE SLOT FIELD=VALUE...   change the general in SLOT (0-based); texts in "
                         "UTF-8, FaceCode in the portrait browser's numbering",
                         {{"--traditional", "read the texts as typed in the Traditional interface"}},
                         EditGeneral);

}  // namespace
}  // namespace tavlor::cli
