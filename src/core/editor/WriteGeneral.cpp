// Writing the editor's values into a slot: every field of the record, the link pairs and the
// appendix, in the record's order, with the values the editor always writes.
#include <algorithm>
#include <cstring>

#include "core/editor/EditorValues.h"
#include "core/editor/StoredText.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"

namespace tavlor {
namespace {

constexpr char kTag[] = "NOBU13EDITB_V6";
constexpr uint8_t kBioBreak = 10;  // a full line: the game starts the next one on a new row

// The face number stored for the editor's face code. A stored number the code still resolves to
// is kept (1200 and 4008 both name game face 1200), so showing and changing a general never
// rewrites its number; codes outside every category keep the old number as well.
int32_t StoredFaceNumber(int32_t faceCode, int32_t oldFaceNo) {
  const int32_t mapped = FaceNumberOfFaceCode(faceCode, oldFaceNo);
  const ResolvedFace oldFace = ResolveFace(oldFaceNo);
  if (oldFace.Set != FaceSet::None && ResolveFace(mapped) == oldFace) return oldFaceNo;
  return mapped;
}

// A name or reading box, trimmed: its field's own bytes while it shows them, else the typed text.
template <std::size_t Width>
void StoreName(TextField<Width>& field, const std::string& shown, const std::optional<StoredOrigin>& origin,
               TextTables& tables, bool simplified) {
  StoreField(field, FieldBytesOfBox(origin, shown, Width, true, tables, simplified));
}

// A biography line (untrimmed) and its break byte: 10 only after 18 double-byte characters.
uint8_t StoreBioLine(TextField<kBioLineWidth>& field, const std::string& shown,
                     const std::optional<StoredOrigin>& origin, TextTables& tables, bool simplified) {
  const std::string stored = FieldBytesOfBox(origin, shown, kBioLineWidth, false, tables, simplified);
  StoreField(field, stored);
  return IsDoubleByteCodes(stored, kBioLineWidth / 2) ? kBioBreak : 0;
}

// Favoured and disliked pairs: -1 clears the flag and keeps the old value in memory (it is not
// written to the file while the flag is 0).
void StoreLink(const std::string& numberText, int32_t& flag, int32_t& value) {
  const int32_t number = LeadingInteger(numberText);
  if (number != -1) {
    flag = 1;
    value = number;
  } else {
    flag = 0;
  }
}

}  // namespace

void WriteGeneral(const EditorValues& values, const EditorState& state, int slot, GeneralTable& table,
                  TextTables& tables, bool simplified) {
  if (slot < 0 || slot >= static_cast<int>(kSlotCount)) return;
  GeneralEntry& entry = table.Slots[static_cast<std::size_t>(slot)];
  GeneralRecord& record = entry.Record;
  GeneralAppendix& appendix = entry.Appendix;

  std::memcpy(record.Tag.data(), kTag, record.Tag.size());
  record.TagFill = {32, 32};
  record.HeadA = 6;
  record.HeadB = 0;
  record.HeadC = 1;
  record.HeadD = 0;
  record.HeadE = 0;

  StoreName(record.FamilyName, values.Names[0], values.NameOrigins[0], tables, simplified);
  StoreName(record.FamilyReading, values.Readings[0], values.ReadingOrigins[0], tables, simplified);
  StoreName(record.GivenName, values.Names[1], values.NameOrigins[1], tables, simplified);
  StoreName(record.GivenReading, values.Readings[1], values.ReadingOrigins[1], tables, simplified);

  record.BioBreak1 =
      StoreBioLine(record.BioLine1, values.BioLines[0], values.BioOrigins[0], tables, simplified);
  record.BioBreak2 =
      StoreBioLine(record.BioLine2, values.BioLines[1], values.BioOrigins[1], tables, simplified);
  record.BioBreak3 =
      StoreBioLine(record.BioLine3, values.BioLines[2], values.BioOrigins[2], tables, simplified);
  StoreBioLine(record.BioLine4, values.BioLines[3], values.BioOrigins[3], tables, simplified);
  record.BioTail = {};

  record.Sex = state.CurSex;
  record.FaceNo = StoredFaceNumber(state.CurFace, record.FaceNo);
  record.BirthYear = LeadingInteger(values.BirthYearText);
  record.DeathYear = LeadingInteger(values.DeathYearText);
  record.Origin = state.CurOrigin;
  record.Reserved1 = 0;
  record.FatherNo = LeadingInteger(values.LinkNumberTexts[3]);
  record.AffinityNo = LeadingInteger(values.LinkNumberTexts[0]);
  record.Leadership = LeadingInteger(values.AbilityTexts[0]);
  record.Valor = LeadingInteger(values.AbilityTexts[1]);
  record.Intellect = LeadingInteger(values.AbilityTexts[2]);
  record.Politics = LeadingInteger(values.AbilityTexts[3]);
  record.AptAshigaru = values.Aptitudes[0];
  record.AptCavalry = values.Aptitudes[1];
  record.AptBow = values.Aptitudes[2];
  record.AptGun = values.Aptitudes[3];
  record.AptSiege = values.Aptitudes[4];

  // The hidden pair is never shown: its flag is cleared (its value stays in memory, unwritten).
  entry.Links.HiddenLinkFlag = 0;
  StoreLink(values.LinkNumberTexts[1], entry.Links.FavouredFlag, entry.Links.FavouredNo);
  StoreLink(values.LinkNumberTexts[2], entry.Links.DislikedFlag, entry.Links.DislikedNo);

  appendix.Duty = LeadingInteger(values.AbilityTexts[4]);
  appendix.CityNo = state.CurCity;
  appendix.Status = state.CurStatus;
  appendix.GeneralNo = kRegisteredGeneralBase + slot;
  appendix.AppearFlag = 1;
  appendix.Voice = state.CurVoice;
  // The tactic field is 16 bits wide; the value shown came from it, and the CLI checks its range.
  appendix.Tactic = static_cast<int16_t>(values.Tactic);
  appendix.AppendixTail.fill(255);
}

}  // namespace tavlor
