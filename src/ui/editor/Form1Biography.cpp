// Form1: the four biography lines and their typing rules.
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/editor/BiographyRules.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"

namespace tavlor {

namespace layout = form1_layout;

namespace {
constexpr int kEnterKeyCode = 13;

// Keys that type nothing (caret moves, Delete) are not typing and always reach the line.
bool TypesNothing(const QKeyEvent* event) {
  return event->text().isEmpty() || event->key() == Qt::Key_Delete;
}

// Only characters that take two bytes in the interface encoding.
QString DoubleByteOnly(const QString& text) {
  QString kept;
  for (const QChar character : text) {
    if (BiographyKeyPasses(BiographyKeyCode(ToInterfaceBytes(QString(character)))) &&
        character.unicode() >= 0x80) {
      kept += character;
    }
  }
  return kept;
}
}  // namespace

void Form1::BuildBiographyLines() {
  for (int line = 0; line < kBiographyLineCount; ++line) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Tx_Lz_%1").arg(line));
    box->setGeometry(layout::BiographyLine(line));
    box->setFont(art::FieldFont(15));
    box->setMaxLength(kBiographyLineCharacters);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this, line] { OnBiographyChanged(line); });
    Tx_Lz[line] = box;
  }
  Label4 = new QLabel(this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setGeometry(layout::kKeyCode);
  Label4->setFont(art::FieldFont(10));
  Label4->setAlignment(Qt::AlignCenter);
}

bool Form1::OnBiographyKey(int line, QKeyEvent* event) {
  if (TypesNothing(event)) return false;
  const int code = BiographyKeyCode(ToInterfaceBytes(event->text()));
  Label4->setText(QString::number(code));
  if (code == kEnterKeyCode) {
    if (!EnterMovesToNextLine(line, ToInterfaceBytes(Tx_Lz[line]->text()))) return true;
    QLineEdit* next = Tx_Lz[line + 1];
    next->setEnabled(true);
    FocusText(next, 1);
    return true;  // the line has moved on; the Enter itself has nothing left to do
  }
  return !BiographyKeyPasses(code);
}

bool Form1::OnBiographyInput(QLineEdit* box, QInputMethodEvent* event) {
  const QString kept = DoubleByteOnly(event->commitString());
  if (kept == event->commitString()) return false;
  // Input methods may commit Latin letters as well: those are dropped like typed ones.
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  box->removeEventFilter(this);
  QCoreApplication::sendEvent(box, &filtered);
  box->installEventFilter(this);
  return true;
}

void Form1::OnBiographyChanged(int line) {
  if (applyingValues_) return;
  switch (BiographyLineChanged(line, ToInterfaceBytes(Tx_Lz[line]->text()))) {
    case BiographyChange::EnableNextLine:
      Tx_Lz[line + 1]->setEnabled(true);
      break;
    case BiographyChange::DisableAndFocusPrevious:
      Tx_Lz[line]->setEnabled(false);
      FocusText(Tx_Lz[line - 1], 2);
      break;
    case BiographyChange::Nothing:
      break;
  }
}

void Form1::FocusText(QLineEdit* box, int mode) {
  if (box == nullptr || mode < 0 || mode > 2) return;
  if (!box->text().isEmpty()) {
    if (mode == 0) {
      box->selectAll();
    } else {
      box->deselect();
      box->setCursorPosition(mode == 1 ? 0 : static_cast<int>(box->text().size()));
    }
  }
  box->setFocus(Qt::OtherFocusReason);
}

}  // namespace tavlor
