// Fuzz target: the edit-data reader on any bytes. Whatever it reads must serialise to a file that
// reads back into the same table (save, load, save gives the same bytes).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/data/EditData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  auto table = std::make_unique<tavlor::GeneralTable>();
  const tavlor::LoadReport report = tavlor::ParseEditData(bytes, *table);
  if (report.Error || table->GeneralCount < 0 || table->GeneralCount > 1000) __builtin_trap();

  const std::string saved = tavlor::SerializeEditData(*table);
  auto reloaded = std::make_unique<tavlor::GeneralTable>(*table);
  const tavlor::LoadReport again = tavlor::ParseEditData(saved, *reloaded);
  if (again.TruncatedEntry || reloaded->GeneralCount != table->GeneralCount) __builtin_trap();
  if (tavlor::SerializeEditData(*reloaded) != saved) __builtin_trap();
  return 0;
}
