// Decoding and encoding through the program's own GBK, Big5 and Shift-JIS tables (the same on
// every platform), completed by the characters the character tables give to codes without one;
// everything else in the program handles bytes only.
#include "ui/app/TextCodec.h"

#include <QByteArray>
#include <optional>

#include "core/data/PathText.h"
#include "core/lang/LanguageState.h"
#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"
#include "core/text/TextTables.h"
#include "core/text/UnicodeTables.h"
#include "core/text/UserDefinedCodes.h"
#include "ui/app/TableCharacters.h"

namespace tavlor {
namespace {

QString DecodeText(CodePage page, std::string_view bytes) {
  // No byte decodes to more than one unit.
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  text.resize(static_cast<qsizetype>(DecodeInto(page, bytes, reinterpret_cast<char16_t*>(text.data()))));
  return text;
}

std::u16string_view UnitsOf(QStringView text) {
  return {text.utf16(), static_cast<std::size_t>(text.size())};
}

uint16_t CodeAt(std::string_view bytes, std::size_t i) {
  return static_cast<uint16_t>((static_cast<uint8_t>(bytes[i]) << 8) | static_cast<uint8_t>(bytes[i + 1]));
}

void AppendTwoByteCode(std::string& bytes, uint16_t code) {
  bytes.push_back(static_cast<char>(code >> 8));
  bytes.push_back(static_cast<char>(code & 0xFF));
}

// Decodes with `codec`, except the two-byte codes for which `special` has a character.
template <typename Special>
QString DecodeWithTables(CodePage codec, std::string_view bytes, Special&& special) {
  QString text;
  std::size_t runStart = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const bool twoBytes = i + 1 < bytes.size() && GbkCodeIndex(static_cast<uint8_t>(bytes[i]),
                                                               static_cast<uint8_t>(bytes[i + 1])) >= 0;
    if (!twoBytes) {
      ++i;
      continue;
    }
    if (const std::optional<char16_t> character = special(CodeAt(bytes, i))) {
      text += DecodeText(codec, bytes.substr(runStart, i - runStart));
      text += QChar(*character);
      runStart = i + 2;
    }
    i += 2;
  }
  if (runStart == 0) return DecodeText(codec, bytes);
  text += DecodeText(codec, bytes.substr(runStart));
  return text;
}

// Encodes with `codec`; a character it cannot carry goes to `special`, which appends its bytes
// or answers false (the character is then written as '?').
template <typename Special>
EncodedText EncodeWithTables(CodePage codec, const QString& text, Special&& special) {
  if (auto direct = EncodeStrictly(codec, UnitsOf(text))) return {std::move(*direct), {}};

  EncodedText encoded;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar character = text[i];
    if (character.isHighSurrogate() || character.isLowSurrogate()) {
      // Neither encoding holds characters beyond the first plane.
      if (encoded.Unencodable.isEmpty())
        encoded.Unencodable =
            character.isHighSurrogate() && i + 1 < text.size() ? text.mid(i, 2) : QString(character);
      if (character.isHighSurrogate() && i + 1 < text.size()) ++i;
      encoded.Bytes.push_back('?');
      continue;
    }
    if (const auto bytes = EncodeStrictly(codec, UnitsOf(QStringView(&character, 1)))) {
      encoded.Bytes += *bytes;
    } else if (!special(character.unicode(), encoded.Bytes)) {
      if (encoded.Unencodable.isEmpty()) encoded.Unencodable = character;
      encoded.Bytes.push_back('?');
    }
  }
  return encoded;
}

// A character GBK has no code for: the user-defined code the tables give it.
bool AppendGbkTableCode(char16_t character, std::string& bytes) {
  const auto code = TableCharacters::Current().GbkCodeOf(character);
  if (code) AppendTwoByteCode(bytes, *code);
  return code.has_value();
}

// A character Big5 has no code for: the code the tables give it, else the Big5 text of its GBK
// code, provided that stores the same Shift-JIS text (说 typed in Traditional mode goes in as 說).
bool AppendBig5TableCode(char16_t character, std::string& bytes) {
  if (const auto code = TableCharacters::Current().Big5CodeOf(character)) {
    AppendTwoByteCode(bytes, *code);
    return true;
  }
  const EncodedText gbk = EncodeGbk(QString(QChar(character)));
  if (!gbk.Unencodable.isEmpty() || gbk.Bytes.size() != 2) return false;
  TextTables& tables = SharedTextTables();
  const std::string big5 = GbToBig5(gbk.Bytes, tables.GbBig5);
  const std::string back = Big5ToGb(big5, tables.GbBig5);
  if (big5.size() != 2 || GbkToSjis(back, tables.GbkJis) != GbkToSjis(gbk.Bytes, tables.GbkJis)) return false;
  bytes += big5;
  return true;
}

}  // namespace

QString FromGbk(std::string_view gbk) {
  return DecodeWithTables(CodePage::Gbk, gbk, [](uint16_t code) -> std::optional<char16_t> {
    if (!IsGbkUserDefinedCode(code)) return std::nullopt;
    return TableCharacters::Current().OfGbk(code);
  });
}

EncodedText EncodeGbk(const QString& text) {
  return EncodeWithTables(CodePage::Gbk, text, AppendGbkTableCode);
}

std::string ToGbk(const QString& text) {
  return EncodeGbk(text).Bytes;
}

QString FromBig5(std::string_view big5) {
  return DecodeWithTables(CodePage::Big5, big5, [](uint16_t code) -> std::optional<char16_t> {
    if (IsGbkCodeInBig5Text(code)) return TableCharacters::Current().OfGbkInBig5(code);
    if (!IsBig5UserDefinedCode(code)) return std::nullopt;
    return TableCharacters::Current().OfBig5(code);
  });
}

EncodedText EncodeBig5(const QString& text) {
  return EncodeWithTables(CodePage::Big5, text, AppendBig5TableCode);
}

std::string ToBig5(const QString& text) {
  return EncodeBig5(text).Bytes;
}

QString FromSjis(std::string_view sjis) {
  return DecodeText(CodePage::ShiftJis, sjis);
}
std::string ToSjis(const QString& text) {
  return EncodeLeniently(CodePage::ShiftJis, UnitsOf(text));
}

bool InterfaceUsesBig5() {
  return !IsSimplified() && GbBig5TablesReady(SharedTextTables().GbBig5);
}

QString FromInterfaceBytes(std::string_view bytes) {
  return InterfaceUsesBig5() ? FromBig5(bytes) : FromGbk(bytes);
}

EncodedText EncodeInterfaceText(const QString& text) {
  return EncodeInterfaceText(text, InterfaceUsesBig5());
}

EncodedText EncodeInterfaceText(const QString& text, bool big5) {
  return big5 ? EncodeBig5(text) : EncodeGbk(text);
}

std::string ToInterfaceBytes(const QString& text) {
  return EncodeInterfaceText(text).Bytes;
}

QString Caption(std::string_view gbk) {
  return FromInterfaceBytes(SharedLanguageState().ForDisplay(gbk));
}

QString InInterfaceScript(const QString& simplified) {
  return Caption(ToGbk(simplified));
}

QString FromNativePath(const std::string& path) {
  return QString::fromStdString(path);
}

std::string ToNativePath(const QString& path) {
  return path.toStdString();
}

QString TextOfFilePath(const std::filesystem::path& path) {
  return QString::fromStdString(TextOfPath(path));
}

std::filesystem::path FilePathOfText(const QString& text) {
  return PathFromText(text.toStdString());
}

}  // namespace tavlor
