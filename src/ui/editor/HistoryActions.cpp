// Undo and redo: after the table steps back or forward, the grid is refilled and the general of
// the touched slot is picked and shown, so the player sees what came back.
#include "ui/editor/HistoryActions.h"

#include <QObject>
#include <optional>

#include "core/data/BuiltinGeneralLists.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/portraits/FaceImportActions.h"

namespace tavlor {
namespace {

void ShowHistoryStep(ProgramContext& context, Form1& form1, Form2& form2, std::optional<int> slot) {
  if (!slot) return;
  if (*slot == kFaceStepSlot) {
    // A face step changes no general: the windows draw the faces again, the editor keeps its fields.
    form2.UpdateEditState();
    emit FaceEvents::Instance().facesChanged();
    return;
  }
  // An undone add can empty the table: the grid loses the row too.
  form2.SetFlexRows(context.Table.GeneralCount + 1);
  form2.ResetMflx();
  form2.UpdateEditState();
  if (*slot < context.Table.GeneralCount) {
    const int row = *slot + 1;
    form2.SelectGridRow(row);
    ShowPickedGeneral(context, form1, row);
  }
}

}  // namespace

void UndoLastEdit(ProgramContext& context, Form1& form1, Form2& form2) {
  ShowHistoryStep(context, form1, form2,
                  context.History.Undo(context.Table, SharedBuiltinGeneralLists(), &context.Faces));
}

void RedoEdit(ProgramContext& context, Form1& form1, Form2& form2) {
  ShowHistoryStep(context, form1, form2,
                  context.History.Redo(context.Table, SharedBuiltinGeneralLists(), &context.Faces));
}

void ConnectHistoryActions(ProgramContext& context, Form1& form1, Form2& form2) {
  QObject::connect(&form2, &Form2::undoRequested, &form1,
                   [&context, &form1, &form2] { UndoLastEdit(context, form1, form2); });
  QObject::connect(&form2, &Form2::redoRequested, &form1,
                   [&context, &form1, &form2] { RedoEdit(context, form1, form2); });
  // The same items answer their keys while the editor is the active window. A text box with the
  // focus keeps Ctrl+Z for its own typing.
  form1.addAction(form2.M_Undo);
  form1.addAction(form2.M_Redo);
}

}  // namespace tavlor
