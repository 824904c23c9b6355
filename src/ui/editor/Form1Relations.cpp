// Form1: portraits, abilities, aptitudes, tactic, related generals, home base and the buttons
// that finish an edit or open a picker.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>

#include "core/lang/InterfaceTexts.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/ArrowComboBox.h"
#include "ui/chrome/Artwork.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form1Layout.h"
#include "ui/portraits/FaceDrawing.h"

namespace tavlor {

namespace layout = form1_layout;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& place, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignCenter) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setFont(font);
  label->setAlignment(alignment);
  return label;
}

QComboBox* MakeList(QWidget* parent, const QString& name, const QRect& place) {
  auto* list = new ArrowComboBox(parent);
  list->setObjectName(name);
  list->setGeometry(place);
  list->setFont(art::FieldFont(14));
  list->setMaxVisibleItems(16);
  return list;
}

}  // namespace

void Form1::BuildAbilityFields() {
  for (int i = 0; i < 5; ++i) {
    lb4W[i] =
        MakeLabel(this, QStringLiteral("lb4W_%1").arg(i), layout::AbilityValue(i), art::CaptionFont(20));
    Com_SS[i] = MakeList(this, QStringLiteral("Com_SS_%1").arg(i), layout::Aptitude(i));
    for (const char* grade : {"D", "C", "B", "A", "S"}) Com_SS[i]->addItem(QString::fromLatin1(grade));
  }
  COB_ZF = MakeList(this, QStringLiteral("COB_ZF"), layout::kTactic);
  COB_ZF_BAK = MakeList(this, QStringLiteral("COB_ZF_BAK"), layout::kTactic);
  for (std::string_view name : texts::TacticNames) {
    COB_ZF->addItem(Caption(name));
    COB_ZF_BAK->addItem(FromGbk(name));
  }
  COB_ZF_BAK->hide();
}

void Form1::BuildRelationRows() {
  CG_PIC = new PortraitBox(this);
  CG_PIC->setObjectName(QStringLiteral("CG_PIC"));
  CG_PIC->setGeometry(layout::kPortrait);
  for (int row = 0; row < 4; ++row) {
    PIC_SWJ[row] = new PortraitBox(this);
    PIC_SWJ[row]->setObjectName(QStringLiteral("PIC_SWJ_%1").arg(row));
    PIC_SWJ[row]->setGeometry(layout::RelationPortrait(row));
    tx_XXWJ[row] = new QLineEdit(this);
    tx_XXWJ[row]->setObjectName(QStringLiteral("tx_XXWJ_%1").arg(row));
    tx_XXWJ[row]->setGeometry(layout::RelationNumber(row));
    tx_XXWJ[row]->setFont(art::FieldFont(13));
    tx_XXWJ[row]->setAlignment(Qt::AlignCenter);
    LB_XXWJ[row] = MakeLabel(this, QStringLiteral("LB_XXWJ_%1").arg(row), layout::RelationName(row),
                             art::CaptionFont(14), Qt::AlignLeft | Qt::AlignVCenter);
    LB_XXWJ[row]->setProperty("role", QStringLiteral("plate"));
  }
  lb_CityName = MakeLabel(this, QStringLiteral("lb_CityName"), layout::kCityName, art::CaptionFont(16),
                          Qt::AlignLeft | Qt::AlignVCenter);
  lb_CityName->setProperty("role", QStringLiteral("plate"));
  Label3 = new QLabel(this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->hide();
}

void Form1::OnChangeButton(int index) {
  // The pickers that take over the editor disable it and enable it again when they close; until a
  // picker is connected the editor stays usable.
  auto takesOver = [this](auto signal) { return isSignalConnected(QMetaMethod::fromSignal(signal)); };
  switch (index) {
    case 0:
      if (takesOver(&Form1::abilityPickerRequested)) setEnabled(false);
      emit abilityPickerRequested();
      break;
    case 3:
    case 4:
    case 5:
    case 6:
      context_.State.CurLinkSlot = index;
      emit linkPickerRequested(index);
      break;
    case 7:
      if (takesOver(&Form1::cityPickerRequested)) setEnabled(false);
      emit cityPickerRequested();
      break;
    default:
      break;  // aptitudes and tactic are chosen in their lists
  }
}

void Form1::OnQuit() {
  // With unsaved changes the save / discard / cancel question is the one question asked.
  if (unsavedChangesGuard_ && context_.History.HasUnsavedChanges()) {
    if (unsavedChangesGuard_()) QCoreApplication::exit(0);
    return;
  }
  if (CurrentPrompter().AskYesNo(QStringLiteral("你确定要退出编辑器吗？"), QStringLiteral("提示"))) {
    QCoreApplication::exit(0);
  }
}

}  // namespace tavlor
