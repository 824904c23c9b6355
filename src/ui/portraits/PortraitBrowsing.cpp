#include "ui/portraits/PortraitBrowsing.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/portraits/FaceCategories.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/Form1.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/portraits/FaceArchiveOpener.h"
#include "ui/portraits/FaceImportWiring.h"
#include "ui/portraits/Form_CGBR.h"

namespace tavlor {
namespace {

// Centred over the editor, kept on the editor's screen.
void PlaceOverEditor(Form_CGBR& browser, const Form1& form1) {
  const QSize outer = browser.frameGeometry().size().expandedTo(browser.size());
  QRect place(QPoint(0, 0), outer);
  place.moveCenter(form1.frameGeometry().center());
  if (const QScreen* screen = form1.screen() != nullptr ? form1.screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    place.moveLeft(
        std::clamp(place.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    place.moveTop(
        std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
  }
  browser.move(place.topLeft());
}

}  // namespace

Form_CGBR& EnsurePortraitBrowser(ProgramContext& context, Form1& form1) {
  if (auto* browser = form1.findChild<Form_CGBR*>(QString(), Qt::FindDirectChildrenOnly)) return *browser;
  auto* browser = new Form_CGBR(context.Paths, &form1, Form_CGBR::FirstFill::WhenShown);
  QObject::connect(browser, &Form_CGBR::faceChosen, &form1,
                   [&context, &form1](const FaceChoice& choice) { TakeChosenFace(context, form1, choice); });
  ConnectBrowserImport(context, form1, *browser);
  return *browser;
}

Form_CGBR* ShowPortraitBrowser(ProgramContext& context, Form1& form1) {
  Form_CGBR* browser = &EnsurePortraitBrowser(context, form1);
  // A browser not on the screen yet (new, or prepared by a switch) opens over the editor.
  if (!browser->isVisible()) PlaceOverEditor(*browser, form1);
  browser->setWindowState(browser->windowState() & ~Qt::WindowMinimized);
  browser->show();
  browser->raise();
  browser->activateWindow();
  return browser;
}

void TakeChosenFace(ProgramContext& context, Form1& form1, const FaceChoice& choice) {
  FaceArchiveOpener opener;
  opener.DrawFrom(FaceArchivePath(context.Paths, choice.Set, FaceArchiveSize::Large), choice.Index,
                  form1.CG_PIC);
  context.State.CurFace = choice.Code;
  form1.activateWindow();
}

void ConnectPortraitBrowser(ProgramContext& context, Form1& form1) {
  QObject::connect(&form1, &Form1::portraitBrowserRequested, &form1,
                   [&context, &form1] { ShowPortraitBrowser(context, form1); });
  // A browser made now shows the new language from the start; one that exists rewrites itself.
  RetextOnSwitch(&form1, SwitchStep::BrowserTexts,
                 [&context, &form1] { EnsurePortraitBrowser(context, form1); });
}

}  // namespace tavlor
