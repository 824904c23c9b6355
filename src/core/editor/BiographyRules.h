// The typing rules of the four biography lines: only double-byte text goes in, a full line leads
// to the next, an emptied line (not the first) gives way to the one before.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavlor {

inline constexpr int kBiographyLineCount = 4;
inline constexpr int kBiographyLineCharacters = 18;  // double-byte characters, 36 bytes

// The key code of a typed character from its interface bytes: a one-byte character gives its byte
// (Enter 13, backspace 8, Ctrl+V 22), a double-byte one its two bytes as a negative 16-bit number;
// nothing typed gives 0.
int BiographyKeyCode(std::string_view typedBytes);

// Whether a key with this code may reach the line: paste, backspace and double-byte characters
// pass; every other one-byte key is dropped (Enter is decided by EnterMovesToNextLine).
bool BiographyKeyPasses(int keyCode);

// Characters of a GBK/Big5 text (a two-byte code counts once).
std::size_t CharacterCount(std::string_view bytes);

// Enter on `line` moves to the next line when the trimmed line holds exactly 18 characters and is
// not the last line.
bool EnterMovesToNextLine(int line, std::string_view lineBytes);

enum class BiographyChange { Nothing, EnableNextLine, DisableAndFocusPrevious };

// What changing the text of `line` does: 36 bytes enable the next line; an emptied line other than
// the first is disabled and the caret goes to the end of the line before.
BiographyChange BiographyLineChanged(int line, std::string_view lineBytes);

}  // namespace tavlor
