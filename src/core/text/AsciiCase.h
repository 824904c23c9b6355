// Letter case of the ASCII letters only: the keys of the settings and help files are ASCII, while
// the rest of a line may hold two-byte codes whose bytes must never be changed.
#pragma once

#include <string_view>

namespace tavlor {

constexpr char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether `text` begins with `prefix`, ASCII letters compared without regard to case.
constexpr bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (UpperAscii(text[i]) != UpperAscii(prefix[i])) return false;
  return true;
}

}  // namespace tavlor
