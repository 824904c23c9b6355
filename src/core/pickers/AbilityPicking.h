// The ability picker's rules: the five scales and what confirming hands to the editor.
#pragma once

#include <array>
#include <string>

namespace tavlor {

struct AbilityScale {
  int Minimum;
  int Maximum;
  int Start;  // the picker always opens here, not at the edited general's value
};

// 統率 武勇 知略 政治 義理, in the order of the editor's labels lb4W(0..4).
inline constexpr std::array<AbilityScale, 5> kAbilityScales{
    {{1, 120, 70}, {1, 120, 70}, {1, 120, 70}, {1, 120, 70}, {1, 100, 50}}};

// The editor's ability labels after confirming the typed texts: each text's leading number
// (blanks skipped, 0 when it starts with no number) as a whole decimal number. Values outside a
// scale are kept: the scales guide the bars, they do not limit what may be typed.
std::array<std::string, 5> ConfirmedAbilityTexts(const std::array<std::string, 5>& typedTexts);

}  // namespace tavlor
