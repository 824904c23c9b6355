// Telling an edit-data file from any other file before it is read into the table or saved over:
// a file picked by mistake (a picture, a text, another game's save) must never be replaced.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavlor {

// The tag every record of an edit-data file starts with.
inline constexpr std::string_view kRecordTag = "NOBU13EDITB_V6";

// Why `bytes` (the start of a file, at least its header and first record when it has them) cannot be
// an edit-data file; nothing when they can. An empty file and a header with no entry behind it hold
// zero generals and are edit data. Otherwise the header must be whole and the first record must carry
// the record tag; a first record that ends the table (BirthYear below 1) may instead be all blank,
// as an unused entry filled with zeros is.
std::optional<std::string> WhyNotEditData(std::string_view bytes);

// How many bytes of a file WhyNotEditData looks at.
std::size_t EditDataRecognitionLength();

}  // namespace tavlor
