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

}  // namespace tavlor
