// Decoding and encoding through Qt's ICU-backed codecs; everything else in the program handles
// bytes only.
#include "ui/app/TextCodec.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/lang/LanguageState.h"

namespace tavlor {
namespace {

QString Decode(const char* codec, std::string_view bytes) {
  QStringDecoder decoder(codec);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Encode(const char* codec, const QString& text) {
  QStringEncoder encoder(codec);
  const QByteArray bytes = encoder.encode(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QString FromGbk(std::string_view gbk) {
  return Decode("GBK", gbk);
}
std::string ToGbk(const QString& text) {
  return Encode("GBK", text);
}
QString FromBig5(std::string_view big5) {
  return Decode("Big5", big5);
}
std::string ToBig5(const QString& text) {
  return Encode("Big5", text);
}
QString FromSjis(std::string_view sjis) {
  return Decode("Shift_JIS", sjis);
}
std::string ToSjis(const QString& text) {
  return Encode("Shift_JIS", text);
}

QString FromInterfaceBytes(std::string_view bytes) {
  return IsSimplified() ? FromGbk(bytes) : FromBig5(bytes);
}

std::string ToInterfaceBytes(const QString& text) {
  return IsSimplified() ? ToGbk(text) : ToBig5(text);
}

QString Caption(std::string_view gbk) {
  return FromInterfaceBytes(SharedLanguageState().ForDisplay(gbk));
}

QString FromNativePath(const std::string& path) {
  return QFile::decodeName(path.c_str());
}

std::string ToNativePath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace tavlor
