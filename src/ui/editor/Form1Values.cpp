// Form1: the controls' contents as EditorValues and back.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"

namespace tavlor {

namespace {

constexpr int kAptitudeEntries = 5;
constexpr int kTacticEntries = 57;

// Selects `value` in a list of `entries` fixed entries. A stored value the list has no entry for
// gets an extra entry "?value" that carries it, so it is shown and written back unchanged; -1
// clears the selection.
void SelectListValue(QComboBox* list, int32_t value, int entries) {
  while (list->count() > entries) list->removeItem(list->count() - 1);
  if (value >= -1 && value < entries) {
    list->setCurrentIndex(value);
    return;
  }
  list->addItem(QStringLiteral("?%1").arg(value), value);
  list->setCurrentIndex(entries);
}

int32_t ListValue(const QComboBox* list, int entries) {
  const int index = list->currentIndex();
  return index >= entries ? list->itemData(index).toInt() : index;
}

std::string Bytes(const QLineEdit* box) {
  return ToInterfaceBytes(box->text());
}
std::string Bytes(const QLabel* label) {
  return ToInterfaceBytes(label->text());
}

}  // namespace

EditorValues Form1::CollectValues() const {
  EditorValues values;
  for (int k = 0; k < 2; ++k) {
    values.Names[k] = Bytes(tx_Name1[k]);
    values.Readings[k] = Bytes(tx_DY[k]);
  }
  values.BirthYearText = Bytes(TX_year);
  values.AgeText = Bytes(TX_age);
  values.DeathYearText = Bytes(lb_sm[0]);
  for (int i = 0; i < 5; ++i) {
    values.AbilityTexts[i] = Bytes(lb4W[i]);
    values.Aptitudes[i] = ListValue(Com_SS[i], kAptitudeEntries);
  }
  values.Tactic = ListValue(COB_ZF, kTacticEntries);
  for (int row = 0; row < 4; ++row) {
    values.LinkNumberTexts[row] = Bytes(tx_XXWJ[row]);
    values.LinkNames[row] = Bytes(LB_XXWJ[row]);
    values.BioLines[row] = Bytes(Tx_Lz[row]);
    values.BioEnabled[row] = Tx_Lz[row]->isEnabled();
  }
  values.CityName = Bytes(lb_CityName);
  return values;
}

void Form1::ApplyValues(const EditorValues& values) {
  for (int k = 0; k < 2; ++k) {
    tx_Name1[k]->setText(FromInterfaceBytes(values.Names[k]));
    tx_DY[k]->setText(FromInterfaceBytes(values.Readings[k]));
  }
  TX_year->setText(FromInterfaceBytes(values.BirthYearText));
  TX_age->setText(FromInterfaceBytes(values.AgeText));
  lb_sm[0]->setText(FromInterfaceBytes(values.DeathYearText));
  for (int i = 0; i < 5; ++i) {
    lb4W[i]->setText(FromInterfaceBytes(values.AbilityTexts[i]));
    SelectListValue(Com_SS[i], values.Aptitudes[i], kAptitudeEntries);
  }
  SelectListValue(COB_ZF, values.Tactic, kTacticEntries);
  // The lines' enabled states come with the values; the typing rules stay quiet meanwhile.
  applyingValues_ = true;
  for (int row = 0; row < 4; ++row) {
    tx_XXWJ[row]->setText(FromInterfaceBytes(values.LinkNumberTexts[row]));
    LB_XXWJ[row]->setText(FromInterfaceBytes(values.LinkNames[row]));
    Tx_Lz[row]->setText(FromInterfaceBytes(values.BioLines[row]));
    Tx_Lz[row]->setEnabled(values.BioEnabled[row]);
  }
  applyingValues_ = false;
  lb_CityName->setText(FromInterfaceBytes(values.CityName));
}

// Left to the value boxes' own rules (what a switch does to unedited and typed text).
void Form1::RetextValueBoxes() {}

}  // namespace tavlor
