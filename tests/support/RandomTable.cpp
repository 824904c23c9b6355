#include "support/RandomTable.h"

#include "core/data/EditDataRecognition.h"

#include <algorithm>
#include <array>
#include <span>

namespace tavlor::testing {
namespace {

int32_t RandomLong(std::mt19937& random) {
  return static_cast<int32_t>(random());
}

template <std::size_t Size>
void Fill(std::array<char, Size>& bytes, std::mt19937& random) {
  for (char& b : bytes) b = static_cast<char>(random());
}

template <std::size_t Size>
void Fill(std::array<uint8_t, Size>& bytes, std::mt19937& random) {
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
}

int32_t RandomFlag(std::mt19937& random) {
  static constexpr int32_t kFlags[] = {0, 1, 2, -1};
  return kFlags[random() % 4];
}

}  // namespace

GeneralEntry RandomEntry(std::mt19937& random) {
  // Random bytes unpacked through the real layout reach every field, whatever its type.
  std::array<uint8_t, kRecordSize> recordBytes;
  Fill(recordBytes, random);
  std::array<uint8_t, kAppendixSize> appendixBytes;
  Fill(appendixBytes, random);
  GeneralEntry entry;
  entry.Record = UnpackRecord(recordBytes);
  entry.Appendix = UnpackAppendix(appendixBytes);
  if (entry.Record.BirthYear < 1) entry.Record.BirthYear = 1 + static_cast<int32_t>(random() % 0x7ffffffe);
  entry.Links.HiddenLinkFlag = RandomFlag(random);
  entry.Links.HiddenLinkNo = RandomLong(random);
  entry.Links.FavouredFlag = RandomFlag(random);
  entry.Links.FavouredNo = RandomLong(random);
  entry.Links.DislikedFlag = RandomFlag(random);
  entry.Links.DislikedNo = RandomLong(random);
  return entry;
}

std::unique_ptr<GeneralTable> RandomTable(std::mt19937& random, int generalCount) {
  auto table = std::make_unique<GeneralTable>();
  for (GeneralEntry& slot : table->Slots) slot = RandomEntry(random);
  table->GeneralCount = generalCount;
  Fill(table->HeaderBlock, random);
  Fill(table->BlankSlot, random);
  // BirthYear of the Blank slot's record (offset 257): 0 or negative, so a reader stops there.
  const int32_t birthYear = -static_cast<int32_t>(random() % 0x7fffffff);
  for (int i = 0; i < 4; ++i)
    table->BlankSlot[257 + i] = static_cast<uint8_t>(static_cast<uint32_t>(birthYear) >> (8 * i));
  // Whatever comes first in the saved file carries the record tag, so the file reads as edit data;
  // every other record keeps a random tag.
  StoreField(table->Slots[0].Record.Tag, std::string(kRecordTag));
  std::copy(kRecordTag.begin(), kRecordTag.end(), table->BlankSlot.begin());
  return table;
}

}  // namespace tavlor::testing
