// Between the editor and its pickers: opening them and handing their results to the editor.
#include "ui/pickers/PickerActions.h"

#include <QLabel>
#include <QLineEdit>
#include <QWindow>

#include "core/data/BuiltinGeneralLists.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form1.h"
#include "ui/lang/LanguageSwitch.h"
#include "ui/pickers/Form3.h"
#include "ui/pickers/Form4.h"
#include "ui/pickers/Form6.h"
#include "ui/portraits/FaceDrawing.h"
#include "ui/portraits/LargeFaceDrawer.h"

namespace tavlor {

PickerActions::PickerActions(ProgramContext& context, Form1& form1)
    : QObject(&form1), context_(context), form1_(form1) {
  setObjectName(QStringLiteral("PickerActions"));
  connect(&form1, &Form1::abilityPickerRequested, this, &PickerActions::OpenAbilityPicker);
  connect(&form1, &Form1::cityPickerRequested, this, &PickerActions::OpenCityPicker);
  connect(&form1, &Form1::linkPickerRequested, this, [this](int) { OpenRelatedGeneralPicker(); });
  // A switch prepares the two pickers it rewrites when they are not there (hidden); those that
  // exist rewrite themselves at the same steps.
  RetextOnSwitch(this, SwitchStep::RelatedGeneralRows, [this] { EnsureRelatedGeneralPicker(); });
  RetextOnSwitch(this, SwitchStep::CityTooltips, [this] { EnsureCityPicker(); });
}

PickerActions::~PickerActions() {
  // The editor is going away with us: pickers still open close without giving it back.
  for (QWidget* picker :
       {static_cast<QWidget*>(abilityPicker_.data()), static_cast<QWidget*>(cityPicker_.data())}) {
    if (picker == nullptr) continue;
    disconnect(picker, nullptr, this, nullptr);
    delete picker;
  }
}

void PickerActions::TakeOverEditor(QWidget* picker) {
  form1_.setEnabled(false);
  // Any way the picker closes (its buttons, Escape, the window's close button) ends here.
  connect(picker, &QObject::destroyed, this, &PickerActions::GiveEditorBack);
  picker->move(form1_.geometry().center() - picker->rect().center());
  // Kept above the editor by the window system, without being the editor's child (a child of a
  // disabled window is disabled too).
  picker->winId();
  if (form1_.windowHandle() != nullptr) picker->windowHandle()->setTransientParent(form1_.windowHandle());
  picker->show();
  picker->raise();
  picker->activateWindow();
}

void PickerActions::GiveEditorBack() {
  form1_.setEnabled(true);
  form1_.raise();
  form1_.activateWindow();
}

void PickerActions::OpenAbilityPicker() {
  if (abilityPicker_ != nullptr) {
    abilityPicker_->raise();
    return;
  }
  abilityPicker_ = new Form3();
  connect(abilityPicker_, &Form3::abilitiesConfirmed, this, &PickerActions::ApplyAbilities);
  TakeOverEditor(abilityPicker_);
}

Form4& PickerActions::EnsureCityPicker() {
  if (cityPicker_ == nullptr) {
    cityPicker_ = new Form4(cities_);
    connect(cityPicker_, &Form4::cityConfirmed, this, &PickerActions::ApplyCity);
  }
  return *cityPicker_;
}

void PickerActions::OpenCityPicker() {
  Form4& picker = EnsureCityPicker();
  if (picker.isVisible()) {
    picker.raise();
    return;
  }
  TakeOverEditor(&picker);
}

Form3* PickerActions::AbilityPicker() const {
  return abilityPicker_;
}

Form4* PickerActions::CityPicker() const {
  return cityPicker_;
}

Form6& PickerActions::EnsureRelatedGeneralPicker() {
  if (!relatedGeneralPicker_) {
    relatedGeneralPicker_ = std::make_unique<Form6>(context_);
    connect(relatedGeneralPicker_.get(), &Form6::linkConfirmed, this, &PickerActions::ApplyLink);
  }
  return *relatedGeneralPicker_;
}

void PickerActions::OpenRelatedGeneralPicker() {
  Form6& picker = EnsureRelatedGeneralPicker();
  if (!picker.isVisible()) picker.move(form1_.geometry().center() - picker.rect().center());
  picker.show();
  picker.raise();
  picker.activateWindow();
}

void PickerActions::ApplyInterfaceLanguage() {
  if (abilityPicker_ != nullptr) abilityPicker_->ApplyInterfaceLanguage();
  if (cityPicker_ != nullptr) cityPicker_->ApplyInterfaceLanguage();
  if (relatedGeneralPicker_) relatedGeneralPicker_->ApplyInterfaceLanguage();
}

void PickerActions::ApplyAbilities(const QStringList& texts) {
  for (int i = 0; i < static_cast<int>(form1_.lb4W.size()) && i < texts.size(); ++i)
    form1_.lb4W[i]->setText(texts[i]);
}

void PickerActions::ApplyCity(int city) {
  context_.State.CurCity = city;
  form1_.lb_CityName->setText(Caption(CityNameOf(city)));
}

void PickerActions::ApplyLink(const LinkConfirmation& confirmation) {
  if (confirmation.LinkRow < 0 || confirmation.LinkRow >= static_cast<int>(form1_.tx_XXWJ.size())) return;
  const auto row = static_cast<std::size_t>(confirmation.LinkRow);
  form1_.tx_XXWJ[row]->setText(QString::fromStdString(confirmation.NumberText));
  form1_.LB_XXWJ[row]->setText(Caption(confirmation.Name));
  if (confirmation.Portrait) {
    LargeFaceDrawer(context_.Paths).Draw(*confirmation.Portrait, form1_.PIC_SWJ[row]);
  } else {
    form1_.PIC_SWJ[row]->Clear();
  }
}

PickerActions& ConnectPickers(ProgramContext& context, Form1& form1) {
  if (auto* existing = form1.findChild<PickerActions*>(QString(), Qt::FindDirectChildrenOnly))
    return *existing;
  return *new PickerActions(context, form1);
}

}  // namespace tavlor
