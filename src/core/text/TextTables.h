// The program's one set of character tables, shared by every part that converts text.
#pragma once

#include <filesystem>

#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"

namespace tavlor {

struct TextTables {
  GbkJisTables GbkJis;
  GbBig5Tables GbBig5;
};

// The shared instance (one per run).
TextTables& SharedTextTables();

// Loads both table pairs from the program folder into the shared instance.
void LoadAllTextTables(const std::filesystem::path& programFolder);

}  // namespace tavlor
