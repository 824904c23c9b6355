// Text between the editor's controls and the record's fixed-width Shift-JIS fields: converted for
// display on the way in, converted, cut and padded on the way out.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavlor {

struct TextTables;

// Field widths of the record, in bytes.
inline constexpr std::size_t kNameWidth = 11;
inline constexpr std::size_t kReadingWidth = 19;
inline constexpr std::size_t kBioLineWidth = 36;

// A stored field as the editor shows it: SjisToGbk, blanks trimmed, then GbToBig5 in the
// Traditional language.
std::string ShownTextOfField(std::string_view storedBytes, TextTables& tables, bool simplified);

// The interface text as GBK: Big5ToGb first in the Traditional language.
std::string GbkOfShownText(std::string_view shown, TextTables& tables, bool simplified);

// The bytes a field of `width` receives for a shown text: GBK (see above), GbkToSjis, cut to the
// width without splitting a double-byte character, NUL-padded to exactly `width` bytes. The caller
// trims names first; biography lines are taken untrimmed.
std::string StoredBytesOfShownText(std::string_view shown, std::size_t width, TextTables& tables,
                                   bool simplified);

// A text box showing a stored field: the field's bytes and the text shown for them. While the box
// still shows that text, writing stores the bytes as they were read, whatever the tables or the
// language would make of the text; only what the player typed goes through the conversions.
struct StoredOrigin {
  std::string Bytes;  // the whole field as read
  std::string Shown;  // the interface bytes showing put into the box

  bool operator==(const StoredOrigin&) const = default;
};

// A stored field shown in a box: its text for display and the origin that keeps its bytes.
StoredOrigin ShowStoredField(std::string_view storedBytes, TextTables& tables, bool simplified);

// Whether a box's text is still the one shown for its stored field. Names and readings compare
// trimmed (their blanks are trimmed before storing anyway); biography lines compare as they are.
bool ShowsStoredText(const std::optional<StoredOrigin>& origin, std::string_view text, bool trimmed);

// The bytes a field of `width` receives: the stored bytes while the box still shows them,
// otherwise the shown text converted (StoredBytesOfShownText, trimmed first when `trimmed`).
std::string FieldBytesOfBox(const std::optional<StoredOrigin>& origin, std::string_view text,
                            std::size_t width, bool trimmed, TextTables& tables, bool simplified);

// A typed text in another interface language: to GBK in the language it was typed in, then shown
// in the new one.
std::string RetypedText(std::string_view shown, TextTables& tables, bool fromSimplified, bool toSimplified);

// The first character of a GBK text that its field cannot carry: a one-byte character (the
// conversion drops it), or one the GBK -> Shift-JIS table has no code for (it gives 0, or the geta
// mark 〓 that stands for a missing character). Nothing when every character is carried.
struct GbkJisTables;
std::optional<std::string> FirstUncarriedCharacter(std::string_view gbk, const GbkJisTables& tables);

// Whether stored bytes are exactly `count` double-byte codes and nothing else.
bool IsDoubleByteCodes(std::string_view bytes, std::size_t count);

}  // namespace tavlor
