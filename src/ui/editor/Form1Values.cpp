// Form1: the controls' contents as EditorValues and back.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "ui/app/ProgramContext.h"
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

std::string Bytes(const QLineEdit* box, bool big5) {
  return EncodeInterfaceText(box->text(), big5).Bytes;
}
std::string Bytes(const QLabel* label, bool big5) {
  return EncodeInterfaceText(label->text(), big5).Bytes;
}

// The eight text boxes' values and origins in the order of Form1::TextBoxes().
std::array<std::string*, 8> TextValues(EditorValues& values) {
  return {&values.Names[0],    &values.Names[1],    &values.Readings[0], &values.Readings[1],
          &values.BioLines[0], &values.BioLines[1], &values.BioLines[2], &values.BioLines[3]};
}
std::array<std::optional<StoredOrigin>*, 8> TextOrigins(EditorValues& values) {
  return {&values.NameOrigins[0],    &values.NameOrigins[1], &values.ReadingOrigins[0],
          &values.ReadingOrigins[1], &values.BioOrigins[0],  &values.BioOrigins[1],
          &values.BioOrigins[2],     &values.BioOrigins[3]};
}

}  // namespace

std::array<QLineEdit*, 8> Form1::TextBoxes() const {
  return {tx_Name1[0], tx_Name1[1], tx_DY[0], tx_DY[1], Tx_Lz[0], Tx_Lz[1], Tx_Lz[2], Tx_Lz[3]};
}

EditorValues Form1::CollectValues() const {
  return CollectValuesIn(InterfaceUsesBig5());
}

EditorValues Form1::CollectValuesIn(bool big5) const {
  EditorValues values;
  const std::array<QLineEdit*, 8> boxes = TextBoxes();
  const auto texts = TextValues(values);
  const auto origins = TextOrigins(values);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QString text = boxes[i]->text();
    // Untouched text keeps the bytes it was shown from: decoding and encoding again need not
    // give them back (a damaged field, a code the codec reads another way).
    *texts[i] = text == appliedTexts_[i] ? appliedBytes_[i] : EncodeInterfaceText(text, big5).Bytes;
    *origins[i] = textOrigins_[i];
  }
  values.BirthYearText = Bytes(TX_year, big5);
  values.AgeText = Bytes(TX_age, big5);
  values.DeathYearText = Bytes(lb_sm[0], big5);
  for (int i = 0; i < 5; ++i) {
    values.AbilityTexts[i] = Bytes(lb4W[i], big5);
    values.Aptitudes[i] = ListValue(Com_SS[i], kAptitudeEntries);
  }
  values.Tactic = ListValue(COB_ZF, kTacticEntries);
  for (int row = 0; row < 4; ++row) {
    values.LinkNumberTexts[row] = Bytes(tx_XXWJ[row], big5);
    values.LinkNames[row] = Bytes(LB_XXWJ[row], big5);
    values.BioEnabled[row] = Tx_Lz[row]->isEnabled();
  }
  values.CityName = Bytes(lb_CityName, big5);
  return values;
}

void Form1::ApplyTextBoxes(const EditorValues& values) {
  EditorValues copy = values;
  const std::array<QLineEdit*, 8> boxes = TextBoxes();
  const auto texts = TextValues(copy);
  const auto origins = TextOrigins(copy);
  // The typing rules of the biography lines stay quiet meanwhile.
  applyingValues_ = true;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    appliedBytes_[i] = *texts[i];
    textOrigins_[i] = *origins[i];
    boxes[i]->setText(FromInterfaceBytes(appliedBytes_[i]));
    appliedTexts_[i] = boxes[i]->text();
  }
  applyingValues_ = false;
  textsSimplified_ = IsSimplified();
  textsBig5_ = InterfaceUsesBig5();
  UpdateTextBudgets();
}

void Form1::RetextValueBoxes() {
  if (textsSimplified_ == IsSimplified()) return;
  // Typed text is read in the language it was typed in, before it is converted.
  EditorValues values = CollectValuesIn(textsBig5_);
  RetextValues(values, context_.State.CurCity, SharedTextTables(), textsSimplified_, IsSimplified());
  // Typed characters neither encoding has a code for cannot be converted: such a box keeps its
  // text as typed (and goes on naming the character) rather than losing it to a '?'.
  const std::array<QLineEdit*, 8> boxes = TextBoxes();
  std::array<QString, 8> keptAsTyped;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QString text = boxes[i]->text();
    if (text != appliedTexts_[i] && !EncodeInterfaceText(text, textsBig5_).Unencodable.isEmpty())
      keptAsTyped[i] = text;
  }
  // The labels (link names, home base) are the language switch's own.
  ApplyTextBoxes(values);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (!keptAsTyped[i].isEmpty()) boxes[i]->setText(keptAsTyped[i]);
  }
}

void Form1::ApplyValues(const EditorValues& values) {
  ApplyTextBoxes(values);
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
    Tx_Lz[row]->setEnabled(values.BioEnabled[row]);
  }
  applyingValues_ = false;
  lb_CityName->setText(FromInterfaceBytes(values.CityName));
}

}  // namespace tavlor
