// How a window takes part in a language switch: it names the step its texts belong to, and the
// shared language state calls it there for as long as the window lives.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/lang/LanguageState.h"

class QObject;

namespace tavlor {

// Runs `retext` at `step` of every later switch of the language while `owner` lives.
void RetextOnSwitch(QObject* owner, SwitchStep step, std::function<void()> retext);

// A text shown before the switch now being made (in the other language), as the GBK bytes it was
// shown from: its Simplified original, whatever it showed.
std::string GbkShownBeforeSwitch(const QString& shown);

}  // namespace tavlor
