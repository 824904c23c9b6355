// Add and change: the checks that keep the table whole, then WriteGeneral and the list row.
#include "core/editor/GeneralEditing.h"

#include <string>

#include "core/editor/StoredText.h"
#include "core/editor/TextBudget.h"
#include "core/lang/InterfaceTexts.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {
namespace {

EditResult Refused(EditOutcome outcome, std::string_view message) {
  return EditResult{outcome, -1, message};
}

// The loader ends the table at the first birth year below 1, so such a general would hide itself
// and every general behind it after saving and loading again.
bool BirthYearKeepsTable(const EditorValues& values) {
  return LeadingInteger(values.BirthYearText) >= 1;
}

void WriteListRow(const EditorValues& values, int slot, const GeneralTable& table, BuiltinGeneralLists& lists,
                  TextTables& tables, bool simplified) {
  const ListRow row =
      ListRowOfEditedGeneral(values, table.Slots[static_cast<std::size_t>(slot)], tables, simplified);
  // SetRow appends when the lists end right before the row, which they do after a refresh.
  lists.SetRow(kBuiltinRowCount + slot, row);
}

}  // namespace

ListRow ListRowOfEditedGeneral(const EditorValues& values, const GeneralEntry& entry, TextTables& tables,
                               bool simplified) {
  const std::string family = GbkOfShownText(TrimBlanks(values.Names[0]), tables, simplified);
  const std::string given = GbkOfShownText(TrimBlanks(values.Names[1]), tables, simplified);
  const GeneralRecord& record = entry.Record;
  return {family + given,
          std::to_string(record.FaceNo),
          std::to_string(record.Leadership),
          std::to_string(record.Valor),
          std::to_string(record.Intellect),
          std::to_string(record.Politics)};
}

EditResult AddGeneral(const EditorValues& values, const EditorState& state, GeneralTable& table,
                      BuiltinGeneralLists& lists, TextTables& tables, bool simplified) {
  const int slot = table.GeneralCount;
  if (slot < 0 || slot >= static_cast<int>(kSlotCount))
    return Refused(EditOutcome::TableFull, texts::GeneralTableFull);
  if (!BirthYearKeepsTable(values))
    return Refused(EditOutcome::BirthYearNotPositive, texts::BirthYearMustBePositive);
  if (FirstUnstorableText(values, tables, simplified))
    return Refused(EditOutcome::TextNotStorable, texts::TextNotStorable);
  WriteGeneral(values, state, slot, table, tables, simplified);
  WriteListRow(values, slot, table, lists, tables, simplified);
  table.GeneralCount = slot + 1;
  return EditResult{EditOutcome::Added, slot, {}};
}

EditResult ChangeGeneral(const EditorValues& values, const EditorState& state, std::optional<int> pickedSlot,
                         GeneralTable& table, BuiltinGeneralLists& lists, TextTables& tables,
                         bool simplified) {
  if (!pickedSlot) return Refused(EditOutcome::NoGeneralPicked, texts::PickGeneralFirst);
  const int slot = *pickedSlot;
  if (slot < 0 || slot >= table.GeneralCount)
    return Refused(EditOutcome::PickedGeneralMissing, texts::PickedGeneralMissing);
  if (!BirthYearKeepsTable(values))
    return Refused(EditOutcome::BirthYearNotPositive, texts::BirthYearMustBePositive);
  // A character without a Shift-JIS form would be stored as nothing, a zero or the geta mark.
  if (FirstUnstorableText(values, tables, simplified))
    return Refused(EditOutcome::TextNotStorable, texts::TextNotStorable);
  WriteGeneral(values, state, slot, table, tables, simplified);
  WriteListRow(values, slot, table, lists, tables, simplified);
  return EditResult{EditOutcome::Changed, slot, {}};
}

}  // namespace tavlor
