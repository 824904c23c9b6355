// Blank trimming and the leading-number rule.
#include "core/text/PlainTextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tavlor {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// For a number too large or too small for a double: whether it is too large (its decimal
// magnitude is positive) rather than too small.
bool IsHugeMagnitude(std::string_view number) {
  const std::size_t exponentAt = number.find_first_of("eE");
  long long exponent = 0;
  if (exponentAt != std::string_view::npos) {
    std::string_view digits = number.substr(exponentAt + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    if (negative) exponent = -exponent;
    number = number.substr(0, exponentAt);
  }
  const std::size_t point = number.find('.');
  const std::string_view whole = number.substr(0, point);
  const std::size_t firstSignificant = whole.find_first_not_of('0');
  if (firstSignificant != std::string_view::npos)
    return static_cast<long long>(whole.size() - firstSignificant) + exponent > 0;
  const std::string_view fraction = point == std::string_view::npos ? "" : number.substr(point + 1);
  const std::size_t leadingZeros = fraction.find_first_not_of('0');
  return leadingZeros != std::string_view::npos && exponent - static_cast<long long>(leadingZeros) > 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

double LeadingNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  // The longest prefix of the form [+-]digits[.digits][(e|E)[+-]digits] with at least one digit.
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t numberStart = at;
  std::size_t digits = 0;
  while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return 0.0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) {
      at = exponent;
      while (at < text.size() && IsDigit(text[at])) ++at;
    }
  }
  double value = 0.0;
  const char* first = text.data() + numberStart;
  const auto result = std::from_chars(first, text.data() + at, value);
  if (result.ec == std::errc::result_out_of_range)
    value = IsHugeMagnitude(std::string_view(first, at - numberStart))
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  return negative ? -value : value;
}

int32_t LeadingInteger(std::string_view text) {
  const double value = LeadingNumber(text);
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  if (value <= kLowest) return std::numeric_limits<int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<int32_t>::max();
  // nearbyint under the default rounding mode rounds halves to even, as the interface expects.
  return static_cast<int32_t>(std::nearbyint(value));
}

}  // namespace tavlor
