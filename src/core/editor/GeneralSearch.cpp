// Matching walks the GBK text character by character, so that a search never matches the second
// byte of one character and the first byte of the next.
#include "core/editor/GeneralSearch.h"

#include <algorithm>
#include <charconv>

#include "core/editor/StoredText.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"

namespace tavlor {
namespace {

bool HoldsAtCharacterStart(std::string_view text, std::string_view part) {
  for (std::size_t i = 0; i + part.size() <= text.size();) {
    if (text.compare(i, part.size(), part) == 0) return true;
    i += static_cast<uint8_t>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
  }
  return false;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <std::size_t Width>
std::string GbkOf(const TextField<Width>& field, TextTables& tables) {
  return ShownTextOfField(FieldBytes(field), tables, true);
}

}  // namespace

GeneralSearchIndex BuildSearchIndex(const GeneralTable& table, TextTables& tables) {
  GeneralSearchIndex index;
  const int count = std::clamp(table.GeneralCount, 0, static_cast<int>(kSlotCount));
  index.Entries.reserve(static_cast<std::size_t>(count));
  for (int slot = 0; slot < count; ++slot) {
    const GeneralEntry& entry = table.Slots[static_cast<std::size_t>(slot)];
    index.Entries.push_back(
        {GbkOf(entry.Record.FamilyName, tables) + GbkOf(entry.Record.GivenName, tables),
         GbkOf(entry.Record.FamilyReading, tables) + GbkOf(entry.Record.GivenReading, tables),
         entry.Appendix.AppearFlag == 1});
  }
  return index;
}

std::vector<int> FindGenerals(const GeneralSearchIndex& index, std::string_view typed, AppearFilter filter,
                              TextTables& tables, bool simplified) {
  const std::string query(TrimBlanks(GbkOfShownText(TrimBlanks(typed), tables, simplified)));
  int wantedSlot = -1;
  if (AllDigits(query) && query.size() <= 4)
    std::from_chars(query.data(), query.data() + query.size(), wantedSlot);
  std::vector<int> found;
  for (std::size_t slot = 0; slot < index.Entries.size(); ++slot) {
    const GeneralSearchIndex::Entry& entry = index.Entries[slot];
    if (filter == AppearFilter::Appearing && !entry.Appears) continue;
    if (filter == AppearFilter::Standby && entry.Appears) continue;
    const bool matches = query.empty() || static_cast<int>(slot) == wantedSlot ||
                         HoldsAtCharacterStart(entry.Name, query) ||
                         HoldsAtCharacterStart(entry.Reading, query);
    if (matches) found.push_back(static_cast<int>(slot));
  }
  return found;
}

}  // namespace tavlor
