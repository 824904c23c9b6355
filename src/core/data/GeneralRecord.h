// The stored form of one registered general: the 317-byte record, its three link pairs and the
// 34-byte appendix, with field-by-field packing in little-endian order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tavlor {

inline constexpr std::size_t kRecordSize = 317;
inline constexpr std::size_t kAppendixSize = 34;
inline constexpr std::size_t kHeaderSize = 20;
inline constexpr std::size_t kBlankSlotSize = 363;
inline constexpr std::size_t kSlotCount = 1000;

// Fixed-width text field: Shift-JIS bytes, NUL-padded, no terminator when full.
template <std::size_t Width>
using TextField = std::array<char, Width>;

struct GeneralRecord {
  TextField<14> Tag{};
  std::array<uint8_t, 2> TagFill{};
  int32_t HeadA = 0;
  int32_t HeadB = 0;
  int32_t HeadC = 0;
  int32_t HeadD = 0;
  int32_t HeadE = 0;
  TextField<11> FamilyName{};
  TextField<19> FamilyReading{};
  TextField<11> GivenName{};
  TextField<19> GivenReading{};
  TextField<36> BioLine1{};
  uint8_t BioBreak1 = 0;
  TextField<36> BioLine2{};
  uint8_t BioBreak2 = 0;
  TextField<36> BioLine3{};
  uint8_t BioBreak3 = 0;
  TextField<36> BioLine4{};
  std::array<uint8_t, 6> BioTail{};
  int32_t Sex = 0;
  int32_t FaceNo = 0;
  int32_t BirthYear = 0;
  int32_t DeathYear = 0;
  int32_t Origin = 0;
  int32_t Reserved1 = 0;
  int32_t FatherNo = 0;
  int32_t AffinityNo = 0;
  int32_t Leadership = 0;
  int32_t Valor = 0;
  int32_t Intellect = 0;
  int32_t Politics = 0;
  int32_t AptAshigaru = 0;
  int32_t AptCavalry = 0;
  int32_t AptBow = 0;
  int32_t AptGun = 0;
  int32_t AptSiege = 0;

  bool operator==(const GeneralRecord&) const = default;
};

// The three link pairs that follow a record. A value is stored (and meaningful) only when its
// flag is 1; with any other flag the value keeps whatever the slot held before.
struct GeneralLinks {
  int32_t HiddenLinkFlag = 0;
  int32_t HiddenLinkNo = 0;
  int32_t FavouredFlag = 0;
  int32_t FavouredNo = 0;
  int32_t DislikedFlag = 0;
  int32_t DislikedNo = 0;

  bool operator==(const GeneralLinks&) const = default;
};

struct GeneralAppendix {
  int32_t Duty = 0;
  int32_t CityNo = 0;
  int32_t Status = 0;
  int32_t GeneralNo = 0;
  int32_t AppearFlag = 0;
  int32_t Voice = 0;
  int16_t Tactic = 0;
  std::array<uint8_t, 8> AppendixTail{};

  bool operator==(const GeneralAppendix&) const = default;
};

// One slot of the General table.
struct GeneralEntry {
  GeneralRecord Record;
  GeneralLinks Links;
  GeneralAppendix Appendix;

  bool operator==(const GeneralEntry&) const = default;
};

// Packing: exactly the byte layout of the file, field by field (no struct overlaying).
GeneralRecord UnpackRecord(std::span<const uint8_t, kRecordSize> bytes);
// The same into an existing record, every field overwritten (a load fills its slots this way).
void UnpackRecordInto(std::span<const uint8_t, kRecordSize> bytes, GeneralRecord& record);
void PackRecord(const GeneralRecord& record, std::span<uint8_t, kRecordSize> out);
GeneralAppendix UnpackAppendix(std::span<const uint8_t, kAppendixSize> bytes);
void UnpackAppendixInto(std::span<const uint8_t, kAppendixSize> bytes, GeneralAppendix& appendix);
void PackAppendix(const GeneralAppendix& appendix, std::span<uint8_t, kAppendixSize> out);

// The stored bytes of a text field as a byte string (all Width bytes, padding included).
template <std::size_t Width>
std::string FieldBytes(const TextField<Width>& field) {
  return std::string(field.data(), Width);
}

// Stores text into a field: copies at most Width bytes and fills the rest with NUL.
// Callers that must not split a double-byte character cut the text first (see text/TextFit.h).
template <std::size_t Width>
void StoreField(TextField<Width>& field, const std::string& text) {
  field.fill('\0');
  for (std::size_t i = 0; i < Width && i < text.size(); ++i) field[i] = text[i];
}

}  // namespace tavlor
