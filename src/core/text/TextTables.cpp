// The one set of character tables of a run.
#include "core/text/TextTables.h"

namespace tavlor {

TextTables& SharedTextTables() {
  static TextTables tables;
  return tables;
}

void LoadAllTextTables(const std::filesystem::path& programFolder) {
  TextTables& tables = SharedTextTables();
  LoadGbkJisTables(programFolder, tables.GbkJis);
  tables.GbBig5.ProgramFolder = programFolder;
  tables.GbBig5.JisForms = &tables.GbkJis;
  LoadGbBig5Tables(tables.GbBig5);
}

}  // namespace tavlor
