#include "cli/TableStepCommand.h"

#include "cli/CliCommand.h"
#include "cli/TableLoading.h"

namespace tavlor::cli {

std::optional<std::vector<int>> SlotArguments(const QStringList& arguments, const GeneralTable& table,
                                              QString& error) {
  std::vector<int> chosen;
  for (const QString& argument : arguments) {
    bool isNumber = false;
    const int slot = argument.toInt(&isNumber);
    if (!isNumber || slot < 0 || slot >= table.GeneralCount) {
      error = QStringLiteral("slot %1 is not in use (the file holds %2 generals, chosen 0 to %3)")
                  .arg(argument)
                  .arg(table.GeneralCount)
                  .arg(table.GeneralCount - 1);
      return std::nullopt;
    }
    chosen.push_back(slot);
  }
  return chosen;
}

int RunTableStep(const QString& file, const std::function<QString(GeneralTable& table)>& step) {
  LoadReport report;
  QString error;
  auto table = LoadTableForCommand(file, report, error);
  if (!table) return Fail(error);
  if (!LoadProgramBlankSlot(*table, error)) return Fail(error);
  if (const QString refusal = step(*table); !refusal.isEmpty()) return Fail(refusal);
  if (!SaveTableForCommand(file, *table, error)) return Fail(error);
  return 0;
}

}  // namespace tavlor::cli
