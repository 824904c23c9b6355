// The language menu items M_GB and M_BIG: their check marks show the shared language state, and
// choosing one switches it.
#pragma once

class QAction;

namespace tavlor {

// Makes both items checkable, shows the current language on them and keeps them in step with
// every later change of the shared language state.
void BindLanguageActions(QAction* simplifiedItem, QAction* traditionalItem);

}  // namespace tavlor
