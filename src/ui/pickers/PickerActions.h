// Between the editor and its pickers: the editor's change buttons open the pickers, and each
// picker's result goes into the editor's controls and state. Every way out of a picker that took
// the editor over (confirm, cancel, Escape, the window's close button) gives the editor back.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "core/pickers/CityPicking.h"

namespace tavlor {

struct ProgramContext;
struct LinkConfirmation;
class Form1;
class Form3;
class Form4;
class Form6;

class PickerActions : public QObject {
  Q_OBJECT
 public:
  // Lives as long as `form1`, as its child.
  PickerActions(ProgramContext& context, Form1& form1);
  ~PickerActions() override;

  // Pic_Chang_LL(0): a new ability picker; the editor is disabled until the picker closes.
  void OpenAbilityPicker();
  // Pic_Chang_LL(7): a new city picker; the editor is disabled until the picker closes.
  void OpenCityPicker();
  // Pic_Chang_LL(3..6): the related-general picker for link button `linkSlot` (CurLinkSlot); the
  // editor stays usable.
  void OpenRelatedGeneralPicker();

  // The pickers now open (nothing when closed; the city picker also while a language switch has
  // prepared it hidden); the related-general picker once made stays.
  Form3* AbilityPicker() const;
  Form4* CityPicker() const;
  // The city picker, made (hidden, the editor left alone) when it does not exist yet.
  Form4& EnsureCityPicker();
  Form6* RelatedGeneralPicker() const { return relatedGeneralPicker_.get(); }
  // The related-general picker, made (hidden) when it does not exist yet.
  Form6& EnsureRelatedGeneralPicker();

  const CitySelection& Cities() const { return cities_; }

  // Rewrites every picker that exists in the language now in force.
  void ApplyInterfaceLanguage();

 private:
  void TakeOverEditor(QWidget* picker);
  void GiveEditorBack();
  void ApplyAbilities(const QStringList& texts);
  void ApplyCity(int city);
  void ApplyLink(const LinkConfirmation& confirmation);

  ProgramContext& context_;
  Form1& form1_;
  CitySelection cities_;
  QPointer<Form3> abilityPicker_;
  QPointer<Form4> cityPicker_;
  std::unique_ptr<Form6> relatedGeneralPicker_;
};

// Connects the editor's change buttons to the pickers (once, at start-up).
PickerActions& ConnectPickers(ProgramContext& context, Form1& form1);

}  // namespace tavlor
