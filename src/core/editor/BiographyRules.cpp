// The typing rules of the biography lines.
#include "core/editor/BiographyRules.h"

#include <cstdint>

#include "core/text/GbkJisConversion.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {

namespace {
constexpr int kPasteKey = 22;
constexpr int kBackspaceKey = 8;
constexpr std::size_t kFullLineBytes = 2 * kBiographyLineCharacters;

bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81;
}
}  // namespace

int BiographyKeyCode(std::string_view typedBytes) {
  if (typedBytes.empty()) return 0;
  const auto first = static_cast<unsigned char>(typedBytes[0]);
  if (IsLeadByte(first) && typedBytes.size() >= 2) {
    const auto second = static_cast<unsigned char>(typedBytes[1]);
    return static_cast<int16_t>(static_cast<uint16_t>(first << 8 | second));
  }
  return first;
}

bool BiographyKeyPasses(int keyCode) {
  return keyCode < 0 || keyCode == kPasteKey || keyCode == kBackspaceKey;
}

std::size_t CharacterCount(std::string_view bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i, ++count) {
    if (IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ++i;
  }
  return count;
}

bool EnterMovesToNextLine(int line, std::string_view lineBytes) {
  return line < kBiographyLineCount - 1 &&
         CharacterCount(TrimBlanks(lineBytes)) == static_cast<std::size_t>(kBiographyLineCharacters);
}

BiographyChange BiographyLineChanged(int line, std::string_view lineBytes) {
  const std::string_view trimmed = TrimBlanks(lineBytes);
  if (AnsiByteLength(trimmed) == kFullLineBytes && line < kBiographyLineCount - 1) {
    return BiographyChange::EnableNextLine;
  }
  if (trimmed.empty() && line > 0) return BiographyChange::DisableAndFocusPrevious;
  return BiographyChange::Nothing;
}

}  // namespace tavlor
