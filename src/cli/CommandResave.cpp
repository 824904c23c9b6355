// tavlor-cli resave: load then save, as the editor's save all does.
#include "cli/CliCommand.h"
#include "cli/TableLoading.h"

namespace tavlor::cli {
namespace {

int Resave(const QStringList& arguments) {
  if (arguments.size() != 2) return Fail(QStringLiteral("usage: resave FILE OUT"));
  LoadReport report;
  QString error;
  auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  if (!LoadProgramBlankSlot(*table, error)) return Fail(error);
  if (!SaveTableForCommand(arguments[1], *table, error)) return Fail(error);
  return 0;
}

const Registration kResave("resave", "resave FILE OUT   load FILE and save it to OUT as the editor does",
                           Resave);

}  // namespace
}  // namespace tavlor::cli
