// The editor's controls before any general is shown.
#include "core/editor/EditorValues.h"

#include "core/editor/LifespanLine.h"
#include "core/lang/InterfaceTexts.h"

namespace tavlor {

EditorValues DefaultEditorValues() {
  EditorValues values;
  values.Names = {std::string(texts::DefaultFamilyName), std::string(texts::DefaultGivenName)};
  values.Readings = {std::string(texts::DefaultFamilyReading), std::string(texts::DefaultGivenReading)};
  values.BirthYearText = "1500";
  values.AgeText = "16";
  values.DeathYearText = std::to_string(DeathYearOf(1500, 16));
  // The ability picker's start values.
  values.AbilityTexts = {"70", "70", "70", "70", "50"};
  values.Aptitudes = {0, 0, 0, 0, 0};
  values.Tactic = 0;
  values.LinkNumberTexts = {"339", "-1", "-1", "-1"};
  // Only the first biography line takes typing until the one before it is full.
  values.BioEnabled = {true, false, false, false};
  values.CityName = std::string(texts::ListCity[EditorState{}.CurCity]);
  return values;
}

}  // namespace tavlor
