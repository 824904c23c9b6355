// Binds the two language menu items to the shared language state.
#include "ui/lang/LanguageMenu.h"

#include <QAction>

#include "core/lang/LanguageState.h"
#include "ui/lang/LanguageSwitch.h"

namespace tavlor {
namespace {

void ShowLanguage(QAction* simplifiedItem, QAction* traditionalItem, bool simplified) {
  simplifiedItem->setChecked(simplified);
  traditionalItem->setChecked(!simplified);
}

// The item for `simplified` was chosen. The item already checked changes nothing (Qt has just
// unchecked it: its mark comes back, and no text is written). Otherwise the marks move first, so
// that every text written after them already sees the new language.
void Choose(QAction* simplifiedItem, QAction* traditionalItem, bool simplified) {
  ShowLanguage(simplifiedItem, traditionalItem, simplified);
  SharedLanguageState().SetSimplified(simplified);
}

}  // namespace

void BindLanguageActions(QAction* simplifiedItem, QAction* traditionalItem) {
  simplifiedItem->setCheckable(true);
  traditionalItem->setCheckable(true);
  ShowLanguage(simplifiedItem, traditionalItem, SharedLanguageState().IsSimplified());

  QObject::connect(simplifiedItem, &QAction::triggered, simplifiedItem,
                   [simplifiedItem, traditionalItem] { Choose(simplifiedItem, traditionalItem, true); });
  QObject::connect(traditionalItem, &QAction::triggered, traditionalItem,
                   [simplifiedItem, traditionalItem] { Choose(simplifiedItem, traditionalItem, false); });
  // A change made elsewhere (another list window, a test) moves the marks too.
  RetextOnSwitch(simplifiedItem, SwitchStep::CheckMarks, [simplifiedItem, traditionalItem] {
    ShowLanguage(simplifiedItem, traditionalItem, SharedLanguageState().IsSimplified());
  });
}

}  // namespace tavlor
