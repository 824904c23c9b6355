// The grid pick, "change" and "add": the core does the work, this file moves values between the
// windows and the shared state, and every edit goes into the edit history.
#include "ui/editor/EditorActions.h"

#include <QLineEdit>
#include <QObject>
#include <QProgressBar>
#include <optional>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/editor/GeneralEditing.h"
#include "core/editor/SliderArithmetic.h"
#include "core/lang/LanguageState.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/editor/HistoryActions.h"
#include "ui/editor/ListCommands.h"
#include "ui/editor/SharingActions.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/LargeFaceDrawer.h"

namespace tavlor {
namespace {

const QString kPromptTitle = QStringLiteral("提示");

void ShowRefusal(const EditResult& result) {
  CurrentPrompter().Warn(Caption(result.Message), kPromptTitle);
}

}  // namespace

void ShowPickedGeneral(ProgramContext& context, Form1& form1, int row) {
  if (row < 1) return;
  // The pick empties the link rows and biography lines; ShowGeneral clears their texts.
  for (PortraitBox* box : form1.PIC_SWJ) box->Clear();
  const ShownGeneral shown = ShowGeneral(context.Table, row - 1, form1.CollectValues(), context.State,
                                         SharedBuiltinGeneralLists(), SharedTextTables(), IsSimplified());
  form1.ApplyValues(shown.Values);
  form1.ApplyState(shown.State);
  context.State = shown.State;
  // The scenario ages follow the shown general; with the death year B + A - 1 the recomputed
  // lb_sm(0) is the stored death year again.
  form1.SMJS();
  // The bars show where the shown general's years lie (only a drag or a min/max button writes
  // the boxes, so this changes no value).
  form1.pbar_year->setValue(
      ClampToSlider(kBirthYearSlider, LeadingInteger(ToInterfaceBytes(form1.TX_year->text()))));
  form1.pbar_age->setValue(
      ClampToSlider(kLifespanSlider, LeadingInteger(ToInterfaceBytes(form1.TX_age->text()))));

  LargeFaceDrawer drawer(context.Paths);
  if (shown.Portrait) {
    drawer.Draw(*shown.Portrait, form1.CG_PIC);
  } else {
    // No face: an empty box rather than the previous general's portrait.
    form1.CG_PIC->Clear();
  }
  // Real father, affinity, favoured, disliked: the order the rows have always been drawn in, so
  // the archive left open afterwards is the same.
  for (const std::size_t row : {3u, 0u, 1u, 2u}) {
    if (shown.LinkPortraits[row]) drawer.Draw(*shown.LinkPortraits[row], form1.PIC_SWJ[row]);
  }

  context.SelectedSlot = row - 1;
  context.RowPicked = true;
}

// A typed character that cannot be stored is named before anything is asked or written.
bool TypedTextStorable(const Form1& form1) {
  const QString problem = form1.UnstorableTextMessage();
  if (problem.isEmpty()) return true;
  CurrentPrompter().Warn(problem, kPromptTitle);
  return false;
}

void ChangePickedGeneral(ProgramContext& context, Form1& form1, Form2& form2) {
  // With no general picked the refusal to come says what to do first.
  if (context.RowPicked && !TypedTextStorable(form1)) return;
  if (!CurrentPrompter().AskYesNo(QStringLiteral("你确定要修改并保存所选择的武将数据吗？"), kPromptTitle))
    return;
  const std::optional<int> picked =
      context.RowPicked ? std::optional<int>(context.SelectedSlot) : std::nullopt;
  const EditorValues values = form1.CollectValues();
  const EditResult result =
      context.History.Record(picked.value_or(-1), context.Table, SharedBuiltinGeneralLists(), [&] {
        return ChangeGeneral(values, context.State, picked, context.Table, SharedBuiltinGeneralLists(),
                             SharedTextTables(), IsSimplified());
      });
  if (!result.Succeeded()) {
    ShowRefusal(result);
    return;
  }
  form2.ResetMflx();
  form2.UpdateEditState();
}

void AddNewGeneral(ProgramContext& context, Form1& form1, Form2& form2) {
  if (!TypedTextStorable(form1)) return;
  if (!CurrentPrompter().AskYesNo(QStringLiteral("你确定要保存此新武将数据吗？"), kPromptTitle)) return;
  const EditorValues values = form1.CollectValues();
  const EditResult result =
      context.History.Record(context.Table.GeneralCount, context.Table, SharedBuiltinGeneralLists(), [&] {
        return AddGeneral(values, context.State, context.Table, SharedBuiltinGeneralLists(),
                          SharedTextTables(), IsSimplified());
      });
  if (!result.Succeeded()) {
    ShowRefusal(result);
    return;
  }
  form2.ResetMflx();
  form2.UpdateEditState();
}

void ConnectEditorActions(ProgramContext& context, Form1& form1, Form2& form2) {
  QObject::connect(&form2, &Form2::generalPicked, &form1,
                   [&context, &form1](int row) { ShowPickedGeneral(context, form1, row); });
  QObject::connect(&form1, &Form1::changeRequested, &form2,
                   [&context, &form1, &form2] { ChangePickedGeneral(context, form1, form2); });
  QObject::connect(&form1, &Form1::addRequested, &form2,
                   [&context, &form1, &form2] { AddNewGeneral(context, form1, form2); });
  ConnectHistoryActions(context, form1, form2);
  ConnectSharingActions(context, form1, form2);
  ConnectListCommands(context, form1, form2);
  // Quitting or closing the editor with unsaved changes asks the list window's question.
  form1.SetUnsavedChangesGuard([&form2] { return form2.SettleBeforeLeaving(); });
}

}  // namespace tavlor
