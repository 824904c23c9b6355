// The program's one set of character tables, shared by every part that converts text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"

namespace tavlor {

struct TextTables {
  GbkJisTables GbkJis;
  GbBig5Tables GbBig5;
};

// The shared instance (one per run).
TextTables& SharedTextTables();

// The table files of the last load that are missing or not exactly their table's size, in the
// order GBKN.dat, JISN.dat, GB.DAT, BIG5.DAT. What each loss costs: without GBKN.dat names show
// through JISN.dat read backwards; without JISN.dat typed text cannot be stored; without GB.DAT or
// BIG5.DAT the Traditional language shows and takes the Simplified texts.
struct DamagedTableFile {
  std::string Name;
  std::optional<std::uintmax_t> Bytes;  // nothing: the file could not be opened
  std::uintmax_t ExpectedBytes = 0;
};
std::vector<DamagedTableFile> DamagedTableFiles(const TextTables& tables);

// Loads both table pairs from the program folder into the shared instance.
void LoadAllTextTables(const std::filesystem::path& programFolder);

}  // namespace tavlor
