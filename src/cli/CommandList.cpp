// tavlor-cli list: one line per general — slot, stored name, display name, AppearFlag.
#include "cli/CliCommand.h"
#include "cli/TableLoading.h"

namespace tavlor::cli {
namespace {

int List(const QStringList& arguments) {
  if (arguments.size() != 1) return Fail(QStringLiteral("usage: list FILE"));
  LoadReport report;
  QString error;
  const auto table = LoadTableForCommand(arguments[0], report, error);
  if (!table) return Fail(error);
  for (int slot = 0; slot < table->GeneralCount; ++slot) {
    const GeneralEntry& entry = table->Slots[static_cast<std::size_t>(slot)];
    PrintLine(QStringLiteral("%1\t%2\t%3\t%4")
                  .arg(slot)
                  .arg(StoredName(entry), ShippedDisplayName(entry))
                  .arg(entry.Appendix.AppearFlag));
  }
  return 0;
}

const Registration kList("list", "list FILE   one line per general: slot, name, display name, AppearFlag",
                         List);

}  // namespace
}  // namespace tavlor::cli
