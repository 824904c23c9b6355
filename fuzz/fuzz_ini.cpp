// Fuzz target: Set.ini lookups and the leading-number rule on any text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/app/Settings.h"
#include "core/text/PlainTextRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string_view key : {"AUTOREADPATH", "GAMEPATH", "CUSTOMIZEFILE", "EDITKAOPATH", " gamepath ", ""}) {
    const auto value = tavlor::FindIniValue(text, key);
    if (!value) continue;
    // A value is always a piece of one line of the file.
    if (value->size() > size || value->find('\n') != std::string::npos) __builtin_trap();
    if (!value->empty() && text.find(*value) == std::string_view::npos) __builtin_trap();
    const double number = tavlor::LeadingNumber(*value);
    const int32_t whole = tavlor::LeadingInteger(*value);
    if (number == 0.0 && whole != 0) __builtin_trap();
  }
  tavlor::LeadingInteger(text);
  return 0;
}
