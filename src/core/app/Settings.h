// Set.ini lookups: line 1 skipped, keys matched case-insensitively by prefix, the value taken from
// two characters after the key, untrimmed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavlor {

// Receives the interface's message (GBK) and the path it is about, shown together.
using MessageReporter = std::function<void(std::string_view gbkMessage, const std::string& path)>;

// The value of the first line after line 1 that starts with `key`, or nothing when no line does.
// A file that cannot be read (missing, empty, unreadable) reports "无法加载配置文件！" + the path
// as passed, and yields nothing.
std::optional<std::string> GetIniValue(const std::string& settingsPath, std::string_view key,
                                       const MessageReporter& report);

// The same rules on the file's text already in memory (for the fuzzer): nothing when it is empty.
std::optional<std::string> FindIniValue(std::string_view fileText, std::string_view key);

// The numeric value of a text: leading blanks skipped, the longest numeric prefix read (sign,
// digits, a decimal point, an exponent), 0 when there is none. Used for AUTOREADPATH.
double LeadingNumber(std::string_view text);

// LeadingNumber rounded to a whole number, halves to even; out-of-range values are clamped
// to the 32-bit range.
int32_t LeadingInteger(std::string_view text);

}  // namespace tavlor
