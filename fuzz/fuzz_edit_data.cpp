// Fuzz target: the edit-data reader on any bytes, checked against what saving writes.
//   - Bytes that are no edit-data file are refused with a reason, and the table is not touched.
//   - Otherwise the entries the reader accepted come back byte for byte at the start of the saved
//     file (the header and every accepted entry, links as stored), and
//   - the saved file reads back into the same table (same count; saving it again gives the same
//     bytes, so every stored field survived).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/data/EditData.h"

namespace {

// The length of the accepted entries' bytes: header, then each entry by its link flags.
std::size_t AcceptedLength(const tavlor::GeneralTable& table) {
  std::size_t length = tavlor::kHeaderSize;
  for (int slot = 0; slot < table.GeneralCount; ++slot) {
    const tavlor::GeneralLinks& links = table.Slots[static_cast<std::size_t>(slot)].Links;
    length += tavlor::kRecordSize + 12 + tavlor::kAppendixSize;
    for (const int32_t flag : {links.HiddenLinkFlag, links.FavouredFlag, links.DislikedFlag})
      if (flag == 1) length += 4;
  }
  return length;
}

// Two tables kept between inputs: clearing 400 KB for every input would cost more than reading it.
tavlor::GeneralTable& Loaded() {
  static auto* table = new tavlor::GeneralTable();
  return *table;
}
tavlor::GeneralTable& Reloaded() {
  static auto* table = new tavlor::GeneralTable();
  return *table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tavlor::GeneralTable& table = Loaded();
  // A count no load ever sets, so that a refused input visibly leaves the table alone.
  table.GeneralCount = -7;
  const tavlor::LoadReport report = tavlor::ParseEditData(bytes, table);
  if (report.Error) {
    if (report.Error.What != tavlor::FileError::Kind::NotEditData || report.Error.Reason.empty() ||
        table.GeneralCount != -7)
      __builtin_trap();
    return 0;
  }
  if (table.GeneralCount < 0 || table.GeneralCount > 1000) __builtin_trap();

  const std::string saved = tavlor::SerializeEditData(table);
  // An empty file has no header to keep; any other accepted file has all 20 bytes of it.
  const std::size_t accepted = size == 0 ? 0 : AcceptedLength(table);
  if (accepted > size || accepted > saved.size() || std::memcmp(saved.data(), data, accepted) != 0)
    __builtin_trap();

  tavlor::GeneralTable& reloaded = Reloaded();
  const tavlor::LoadReport again = tavlor::ParseEditData(saved, reloaded);
  if (again.Error || again.TruncatedEntry || reloaded.GeneralCount != table.GeneralCount ||
      reloaded.HeaderBlock != table.HeaderBlock)
    __builtin_trap();
  for (int slot = 0; slot < table.GeneralCount; ++slot) {
    const auto& a = table.Slots[static_cast<std::size_t>(slot)];
    const auto& b = reloaded.Slots[static_cast<std::size_t>(slot)];
    // A link value under a flag other than 1 is not stored, so it is not compared.
    if (a.Record != b.Record || a.Appendix != b.Appendix ||
        a.Links.HiddenLinkFlag != b.Links.HiddenLinkFlag || a.Links.FavouredFlag != b.Links.FavouredFlag ||
        a.Links.DislikedFlag != b.Links.DislikedFlag ||
        (a.Links.HiddenLinkFlag == 1 && a.Links.HiddenLinkNo != b.Links.HiddenLinkNo) ||
        (a.Links.FavouredFlag == 1 && a.Links.FavouredNo != b.Links.FavouredNo) ||
        (a.Links.DislikedFlag == 1 && a.Links.DislikedNo != b.Links.DislikedNo))
      __builtin_trap();
  }
  if (tavlor::SerializeEditData(reloaded) != saved) __builtin_trap();
  return 0;
}
