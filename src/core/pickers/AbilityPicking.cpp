// The ability picker's confirm rule.
#include "core/pickers/AbilityPicking.h"

#include "core/text/PlainTextRules.h"

namespace tavlor {

std::array<std::string, 5> ConfirmedAbilityTexts(const std::array<std::string, 5>& typedTexts) {
  std::array<std::string, 5> confirmed;
  // Rounded here rather than when the general is written, so the label shows the value stored.
  for (std::size_t i = 0; i < typedTexts.size(); ++i)
    confirmed[i] = std::to_string(LeadingInteger(typedTexts[i]));
  return confirmed;
}

}  // namespace tavlor
