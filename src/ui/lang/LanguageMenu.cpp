// Binds the two language menu items to the shared language state.
#include "ui/lang/LanguageMenu.h"

#include <QAction>
#include <QPointer>

#include "core/lang/LanguageState.h"

namespace tavlor {
namespace {

void ShowLanguage(QAction* simplifiedItem, QAction* traditionalItem, bool simplified) {
  simplifiedItem->setChecked(simplified);
  traditionalItem->setChecked(!simplified);
}

}  // namespace

void BindLanguageActions(QAction* simplifiedItem, QAction* traditionalItem) {
  simplifiedItem->setCheckable(true);
  traditionalItem->setCheckable(true);
  ShowLanguage(simplifiedItem, traditionalItem, SharedLanguageState().IsSimplified());

  // Choosing an item sets the language; the listener below puts both check marks right again
  // (also when the chosen item was already checked and Qt just unchecked it).
  QObject::connect(simplifiedItem, &QAction::triggered, simplifiedItem, [simplifiedItem, traditionalItem] {
    SharedLanguageState().SetSimplified(true);
    ShowLanguage(simplifiedItem, traditionalItem, SharedLanguageState().IsSimplified());
  });
  QObject::connect(traditionalItem, &QAction::triggered, traditionalItem, [simplifiedItem, traditionalItem] {
    SharedLanguageState().SetSimplified(false);
    ShowLanguage(simplifiedItem, traditionalItem, SharedLanguageState().IsSimplified());
  });

  // The state outlives the menu: the guards keep a destroyed menu from being touched.
  QPointer<QAction> simplifiedGuard(simplifiedItem);
  QPointer<QAction> traditionalGuard(traditionalItem);
  SharedLanguageState().OnChange([simplifiedGuard, traditionalGuard](bool simplified) {
    if (simplifiedGuard && traditionalGuard) ShowLanguage(simplifiedGuard, traditionalGuard, simplified);
  });
}

}  // namespace tavlor
