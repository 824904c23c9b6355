// Fuzz target: the four table conversions and the field-cutting helper on any bytes, with the
// tables of the program folder (the working directory). The first byte picks the conversion.
// No conversion may grow a text: every code becomes at most as many bytes as it had.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/text/TextTables.h"

namespace {

tavlor::TextTables& Tables() {
  static tavlor::TextTables* tables = [] {
    tavlor::LoadAllTextTables(std::filesystem::current_path());
    return &tavlor::SharedTextTables();
  }();
  return *tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  tavlor::TextTables& tables = Tables();
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string result;
  switch (data[0] % 5) {
    case 0:
      result = tavlor::SjisToGbk(text, tables.GbkJis);
      break;
    case 1:
      result = tavlor::GbkToSjis(text, tables.GbkJis);
      break;
    case 2:
      result = tavlor::GbToBig5(text, tables.GbBig5);
      break;
    case 3:
      result = tavlor::Big5ToGb(text, tables.GbBig5);
      break;
    default: {
      const std::size_t width = data[0] / 5;
      result = tavlor::CutToBytes(text, width);
      if (result.size() > width || text.compare(0, result.size(), result) != 0) __builtin_trap();
      // The cut ends on a code boundary: nothing shorter than one code short of the width is cut.
      if (result.size() + 2 <= width && result.size() != text.size()) __builtin_trap();
      break;
    }
  }
  if (result.size() > text.size()) __builtin_trap();
  return 0;
}
