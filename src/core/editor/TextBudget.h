// How the text of a name, reading or biography box fits its Shift-JIS field: the bytes it will
// take, and the first character that has no Shift-JIS form and would be lost. The editor shows the
// budget beside the box and refuses to write a general with a character that cannot be stored.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/StoredText.h"

namespace tavlor {

struct EditorValues;
struct TextTables;

struct TextBudget {
  std::size_t Bytes = 0;  // the Shift-JIS bytes the text takes (before cutting to the width)
  std::size_t Width = 0;  // the field's width
  // The first character (interface bytes) that cannot be stored: a two-byte character without a
  // Shift-JIS form (or whose table entry is missing), or a one-byte character other than a blank
  // (the game's text drops them). Nothing when the text can be stored as typed.
  std::optional<std::string> Unstorable;

  bool OverWidth() const { return Bytes > Width; }
};

// The budget of a box's text. A box still showing its stored field takes the field's bytes and has
// nothing unstorable: it is written back as it was read.
TextBudget BudgetOfBox(const std::optional<StoredOrigin>& origin, std::string_view text, std::size_t width,
                       bool trimmed, TextTables& tables, bool simplified);

// The editor's text boxes, in the order they are checked.
enum class TextBoxId {
  FamilyName,
  GivenName,
  FamilyReading,
  GivenReading,
  BioLine1,
  BioLine2,
  BioLine3,
  BioLine4
};
inline constexpr int kTextBoxCount = 8;

TextBudget BudgetOfTextBox(const EditorValues& values, TextBoxId box, TextTables& tables, bool simplified);

struct UnstorableText {
  TextBoxId Box;
  std::string Character;  // interface bytes
};

// The first box, in the order above, holding a character that cannot be stored.
std::optional<UnstorableText> FirstUnstorableText(const EditorValues& values, TextTables& tables,
                                                  bool simplified);

}  // namespace tavlor
