// The Unicode mappings of GBK, Big5 and Shift-JIS exactly as ICU's converters of those names
// decode and encode them, written out as a C++ source for the program's core, which converts
// without ICU.
#pragma once

#include <filesystem>

namespace chartables {

// Writes UnicodeTablesData.cpp into `folder`; throws when a converter behaves in a way the
// tables cannot hold.
void WriteUnicodeTables(const std::filesystem::path& folder);

}  // namespace chartables
