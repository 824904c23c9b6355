// What the editor window's controls hold, as plain values: the window turns its widgets into an
// EditorValues and back, and the core shows a general into it and writes a general from it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/data/GeneralTable.h"
#include "core/editor/EditorState.h"
#include "core/editor/StoredText.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor {

struct TextTables;

// Texts are interface bytes as the controls show them: GBK in the Simplified language, Big5 in
// the Traditional one.
struct EditorValues {
  std::array<std::string, 2> Names;         // tx_Name1(0) family, (1) given
  std::array<std::string, 2> Readings;      // tx_DY(0) family, (1) given
  std::string BirthYearText;                // TX_year
  std::string AgeText;                      // TX_age (lifespan, counting both end years)
  std::string DeathYearText;                // lb_sm(0)
  std::array<std::string, 5> AbilityTexts;  // lb4W(0..4): 統率 武勇 知略 政治 義理
  // Com_SS(0..4) and COB_ZF list indexes. A stored value the lists cannot show is kept here as it
  // is; the window shows it as an extra entry ("?9") and writes it back unchanged.
  std::array<int32_t, 5> Aptitudes{};
  int32_t Tactic = 0;
  std::array<std::string, 4> LinkNumberTexts;  // tx_XXWJ: affinity, favoured, disliked, father
  std::array<std::string, 4> LinkNames;        // LB_XXWJ
  std::array<std::string, 4> BioLines;         // Tx_Lz(0..3)
  std::array<bool, 4> BioEnabled{true, true, true, true};
  std::string CityName;  // lb_CityName
  // The stored field each text box was shown from (nothing for a box that shows no stored field):
  // a box still showing it is written back with the field's own bytes.
  std::array<std::optional<StoredOrigin>, 2> NameOrigins;
  std::array<std::optional<StoredOrigin>, 2> ReadingOrigins;
  std::array<std::optional<StoredOrigin>, 4> BioOrigins;

  bool operator==(const EditorValues&) const = default;
};

// The editor's controls before any general is shown (design-time texts and start-up defaults).
EditorValues DefaultEditorValues();

// CurFace when the shown general's face number has no face code that stores it again (it resolves
// to no face, or to a game face whose index the browser reads as an edit face): writing the general
// then keeps its stored FaceNo instead of taking the previous general's face.
inline constexpr int kKeepStoredFace = -1;

// The editor's texts after the interface language changed: boxes still showing their stored field
// show it in the new language, text the player typed is converted to it (RetypedText), and the
// city name is shown again for `curCity`.
void RetextValues(EditorValues& values, int curCity, TextTables& tables, bool fromSimplified,
                  bool toSimplified);

// What showing a general does besides filling the values: which faces to draw.
struct ShownGeneral {
  EditorValues Values;
  EditorState State;
  // The large portrait: nothing when the face number resolves to no face (CG_PIC is then cleared
  // and CurFace is kKeepStoredFace).
  std::optional<ResolvedFace> Portrait;
  // The related generals' small portraits, per link row: nothing when the row is skipped.
  std::array<std::optional<ResolvedFace>, 4> LinkPortraits;
};

// Shows slot `slot` of the table (the grid pick: link rows and biography lines cleared first).
// `current` and `state` are the editor's values and state before showing; what the general does
// not set keeps its value from them (the first biography box's enabled state when the general has
// no first line, CurLinkSlot). `lists` gives the related generals' names and face numbers. A slot
// outside 0..999 shows nothing and returns `current` and `state` as they are.
class BuiltinGeneralLists;
ShownGeneral ShowGeneral(const GeneralTable& table, int slot, const EditorValues& current,
                         const EditorState& state, const BuiltinGeneralLists& lists, TextTables& tables,
                         bool simplified);

// Writes the editor's values and state into slot `slot` (every field, the fixed values included);
// a slot outside 0..999 is left alone. The callers (GeneralEditing.h) check the slot and the count.
void WriteGeneral(const EditorValues& values, const EditorState& state, int slot, GeneralTable& table,
                  TextTables& tables, bool simplified);

}  // namespace tavlor
