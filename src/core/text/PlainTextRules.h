// The plain-text rules shared by everything that reads a text typed or stored by a person: blanks
// trimmed, and numbers read from the start of a text the way the interface has always read them.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavlor {

// Leading and trailing blanks (spaces) removed.
std::string_view TrimBlanks(std::string_view text);

// The numeric value of a text: leading blanks skipped, the longest numeric prefix read (sign,
// digits, a decimal point, an exponent), 0 when there is none.
double LeadingNumber(std::string_view text);

// LeadingNumber rounded to a whole number, halves to even; out-of-range values are clamped
// to the 32-bit range.
int32_t LeadingInteger(std::string_view text);

}  // namespace tavlor
