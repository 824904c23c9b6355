// Strict ICU conversions of single two-byte codes.
#include "CodePage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/utf16.h>

#include <stdexcept>

namespace chartables {

CodePage::CodePage(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  converter_ = ucnv_open(name, &status);
  if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU has no code page ") + name);
  ucnv_setFallback(converter_, false);
  ucnv_setToUCallBack(converter_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFromUCallBack(converter_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  bestFit_ = ucnv_open(name, &status);
  if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU has no code page ") + name);
  ucnv_setFallback(bestFit_, true);
  ucnv_setFromUCallBack(bestFit_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
}

CodePage::~CodePage() {
  ucnv_close(converter_);
  ucnv_close(bestFit_);
}

std::optional<char32_t> CodePage::Decode(uint16_t code) const {
  const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  UChar units[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter_);
  const int32_t length = ucnv_toUChars(converter_, units, 4, bytes, 2, &status);
  if (U_FAILURE(status) || length < 1) return std::nullopt;
  char32_t character = 0;
  int32_t offset = 0;
  U16_NEXT(units, offset, length, character);
  if (offset != length) return std::nullopt;  // two characters: the bytes were not one code
  if ((character >= 0xE000 && character <= 0xF8FF) || character >= 0xF0000) return std::nullopt;
  return character;
}

std::optional<uint16_t> CodePage::Encode(char32_t character) const {
  UChar units[2];
  int32_t length = 0;
  U16_APPEND_UNSAFE(units, length, character);
  char bytes[8];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter_);
  const int32_t size = ucnv_fromUChars(converter_, bytes, sizeof bytes, units, length, &status);
  if (U_FAILURE(status) || size != 2) return std::nullopt;
  const uint16_t code =
      static_cast<uint16_t>((static_cast<uint8_t>(bytes[0]) << 8) | static_cast<uint8_t>(bytes[1]));
  // Only codes that decode back to the same character count (no best-fit mappings).
  if (Decode(code) != character) return std::nullopt;
  return code;
}

std::optional<uint16_t> CodePage::EncodeBestFit(char32_t character) const {
  UChar units[2];
  int32_t length = 0;
  U16_APPEND_UNSAFE(units, length, character);
  char bytes[8];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(bestFit_);
  const int32_t size = ucnv_fromUChars(bestFit_, bytes, sizeof bytes, units, length, &status);
  if (U_FAILURE(status) || size != 2) return std::nullopt;
  const uint16_t code =
      static_cast<uint16_t>((static_cast<uint8_t>(bytes[0]) << 8) | static_cast<uint8_t>(bytes[1]));
  if (!Decode(code)) return std::nullopt;
  return code;
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::optional<char32_t> SingleCharacter(const std::string& utf8) {
  if (utf8.empty()) return std::nullopt;
  const auto first = static_cast<uint8_t>(utf8[0]);
  std::size_t length = first < 0x80 ? 1 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : 4;
  if (utf8.size() != length) return std::nullopt;
  char32_t c = length == 1 ? first : length == 2 ? first & 0x1F : length == 3 ? first & 0x0F : first & 0x07;
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<uint8_t>(utf8[i]) & 0x3F);
  return c;
}

}  // namespace chartables
