// Packing and unpacking one whole entry, link pairs included.
#include "core/data/EntryBytes.h"

#include <array>

#include "core/data/ByteOrder.h"

namespace tavlor {

void AppendEntryBytes(std::string& out, const GeneralEntry& entry) {
  std::array<uint8_t, kRecordSize> record;
  PackRecord(entry.Record, record);
  out.append(reinterpret_cast<const char*>(record.data()), record.size());
  const auto appendLong = [&out](int32_t value) {
    uint8_t bytes[4];
    WriteLong(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
  };
  const GeneralLinks& links = entry.Links;
  for (const auto& [flag, value] :
       {std::pair{links.HiddenLinkFlag, links.HiddenLinkNo}, std::pair{links.FavouredFlag, links.FavouredNo},
        std::pair{links.DislikedFlag, links.DislikedNo}}) {
    appendLong(flag);
    if (flag == 1) appendLong(value);
  }
  std::array<uint8_t, kAppendixSize> appendix;
  PackAppendix(entry.Appendix, appendix);
  out.append(reinterpret_cast<const char*>(appendix.data()), appendix.size());
}

std::optional<GeneralEntry> ReadEntryBytes(std::span<const uint8_t> bytes, std::size_t& length) {
  if (bytes.size() < kRecordSize) return std::nullopt;
  GeneralEntry entry;
  entry.Record = UnpackRecord(bytes.first<kRecordSize>());
  std::size_t at = kRecordSize;
  const auto readPair = [&](int32_t& flag, int32_t& value) {
    if (bytes.size() - at < 4) return false;
    flag = ReadLong(bytes.data() + at);
    at += 4;
    if (flag != 1) return true;
    if (bytes.size() - at < 4) return false;
    value = ReadLong(bytes.data() + at);
    at += 4;
    return true;
  };
  GeneralLinks& links = entry.Links;
  if (!readPair(links.HiddenLinkFlag, links.HiddenLinkNo) ||
      !readPair(links.FavouredFlag, links.FavouredNo) || !readPair(links.DislikedFlag, links.DislikedNo))
    return std::nullopt;
  if (bytes.size() - at < kAppendixSize) return std::nullopt;
  entry.Appendix = UnpackAppendix(bytes.subspan(at).first<kAppendixSize>());
  length = at + kAppendixSize;
  return entry;
}

}  // namespace tavlor
