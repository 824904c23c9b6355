// The one set of character tables of a run.
#include "core/text/TextTables.h"

#include "core/text/TableFileReading.h"

namespace tavlor {

TextTables& SharedTextTables() {
  static TextTables tables;
  return tables;
}

std::vector<DamagedTableFile> DamagedTableFiles(const TextTables& tables) {
  std::vector<DamagedTableFile> damaged;
  const auto check = [&](const char* name, const std::optional<std::uintmax_t>& bytes, std::size_t entries) {
    if (!IsWholeTable(bytes, entries)) damaged.push_back({name, bytes, entries * 2});
  };
  check("GBKN.dat", tables.GbkJis.GbknFileBytes, kGbknEntries);
  check("JISN.dat", tables.GbkJis.JisnFileBytes, kJisnEntries);
  check("GB.DAT", tables.GbBig5.GbFileBytes, kGbEntries);
  check("BIG5.DAT", tables.GbBig5.Big5FileBytes, kBig5Entries);
  return damaged;
}

void LoadAllTextTables(const std::filesystem::path& programFolder) {
  TextTables& tables = SharedTextTables();
  LoadGbkJisTables(programFolder, tables.GbkJis);
  tables.GbBig5.ProgramFolder = programFolder;
  tables.GbBig5.JisForms = &tables.GbkJis;
  LoadGbBig5Tables(tables.GbBig5);
}

}  // namespace tavlor
