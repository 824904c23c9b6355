// The one place where interface bytes become text a person sees, and typed text becomes bytes:
// GBK for the Simplified interface, Big5 in Traditional mode, Shift-JIS for stored fields.
//
// Codes without a character of their own in GBK or Big5 show the character the character tables
// give them (TableCharacters.h), and typed characters take those codes back, so that every
// character Shift-JIS text converts to shows as itself and is typed back to the same code.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavlor {

// Typed text as bytes, and the first character the bytes could not carry (empty when none). Such
// a character is written as '?'.
struct EncodedText {
  std::string Bytes;
  QString Unencodable;
};

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);
EncodedText EncodeGbk(const QString& text);
QString FromBig5(std::string_view big5);
std::string ToBig5(const QString& text);
EncodedText EncodeBig5(const QString& text);
QString FromSjis(std::string_view sjis);
std::string ToSjis(const QString& text);

// Whether interface bytes are Big5 now: in the Traditional language, when GB.DAT and BIG5.DAT are
// loaded (without them the Traditional language shows and takes the Simplified texts).
bool InterfaceUsesBig5();

// Interface bytes in the language now in force.
QString FromInterfaceBytes(std::string_view bytes);
std::string ToInterfaceBytes(const QString& text);
EncodedText EncodeInterfaceText(const QString& text);
// Typed text as the bytes of a given interface encoding (Big5 or GBK), whatever is in force now.
EncodedText EncodeInterfaceText(const QString& text, bool big5);

// A fixed interface text (GBK literal) as shown in the language now in force: converted with
// GbToBig5 first in Traditional mode.
QString Caption(std::string_view gbk);
// A Simplified Chinese text written in the source as it is shown in the language now in force
// (converted as Caption converts in Traditional mode).
QString InInterfaceScript(const QString& simplified);

// A path kept as text the way the core keeps it (UTF-8, whatever the platform), shown; and the
// other way round. Settings values and stored paths use these.
QString FromNativePath(const std::string& path);
std::string ToNativePath(const QString& path);
// A path of the file system as shown, and the path a shown or chosen name stands for. On Windows
// these go through the wide names, so no character outside the ANSI code page is lost.
QString TextOfFilePath(const std::filesystem::path& path);
std::filesystem::path FilePathOfText(const QString& text);

}  // namespace tavlor
