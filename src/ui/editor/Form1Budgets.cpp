// Form1: the byte budgets under the name and reading boxes.
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>

#include "core/editor/TextBudget.h"
#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"

namespace tavlor {

namespace layout = form1_layout;

namespace {

constexpr int kBudgetFontPixels = 10;

// A Simplified text of these labels in the language in force.
QString InterfaceText(const QString& simplified) {
  return Caption(ToGbk(simplified));
}

QLabel* MakeBudget(QWidget* parent, const QString& name, const QRect& box) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(layout::BudgetUnder(box));
  label->setFont(art::FieldFont(kBudgetFontPixels));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

// The first character of a box that cannot be stored: one the interface's encoding has no code
// for (it would become '?'), else the one the budget names. Empty when there is none.
QString UnstorableCharacter(const QLineEdit* box, bool typed, const TextBudget& budget) {
  const QString unencodable = typed ? EncodeInterfaceText(box->text()).Unencodable : QString();
  if (!unencodable.isEmpty()) return unencodable;
  return budget.Unstorable ? FromInterfaceBytes(*budget.Unstorable) : QString();
}

// `typed`: the box no longer shows what the editor put there.
void ShowBudget(QLabel* label, const QLineEdit* box, bool typed, const TextBudget& budget) {
  QString text = QStringLiteral("%1/%2").arg(budget.Bytes).arg(budget.Width);
  QString tip;
  const QString character = UnstorableCharacter(box, typed, budget);
  if (!character.isEmpty()) {
    text = InterfaceText(QStringLiteral("无法保存")).prepend(QStringLiteral("「%1」").arg(character)) +
           QLatin1Char(' ') + text;
    tip = InterfaceText(QStringLiteral("没有日文字形，游戏里无法保存这个字"))
              .prepend(QStringLiteral("「%1」").arg(character));
  } else if (budget.OverWidth()) {
    tip = InterfaceText(QStringLiteral("超出 %1 字节，保存时多出的部分会被截掉"))
              .arg(budget.Bytes - budget.Width);
  }
  label->setText(text);
  label->setToolTip(tip);
  const bool warn = !character.isEmpty() || budget.OverWidth();
  label->setProperty("overBudget", warn);
  label->setStyleSheet(warn ? QStringLiteral("color: #b3180c;") : QStringLiteral("color: #7a6440;"));
}

// The refusal of a character without a Shift-JIS form, naming its box and any damaged table.
QString StorageRefusal(const QString& box, const QString& character) {
  QString message =
      QStringLiteral("「%1」里的「%2」无法保存：这个字没有日文字形。请换一个字。").arg(box, character);
  // Without its table every character lacks a form: say which file to put back.
  QStringList damaged;
  for (const DamagedTableFile& file : DamagedTableFiles(SharedTextTables()))
    damaged << QString::fromStdString(file.Name);
  if (!damaged.isEmpty())
    message += QStringLiteral("\n（字符表 %1 缺失或损坏，请放回程序文件夹后重新启动。）")
                   .arg(damaged.join(QStringLiteral("、")));
  return message;
}

}  // namespace

QString Form1::UnstorableTextMessage() const {
  static const QString kBoxNames[kTextBoxCount] = {
      QStringLiteral("姓"),          QStringLiteral("名"),          QStringLiteral("姓読"),
      QStringLiteral("名読"),        QStringLiteral("列传第 1 行"), QStringLiteral("列传第 2 行"),
      QStringLiteral("列传第 3 行"), QStringLiteral("列传第 4 行")};
  const std::array<QLineEdit*, 8> boxes = TextBoxes();
  const EditorValues values = CollectValues();
  TextTables& tables = SharedTextTables();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i]->text() == appliedTexts_[i]) continue;
    const QString unencodable = EncodeInterfaceText(boxes[i]->text()).Unencodable;
    if (!unencodable.isEmpty())
      return QStringLiteral("「%1」里的「%2」无法保存：这个字没有编码。请换一个字。")
          .arg(kBoxNames[i], unencodable);
    const auto box = static_cast<TextBoxId>(i);
    if (const auto character = BudgetOfTextBox(values, box, tables, IsSimplified()).Unstorable)
      return StorageRefusal(kBoxNames[i], FromInterfaceBytes(*character));
  }
  return {};
}

void Form1::BuildTextBudgets() {
  for (int k = 0; k < 2; ++k) {
    NameBudget[k] = MakeBudget(this, QStringLiteral("NameBudget_%1").arg(k), layout::kNames[k]);
    ReadingBudget[k] = MakeBudget(this, QStringLiteral("ReadingBudget_%1").arg(k), layout::kReadings[k]);
    connect(tx_Name1[k], &QLineEdit::textChanged, this, [this] { UpdateTextBudgets(); });
    connect(tx_DY[k], &QLineEdit::textChanged, this, [this] { UpdateTextBudgets(); });
  }
  for (QLineEdit* line : Tx_Lz) connect(line, &QLineEdit::textChanged, this, [this] { UpdateTextBudgets(); });
}

void Form1::UpdateTextBudgets() {
  // Values are applied box by box; the budgets follow once all of them are in.
  if (applyingValues_ || NameBudget[0] == nullptr) return;
  const EditorValues values = CollectValues();
  TextTables& tables = SharedTextTables();
  const bool simplified = IsSimplified();
  for (int k = 0; k < 2; ++k) {
    const auto name = static_cast<TextBoxId>(static_cast<int>(TextBoxId::FamilyName) + k);
    const auto reading = static_cast<TextBoxId>(static_cast<int>(TextBoxId::FamilyReading) + k);
    // TextBoxes() order: the two names, then the two readings.
    ShowBudget(NameBudget[k], tx_Name1[k], tx_Name1[k]->text() != appliedTexts_[k],
               BudgetOfTextBox(values, name, tables, simplified));
    ShowBudget(ReadingBudget[k], tx_DY[k], tx_DY[k]->text() != appliedTexts_[k + 2],
               BudgetOfTextBox(values, reading, tables, simplified));
  }
  // Every box holding a character that cannot be stored is tinted, its tooltip naming it.
  const std::array<QLineEdit*, 8> boxes = TextBoxes();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const TextBudget budget = BudgetOfTextBox(values, static_cast<TextBoxId>(i), tables, simplified);
    const QString character = UnstorableCharacter(boxes[i], boxes[i]->text() != appliedTexts_[i], budget);
    const bool unstorable = !character.isEmpty();
    boxes[i]->setToolTip(unstorable ? InterfaceText(QStringLiteral("没有日文字形，游戏里无法保存这个字"))
                                          .prepend(QStringLiteral("「%1」").arg(character))
                                    : QString());
    if (boxes[i]->property("unstorable").toBool() == unstorable) continue;
    boxes[i]->setProperty("unstorable", unstorable);
    // The style sheet's tint follows the property only when the box is polished again.
    boxes[i]->style()->unpolish(boxes[i]);
    boxes[i]->style()->polish(boxes[i]);
  }
}

}  // namespace tavlor
