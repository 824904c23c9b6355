// One ICU code page, used strictly: only round-trip mappings, no fallbacks, no substitutes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct UConverter;

namespace chartables {

class CodePage {
 public:
  explicit CodePage(const char* name);
  ~CodePage();
  CodePage(const CodePage&) = delete;
  CodePage& operator=(const CodePage&) = delete;

  // The character a two-byte code stands for; nothing for unassigned codes and for codes of the
  // private use area (user-defined characters are no characters of the set).
  std::optional<char32_t> Decode(uint16_t code) const;
  // The two-byte code of a character; nothing when the set has none (one-byte codes included).
  std::optional<uint16_t> Encode(char32_t character) const;
  // The code the code page's best-fit mapping gives a character it does not hold (U+30FB -> the
  // code of U+00B7), or nothing.
  std::optional<uint16_t> EncodeBestFit(char32_t character) const;

 private:
  UConverter* converter_ = nullptr;
  UConverter* bestFit_ = nullptr;
};

// UTF-8 of one character, and the character of a UTF-8 text that holds exactly one.
std::string Utf8(char32_t character);
std::optional<char32_t> SingleCharacter(const std::string& utf8);

}  // namespace chartables
