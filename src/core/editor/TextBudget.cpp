// Byte budgets and unstorable characters of the editor's text boxes.
#include "core/editor/TextBudget.h"

#include <cstdint>

#include "core/editor/EditorValues.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"
#include "core/text/UserDefinedCodes.h"

namespace tavlor {
namespace {

// Bytes a stored field uses: everything up to its NUL padding.
std::size_t UsedBytes(std::string_view field) {
  const std::size_t last = field.find_last_not_of('\0');
  return last == std::string_view::npos ? 0 : last + 1;
}

// Whether one character of shown text (one code, split as a GBK reader splits) reaches the record.
bool IsStorable(std::string_view character, TextTables& tables, bool simplified) {
  if (character.size() == 1) return character[0] == ' ';  // blanks are padding; other bytes vanish
  if (!simplified && tables.GbBig5.TablesLoaded) {
    const auto code =
        static_cast<uint16_t>((static_cast<uint8_t>(character[0]) << 8) | static_cast<uint8_t>(character[1]));
    // A Big5 code BIG5.DAT gives nothing for would be copied and read as an unrelated GBK code.
    const bool big5Pair = IsBig5Pair(static_cast<uint8_t>(character[0]), static_cast<uint8_t>(character[1]));
    if (big5Pair && !GbkCodeOfBig5(code, tables.GbBig5) && !IsGbkCodeInBig5Text(code)) return false;
  }
  const std::string gbk = GbkOfShownText(character, tables, simplified);
  return !FirstUncarriedCharacter(gbk, tables.GbkJis);
}

std::optional<std::string> FirstUnstorableCharacter(std::string_view shown, TextTables& tables,
                                                    bool simplified) {
  std::size_t i = 0;
  while (i < shown.size()) {
    const bool twoBytes = IsDoubleByteCodes(shown.substr(i, 2), 1);
    const std::string_view character = shown.substr(i, twoBytes ? 2 : 1);
    i += character.size();
    if (!IsStorable(character, tables, simplified)) return std::string(character);
  }
  return std::nullopt;
}

struct BoxView {
  const std::string& Text;
  const std::optional<StoredOrigin>& Origin;
  std::size_t Width;
  bool Trimmed;
};

BoxView ViewOf(const EditorValues& values, TextBoxId box) {
  switch (box) {
    case TextBoxId::FamilyName:
      return {values.Names[0], values.NameOrigins[0], kNameWidth, true};
    case TextBoxId::GivenName:
      return {values.Names[1], values.NameOrigins[1], kNameWidth, true};
    case TextBoxId::FamilyReading:
      return {values.Readings[0], values.ReadingOrigins[0], kReadingWidth, true};
    case TextBoxId::GivenReading:
      return {values.Readings[1], values.ReadingOrigins[1], kReadingWidth, true};
    default:
      break;
  }
  const auto line = static_cast<std::size_t>(static_cast<int>(box) - static_cast<int>(TextBoxId::BioLine1));
  return {values.BioLines[line], values.BioOrigins[line], kBioLineWidth, false};
}

}  // namespace

TextBudget BudgetOfBox(const std::optional<StoredOrigin>& origin, std::string_view text, std::size_t width,
                       bool trimmed, TextTables& tables, bool simplified) {
  TextBudget budget;
  budget.Width = width;
  if (ShowsStoredText(origin, text, trimmed)) {
    budget.Bytes = UsedBytes(origin->Bytes);
    return budget;
  }
  const std::string_view shown = trimmed ? TrimBlanks(text) : text;
  budget.Bytes = AnsiByteLength(GbkToSjis(GbkOfShownText(shown, tables, simplified), tables.GbkJis));
  budget.Unstorable = FirstUnstorableCharacter(shown, tables, simplified);
  return budget;
}

TextBudget BudgetOfTextBox(const EditorValues& values, TextBoxId box, TextTables& tables, bool simplified) {
  const BoxView view = ViewOf(values, box);
  return BudgetOfBox(view.Origin, view.Text, view.Width, view.Trimmed, tables, simplified);
}

std::optional<UnstorableText> FirstUnstorableText(const EditorValues& values, TextTables& tables,
                                                  bool simplified) {
  for (int i = 0; i < kTextBoxCount; ++i) {
    const auto box = static_cast<TextBoxId>(i);
    if (auto character = BudgetOfTextBox(values, box, tables, simplified).Unstorable)
      return UnstorableText{box, std::move(*character)};
  }
  return std::nullopt;
}

}  // namespace tavlor
