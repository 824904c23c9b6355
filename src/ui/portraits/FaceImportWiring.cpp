#include "ui/portraits/FaceImportWiring.h"

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"
#include "ui/portraits/FaceImportWindow.h"
#include "ui/portraits/Form_CGBR.h"
#include "ui/portraits/LargeFaceDrawer.h"
#include "ui/portraits/PortraitBrowsing.h"

namespace tavlor {
namespace {

// The editor's face code as a face: the index for the game set, the index + 1700 for the edit set.
std::optional<ResolvedFace> FaceOfCode(int32_t code) {
  if (code >= 0 && code < 1700) return ResolvedFace{FaceSet::Game, code};
  if (code >= 1700 && code < 2800) return ResolvedFace{FaceSet::Edit, code - 1700};
  return std::nullopt;
}

}  // namespace

void OpenFaceImport(ProgramContext& context, Form1& form1, std::optional<FaceSlot> slot) {
  FaceImportWindow* window = ShowFaceImportWindow(context, &form1, slot.value_or(InitialImportSlot(context)));
  // One connection however often the window is shown again (a lambda cannot be a unique one).
  if (window->property("tavlorGivesFace").toBool()) return;
  window->setProperty("tavlorGivesFace", true);
  QObject::connect(window, &FaceImportWindow::shownGeneralTakesFace, &form1,
                   [&context, &form1](const FaceChoice& choice) { TakeChosenFace(context, form1, choice); });
}

void RedrawEditorFaces(ProgramContext& context, Form1& form1) {
  LargeFaceDrawer drawer(context.Paths);
  if (const std::optional<ResolvedFace> face = FaceOfCode(context.State.CurFace))
    drawer.Draw(*face, form1.CG_PIC);
  if (!context.RowPicked || context.SelectedSlot < 0 || context.SelectedSlot >= context.Table.GeneralCount)
    return;
  const ShownGeneral shown =
      ShowGeneral(context.Table, context.SelectedSlot, form1.CollectValues(), context.State,
                  SharedBuiltinGeneralLists(), SharedTextTables(), SharedLanguageState().IsSimplified());
  for (std::size_t row = 0; row < shown.LinkPortraits.size(); ++row)
    if (shown.LinkPortraits[row]) drawer.Draw(*shown.LinkPortraits[row], form1.PIC_SWJ[row]);
}

void ConnectBrowserImport(ProgramContext& context, Form1& form1, Form_CGBR& browser) {
  QObject::connect(
      &browser, &Form_CGBR::importRequested, &form1, [&context, &form1](const FaceChoice& choice) {
        OpenFaceImport(
            context, form1,
            choice.Set == FaceSet::None ? std::nullopt : std::optional<FaceSlot>({choice.Set, choice.Index}));
      });
}

void ConnectFaceImport(ProgramContext& context, Form1& form1, Form2& form2) {
  QObject::connect(&form2, &Form2::faceImportRequested, &form1,
                   [&context, &form1] { OpenFaceImport(context, form1, std::nullopt); });
  QObject::connect(&FaceEvents::Instance(), &FaceEvents::facesChanged, &form1, [&context, &form1, &form2] {
    RedrawEditorFaces(context, form1);
    form2.UpdateEditState();  // the unsaved mark and the undo items count face steps too
  });
}

}  // namespace tavlor
