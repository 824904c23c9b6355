// Showing a general: one slot of the General table turned into the editor's values and state.
#include <string>

#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/EditorValues.h"
#include "core/editor/LifespanLine.h"
#include "core/editor/StoredText.h"
#include "core/pickers/CityPicking.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"

namespace tavlor {
namespace {

constexpr int kFavouredRow = 1;
constexpr int kDislikedRow = 2;
constexpr int kFatherRow = 3;
constexpr int kAffinityRow = 0;

// The face code CurFace takes for a stored face number: the game index or the edit face number,
// provided writing that code stores a number naming the same face again; otherwise
// kKeepStoredFace, so that "change" keeps the number (4000, or 8423 and up, whose game index the
// browser's numbering would read as an edit face).
int FaceCodeToEdit(int32_t faceNo, const ResolvedFace& face) {
  if (face.Set == FaceSet::None) return kKeepStoredFace;
  const int32_t code = face.Set == FaceSet::Game ? face.Index : faceNo;
  if (ResolveFace(FaceNumberOfFaceCode(code, faceNo)) != face) return kKeepStoredFace;
  return code;
}

// The small portrait of a list row: the face its face number names, from the set that holds it.
// A face number that resolves to nothing is drawn as game face 0. Game faces from index 1700 on
// (face numbers 8423 and up) stay in the game set: their index is no edit face.
ResolvedFace LinkPortraitOfRow(const BuiltinGeneralLists& lists, int row) {
  const ResolvedFace face = ResolveFace(LeadingInteger(lists.Cell(1, row)));
  if (face.Set == FaceSet::None) return {FaceSet::Game, 0};
  return face;
}

void ShowBiography(const GeneralRecord& record, EditorValues& values, TextTables& tables, bool simplified) {
  const std::string stored[4] = {FieldBytes(record.BioLine1), FieldBytes(record.BioLine2),
                                 FieldBytes(record.BioLine3), FieldBytes(record.BioLine4)};
  for (std::size_t i = 0; i < 4; ++i) {
    values.BioOrigins[i] = ShowStoredField(stored[i], tables, simplified);
    const std::string& shown = values.BioOrigins[i]->Shown;
    if (!shown.empty()) {
      values.BioLines[i] = shown;
      values.BioEnabled[i] = true;
    } else {
      values.BioLines[i].clear();
      // The first line stays enabled or not as it was: the grid pick has just emptied it, and an
      // empty first line never disables itself.
      if (i > 0) values.BioEnabled[i] = false;
    }
  }
}

}  // namespace

ShownGeneral ShowGeneral(const GeneralTable& table, int slot, const EditorValues& current,
                         const EditorState& state, const BuiltinGeneralLists& lists, TextTables& tables,
                         bool simplified) {
  ShownGeneral shown{current, state, std::nullopt, {}};
  if (slot < 0 || slot >= static_cast<int>(kSlotCount)) return shown;

  EditorValues& values = shown.Values;
  EditorState& editor = shown.State;
  const GeneralEntry& entry = table.Slots[static_cast<std::size_t>(slot)];
  const GeneralRecord& record = entry.Record;
  const GeneralAppendix& appendix = entry.Appendix;

  // The grid pick clears the link rows and the biography lines first.
  values.LinkNames = {};
  values.LinkNumberTexts = {"-1", "-1", "-1", "-1"};
  values.BioLines = {};

  values.NameOrigins = {ShowStoredField(FieldBytes(record.FamilyName), tables, simplified),
                        ShowStoredField(FieldBytes(record.GivenName), tables, simplified)};
  values.ReadingOrigins = {ShowStoredField(FieldBytes(record.FamilyReading), tables, simplified),
                           ShowStoredField(FieldBytes(record.GivenReading), tables, simplified)};
  for (std::size_t k = 0; k < 2; ++k) {
    values.Names[k] = values.NameOrigins[k]->Shown;
    values.Readings[k] = values.ReadingOrigins[k]->Shown;
  }

  // Values the option buttons cannot show stay as stored; the window shows them recognisably and
  // "change" writes them back unless the user picks another option.
  editor.CurSex = record.Sex;
  editor.CurOrigin = record.Origin;
  editor.CurVoice = appendix.Voice;
  editor.CurStatus = appendix.Status;

  const ResolvedFace face = ResolveFace(record.FaceNo);
  editor.CurFace = FaceCodeToEdit(record.FaceNo, face);
  if (face.Set != FaceSet::None) shown.Portrait = face;

  values.AbilityTexts = {std::to_string(record.Leadership), std::to_string(record.Valor),
                         std::to_string(record.Intellect), std::to_string(record.Politics),
                         std::to_string(appendix.Duty)};
  values.Aptitudes = {record.AptAshigaru, record.AptCavalry, record.AptBow, record.AptGun, record.AptSiege};
  values.Tactic = appendix.Tactic;

  const bool favoured = entry.Links.FavouredFlag == 1;
  const bool disliked = entry.Links.DislikedFlag == 1;
  values.LinkNumberTexts[kAffinityRow] = std::to_string(record.AffinityNo);
  values.LinkNumberTexts[kFatherRow] = std::to_string(record.FatherNo);
  if (favoured) values.LinkNumberTexts[kFavouredRow] = std::to_string(entry.Links.FavouredNo);
  if (disliked) values.LinkNumberTexts[kDislikedRow] = std::to_string(entry.Links.DislikedNo);

  ShowBiography(record, values, tables, simplified);

  // 64-bit: a stored pair such as -2^31 and 2^31 - 1 still gives its lifespan.
  values.BirthYearText = std::to_string(record.BirthYear);
  values.DeathYearText = std::to_string(record.DeathYear);
  values.AgeText = std::to_string(LifespanOf(record.BirthYear, record.DeathYear));

  editor.CurCity = appendix.CityNo;
  const std::string city = CityNameOf(appendix.CityNo);
  values.CityName = simplified ? city : GbToBig5(city, tables.GbBig5);

  struct Link {
    int Row;
    int32_t Number;
    bool Shown;
  };
  const Link links[] = {{kFatherRow, record.FatherNo, true},
                        {kAffinityRow, record.AffinityNo, true},
                        {kFavouredRow, entry.Links.FavouredNo, favoured},
                        {kDislikedRow, entry.Links.DislikedNo, disliked}};
  for (const Link& link : links) {
    if (!link.Shown) continue;
    const std::optional<int> row = ListRowOfGeneralNumber(link.Number);
    // A number naming no row (negative, 2307..9999, or a registered general the lists do not hold)
    // leaves its row as the pick cleared it, with the number still in the box.
    if (!row || *row >= lists.RowCount()) continue;
    shown.LinkPortraits[static_cast<std::size_t>(link.Row)] = LinkPortraitOfRow(lists, *row);
    // The lists hold GBK; the label shows interface bytes like every other text.
    const std::string name = lists.Name(*row);
    values.LinkNames[static_cast<std::size_t>(link.Row)] = simplified ? name : GbToBig5(name, tables.GbBig5);
  }
  return shown;
}

}  // namespace tavlor
