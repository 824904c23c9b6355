// The signature of an edit-data file: a whole 20-byte header and a first record that carries the
// record tag (or, for a first record that ends the table, nothing at all in the tag's place).
#include "core/data/EditDataRecognition.h"

#include <algorithm>

#include "core/data/ByteOrder.h"
#include "core/data/GeneralRecord.h"

namespace tavlor {
namespace {

constexpr std::size_t kBirthYearOffset = 257;

}  // namespace

std::size_t EditDataRecognitionLength() {
  return kHeaderSize + kRecordSize;
}

std::optional<std::string> WhyNotEditData(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  if (bytes.size() < kHeaderSize)
    return "the file is " + std::to_string(bytes.size()) + " bytes, shorter than the 20-byte header";
  const std::string_view record = bytes.substr(kHeaderSize, kRecordSize);
  if (record.empty()) return std::nullopt;  // a header and no entry: zero generals

  // A file that ends inside the tag is judged on the part of the tag it holds.
  const std::size_t tagBytes = std::min(record.size(), kRecordTag.size());
  const std::string_view tag = record.substr(0, tagBytes);
  if (tag == kRecordTag.substr(0, tagBytes)) return std::nullopt;

  const bool blankTag = std::all_of(tag.begin(), tag.end(), [](char c) { return c == '\0'; });
  const bool endsTable = record.size() < kRecordSize ||
                         ReadLong(reinterpret_cast<const uint8_t*>(record.data()) + kBirthYearOffset) < 1;
  if (blankTag && endsTable) return std::nullopt;
  return "its first record does not start with the record tag " + std::string(kRecordTag);
}

}  // namespace tavlor
