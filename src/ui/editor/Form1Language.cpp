// Form1: its part in a language switch. The tactic list is rewritten from its hidden Simplified
// copy, so that switching back and forth never converts a converted name.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/lang/PickerTexts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/lang/LanguageSwitch.h"

namespace tavlor {

void Form1::FollowLanguageSwitches() {
  RetextOnSwitch(this, SwitchStep::TacticList, [this] { ApplyTacticNames(); });
  RetextOnSwitch(this, SwitchStep::OtherTexts, [this] { RetextShownTexts(); });
}

void Form1::ApplyTacticNames() {
  // The extra entry that carries a stored value outside the list ("?60") has no copy and stays.
  const int entries = std::min(COB_ZF->count(), COB_ZF_BAK->count());
  for (int i = 0; i < entries; ++i) COB_ZF->setItemText(i, Caption(ToGbk(COB_ZF_BAK->itemText(i))));
}

void Form1::RetextShownTexts() {
  Command2->setText(Caption(texts::EditorCommand2Caption));
  // The labels show names from the lists (GBK): shown again from what they were shown from.
  for (QLabel* name : LB_XXWJ) name->setText(Caption(GbkShownBeforeSwitch(name->text())));
  lb_CityName->setText(Caption(GbkShownBeforeSwitch(lb_CityName->text())));
  // The six ages ("33岁", "已成仙") as SMJS last wrote them: the years may be mid-edit.
  for (std::size_t i = 1; i < lb_sm.size(); ++i)
    lb_sm[i]->setText(Caption(GbkShownBeforeSwitch(lb_sm[i]->text())));
  RetextValueBoxes();
}

}  // namespace tavlor
