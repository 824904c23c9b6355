// A window's part in a language switch.
#include "ui/lang/LanguageSwitch.h"

#include <QObject>
#include <QPointer>

#include "core/text/GbBig5Conversion.h"
#include "core/text/TextTables.h"
#include "ui/app/TextCodec.h"

namespace tavlor {

void RetextOnSwitch(QObject* owner, SwitchStep step, std::function<void()> retext) {
  QPointer<QObject> guard(owner);
  const LanguageState::ListenerId id =
      SharedLanguageState().OnChange(step, [guard, retext = std::move(retext)](bool) {
        if (guard) retext();
      });
  QObject::connect(owner, &QObject::destroyed, [id] { SharedLanguageState().RemoveListener(id); });
}

std::string GbkShownBeforeSwitch(const QString& shown) {
  // The language before the switch is the other one; without the GB/Big5 tables Traditional
  // mode showed GBK too.
  const bool wasSimplified = !IsSimplified();
  if (wasSimplified || !GbBig5TablesReady(SharedTextTables().GbBig5)) return ToGbk(shown);
  return Big5ToGb(ToBig5(shown), SharedTextTables().GbBig5);
}

}  // namespace tavlor
