// The editor's controls before any general is shown.
#include "core/editor/EditorValues.h"

#include "core/editor/LifespanLine.h"
#include "core/lang/InterfaceTexts.h"
#include "core/pickers/CityPicking.h"
#include "core/text/TextTables.h"

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

namespace {

// One text box across a change of language.
void RetextBox(std::string& text, std::optional<StoredOrigin>& origin, bool trimmed, TextTables& tables,
               bool fromSimplified, bool toSimplified) {
  if (ShowsStoredText(origin, text, trimmed)) {
    // Shown again from the stored bytes, never from the text of the other language.
    origin = ShowStoredField(origin->Bytes, tables, toSimplified);
    text = origin->Shown;
    return;
  }
  text = RetypedText(text, tables, fromSimplified, toSimplified);
}

}  // namespace

void RetextValues(EditorValues& values, int curCity, TextTables& tables, bool fromSimplified,
                  bool toSimplified) {
  if (fromSimplified == toSimplified) return;
  for (std::size_t k = 0; k < 2; ++k) {
    RetextBox(values.Names[k], values.NameOrigins[k], true, tables, fromSimplified, toSimplified);
    RetextBox(values.Readings[k], values.ReadingOrigins[k], true, tables, fromSimplified, toSimplified);
  }
  for (std::size_t i = 0; i < 4; ++i)
    RetextBox(values.BioLines[i], values.BioOrigins[i], false, tables, fromSimplified, toSimplified);
  for (std::string& name : values.LinkNames) name = RetypedText(name, tables, fromSimplified, toSimplified);
  const std::string city = CityNameOf(curCity);
  values.CityName = toSimplified ? city : GbToBig5(city, tables.GbBig5);
}

}  // namespace tavlor
