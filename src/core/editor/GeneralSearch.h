// Finding generals in the list as the player types: by name in either interface script, by reading,
// or by slot number, optionally only those that appear or stand by. Filtering changes only which
// slots are shown, never the table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/GeneralTable.h"

namespace tavlor {

struct TextTables;

enum class AppearFilter { All, Appearing, Standby };

// The searchable texts of every general, as GBK, built once per change of the table.
struct GeneralSearchIndex {
  struct Entry {
    std::string Name;     // family and given name, trimmed and joined
    std::string Reading;  // family and given reading, trimmed and joined
    bool Appears = false;
  };
  std::vector<Entry> Entries;  // slot order
};

GeneralSearchIndex BuildSearchIndex(const GeneralTable& table, TextTables& tables);

// The slots whose name or reading holds `typed` (interface bytes, Big5 in the Traditional
// language), or whose slot number is `typed` when it is all digits; every slot for an empty text.
std::vector<int> FindGenerals(const GeneralSearchIndex& index, std::string_view typed, AppearFilter filter,
                              TextTables& tables, bool simplified);

}  // namespace tavlor
