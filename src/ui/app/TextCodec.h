// The one place where interface bytes become text a person sees, and typed text becomes bytes:
// GBK for the Simplified interface, Big5 in Traditional mode, Shift-JIS for stored fields.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavlor {

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);
QString FromBig5(std::string_view big5);
std::string ToBig5(const QString& text);
QString FromSjis(std::string_view sjis);
std::string ToSjis(const QString& text);

// Interface bytes in the language now in force (GBK in Simplified, Big5 in Traditional).
QString FromInterfaceBytes(std::string_view bytes);
std::string ToInterfaceBytes(const QString& text);

// A fixed interface text (GBK literal) as shown in the language now in force: converted with
// GbToBig5 first in Traditional mode.
QString Caption(std::string_view gbk);

// A path in the platform's file-name encoding.
QString FromNativePath(const std::string& path);
// A file name as the platform's file system spells it (the other way round).
std::string ToNativePath(const QString& path);

}  // namespace tavlor
