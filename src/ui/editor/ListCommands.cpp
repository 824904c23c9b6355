// The commands for the selected generals: 出场, 待机, 删除武将, 上移, 下移. Each is one step of the
// edit history; the editor is shown the picked general again at its new slot, because a step may
// have renumbered its links, and a "change" must never write numbers that no longer hold.
#include "ui/editor/ListCommands.h"

#include <QObject>
#include <algorithm>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/TableReshaping.h"
#include "core/text/TextTables.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/editor/ListCommandTexts.h"

namespace tavlor {
namespace {

// Names shown in the delete question before "and N more".
constexpr std::size_t kNamedInQuestion = 10;

// The selected generals, or nothing after asking the player to select some.
std::vector<int> SelectionOrTell(const Form2& form2, std::string_view title) {
  std::vector<int> chosenSlots = form2.SelectedSlots();
  if (chosenSlots.empty()) CurrentPrompter().Warn(Caption(texts::PickGeneralsFirst), Caption(title));
  return chosenSlots;
}

QString NameOfSlot(const ProgramContext& context, int slot) {
  const GeneralEntry& entry = context.Table.Slots[static_cast<std::size_t>(slot)];
  return FromInterfaceBytes(DisplayNameOfGeneral(entry.Record, SharedTextTables().GbkJis));
}

QString DeleteQuestion(const ProgramContext& context, const std::vector<int>& chosenSlots) {
  QString question = Caption(texts::DeleteQuestion);
  const std::size_t named = std::min(chosenSlots.size(), kNamedInQuestion);
  for (std::size_t index = 0; index < named; ++index)
    question +=
        QStringLiteral("\n%1  %2").arg(chosenSlots[index]).arg(NameOfSlot(context, chosenSlots[index]));
  if (chosenSlots.size() > named)
    question += QStringLiteral("\n") + Caption(texts::DeleteMore).arg(chosenSlots.size() - named);
  return question;
}

// The slot of the general the editor shows as picked; -1 when nothing is picked.
int PickedSlot(const ProgramContext& context) {
  return context.RowPicked ? context.SelectedSlot : -1;
}

}  // namespace

int SlotAfterReorder(int slot, const std::vector<int>& movedFrom, const std::vector<int>& movedTo,
                     int count) {
  const auto moved = std::find(movedFrom.begin(), movedFrom.end(), slot);
  if (moved != movedFrom.end()) return movedTo[static_cast<std::size_t>(moved - movedFrom.begin())];
  // The others fill the chosenSlots the moved ones left free, keeping their order.
  int rank = 0;
  for (int other = 0; other < slot; ++other)
    if (std::find(movedFrom.begin(), movedFrom.end(), other) == movedFrom.end()) ++rank;
  for (int target = 0; target < count; ++target) {
    if (std::find(movedTo.begin(), movedTo.end(), target) != movedTo.end()) continue;
    if (rank-- == 0) return target;
  }
  return slot;
}

void ShowCommandResult(ProgramContext& context, Form1& form1, Form2& form2, const std::vector<int>& selected,
                       int current, bool show) {
  form2.SetFlexRows(context.Table.GeneralCount + 1);
  form2.ResetMflx();
  form2.UpdateEditState();
  form2.SelectSlots(selected, current);
  if (!show) return;
  if (current >= 0 && current < context.Table.GeneralCount) {
    ShowPickedGeneral(context, form1, current + 1);
  } else {
    context.SelectedSlot = 0;
    context.RowPicked = false;
  }
}

void SetSelectionAppear(ProgramContext& context, Form1& form1, Form2& form2, bool appear) {
  const std::vector<int> chosenSlots =
      SelectionOrTell(form2, appear ? texts::CommandAppear : texts::CommandStandby);
  if (chosenSlots.empty()) return;
  context.History.RecordStep(context.Table, SharedBuiltinGeneralLists(),
                             [&] { return SetGeneralsAppear(chosenSlots, appear, context.Table) > 0; });
  // The flag is not on the editor: what it shows stays as it is.
  ShowCommandResult(context, form1, form2, chosenSlots, PickedSlot(context), false);
}

void DeleteSelectedGenerals(ProgramContext& context, Form1& form1, Form2& form2) {
  const std::vector<int> chosenSlots = SelectionOrTell(form2, texts::DeleteTitle);
  if (chosenSlots.empty()) return;
  if (!CurrentPrompter().AskYesNo(DeleteQuestion(context, chosenSlots), Caption(texts::DeleteTitle))) return;
  const int picked = PickedSlot(context);
  int deleted = 0;
  context.History.RecordStep(context.Table, SharedBuiltinGeneralLists(), [&] {
    deleted = DeleteGenerals(chosenSlots, context.Table, SharedBuiltinGeneralLists());
    return deleted > 0;
  });
  if (deleted == 0) return;
  // The picked general at its new slot; when it was deleted, the general that moved up into its
  // place (or the new last one), so the editor always shows a general that is there.
  int current = -1;
  if (picked >= 0) {
    const auto deletedBefore =
        std::lower_bound(chosenSlots.begin(), chosenSlots.end(), picked) - chosenSlots.begin();
    current = std::min(picked - static_cast<int>(deletedBefore), context.Table.GeneralCount - 1);
  }
  ShowCommandResult(context, form1, form2, current >= 0 ? std::vector<int>{current} : std::vector<int>{},
                    current, picked >= 0);
}

void MoveSelectedGenerals(ProgramContext& context, Form1& form1, Form2& form2, bool down) {
  const std::vector<int> chosenSlots =
      SelectionOrTell(form2, down ? texts::CommandMoveDown : texts::CommandMoveUp);
  if (chosenSlots.empty()) return;
  std::vector<int> movedTo;
  context.History.RecordStep(context.Table, SharedBuiltinGeneralLists(), [&] {
    movedTo = down ? MoveGeneralsDown(chosenSlots, context.Table, SharedBuiltinGeneralLists())
                   : MoveGeneralsUp(chosenSlots, context.Table, SharedBuiltinGeneralLists());
    return movedTo != chosenSlots;
  });
  if (movedTo.size() != chosenSlots.size() || movedTo == chosenSlots) return;  // at the edge: nothing moved
  const int picked = PickedSlot(context);
  const int current =
      picked >= 0 ? SlotAfterReorder(picked, chosenSlots, movedTo, context.Table.GeneralCount) : -1;
  ShowCommandResult(context, form1, form2, movedTo, current, current >= 0);
}

void ConnectListCommands(ProgramContext& context, Form1& form1, Form2& form2) {
  QObject::connect(&form2, &Form2::appearRequested, &form1, [&context, &form1, &form2](bool appear) {
    SetSelectionAppear(context, form1, form2, appear);
  });
  QObject::connect(&form2, &Form2::deleteRequested, &form1,
                   [&context, &form1, &form2] { DeleteSelectedGenerals(context, form1, form2); });
  QObject::connect(&form2, &Form2::moveRequested, &form1, [&context, &form1, &form2](bool down) {
    MoveSelectedGenerals(context, form1, form2, down);
  });
  QObject::connect(&form2, &Form2::mergeRequested, &form1,
                   [&context, &form1, &form2] { MergeGeneralFile(context, form1, form2); });
  QObject::connect(&form2, &Form2::sheetExportRequested, &form1, [&context] { ExportGeneralSheet(context); });
  QObject::connect(&form2, &Form2::sheetImportRequested, &form1,
                   [&context, &form1, &form2] { ImportGeneralSheet(context, form1, form2); });
}

}  // namespace tavlor
