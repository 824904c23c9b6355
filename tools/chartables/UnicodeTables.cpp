// Reads every one- and two-byte code and every character through ICU, the way Qt's ICU codecs
// use it: decoding substitutes (U+FFFD, or the code page's own substitute character) and encoding
// without fallbacks reports what it cannot carry.
#include "UnicodeTables.h"

#include <unicode/ucnv.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace chartables {
namespace {

constexpr char16_t kLeadByte = 0xFFFF;
constexpr char16_t kTrailNotTaken = 0xFFFF;
constexpr uint16_t kNoCode = 0xFFFF;
constexpr uint8_t kNoRow = 0xFF;

// Qt counts every character the converter calls back for as an error, where ICU's own stopping
// callback lets default-ignorable characters (U+00AD, U+200B...) through as nothing.
void KeepError(const void*, UConverterFromUnicodeArgs*, const UChar*, int32_t, UChar32,
               UConverterCallbackReason, UErrorCode*) {}

class Converter {
 public:
  Converter(const char* name, bool strict) {
    UErrorCode status = U_ZERO_ERROR;
    converter_ = ucnv_open(name, &status);
    if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU has no converter ") + name);
    if (strict) {
      ucnv_setFromUCallBack(converter_, KeepError, nullptr, nullptr, nullptr, &status);
    }
  }
  ~Converter() { ucnv_close(converter_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string Name() const {
    UErrorCode status = U_ZERO_ERROR;
    return ucnv_getName(converter_, &status);
  }

  // The units `bytes` decode to, and the byte each unit came from.
  void Decode(const std::vector<uint8_t>& bytes, bool flush, std::vector<char16_t>& units,
              std::vector<int32_t>& offsets) const {
    ucnv_reset(converter_);
    units.assign(bytes.size() + 4, 0);
    offsets.assign(bytes.size() + 4, -1);
    const char* source = reinterpret_cast<const char*>(bytes.data());
    UChar* target = reinterpret_cast<UChar*>(units.data());
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(converter_, &target, target + units.size(), &source, source + bytes.size(), offsets.data(),
                   flush, &status);
    if (U_FAILURE(status)) throw std::runtime_error(Name() + ": decoding failed");
    const auto count = static_cast<std::size_t>(target - reinterpret_cast<UChar*>(units.data()));
    units.resize(count);
    offsets.resize(count);
  }

  // The bytes of one UTF-16 text, or nothing when the converter reports an error.
  bool Encode(const std::u16string& text, std::string& bytes) const {
    ucnv_reset(converter_);
    char buffer[16];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t size =
        ucnv_fromUChars(converter_, buffer, sizeof buffer, reinterpret_cast<const UChar*>(text.data()),
                        static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) return false;
    bytes.assign(buffer, static_cast<std::size_t>(size));
    return true;
  }

 private:
  UConverter* converter_ = nullptr;
};

struct Mappings {
  std::string Converter;
  std::array<char16_t, 256> Singles{};
  std::array<uint8_t, 256> LeadRows{};
  std::vector<std::array<char16_t, 256>> Rows;  // every second byte, trimmed when written
  int FirstTrail = 0xFF;
  int LastTrail = 0;
  char16_t LeadAlone = 0;
  uint16_t Substitute = 0;
  std::map<char16_t, uint16_t> Exceptions;
  std::vector<std::pair<char32_t, char32_t>> Dropped;  // written as nothing by lenient encoding
};

uint16_t CodeOf(const std::string& bytes) {
  if (bytes.size() == 1) return static_cast<uint8_t>(bytes[0]);
  return static_cast<uint16_t>((static_cast<uint8_t>(bytes[0]) << 8) | static_cast<uint8_t>(bytes[1]));
}

void ReadDecoding(const Converter& icu, Mappings& m) {
  std::vector<char16_t> units;
  std::vector<int32_t> offsets;
  m.LeadRows.fill(kNoRow);
  for (int byte = 0; byte < 256; ++byte) {
    icu.Decode({static_cast<uint8_t>(byte)}, false, units, offsets);
    if (units.empty()) {
      m.Singles[byte] = kLeadByte;
      m.LeadRows[byte] = static_cast<uint8_t>(m.Rows.size());
      m.Rows.emplace_back();
    } else if (units.size() == 1 && units[0] != kLeadByte) {
      m.Singles[byte] = units[0];
    } else {
      throw std::runtime_error(m.Converter + ": byte " + std::to_string(byte) + " is not one character");
    }
  }
  bool leadAloneSeen = false;
  for (int lead = 0; lead < 256; ++lead) {
    if (m.LeadRows[lead] == kNoRow) continue;
    auto& row = m.Rows[m.LeadRows[lead]];
    for (int trail = 0; trail < 256; ++trail) {
      icu.Decode({static_cast<uint8_t>(lead), static_cast<uint8_t>(trail)}, true, units, offsets);
      const std::string where = m.Converter + ": code " + std::to_string(lead * 256 + trail);
      if (units.size() == 1 && offsets[0] == 0 && units[0] != kTrailNotTaken) {
        row[trail] = units[0];
        m.FirstTrail = std::min(m.FirstTrail, trail);
        m.LastTrail = std::max(m.LastTrail, trail);
        continue;
      }
      const bool split = units.size() == 2 && offsets[0] == 0 && offsets[1] == 1;
      // The second byte, read again alone, must show as it does anywhere else.
      if (!split || (m.Singles[trail] != kLeadByte && units[1] != m.Singles[trail]))
        throw std::runtime_error(where + " decodes in a way the tables cannot hold");
      if (leadAloneSeen && units[0] != m.LeadAlone)
        throw std::runtime_error(where + ": lead bytes alone show differently");
      m.LeadAlone = units[0];
      leadAloneSeen = true;
      row[trail] = kTrailNotTaken;
    }
  }
}

// The code a character takes when it is simply the first code that decodes to it.
std::vector<uint16_t> FirstCodes(const Mappings& m) {
  std::vector<uint16_t> codes(0x10000, kNoCode);
  for (int byte = 0; byte < 256; ++byte) {
    if (m.Singles[byte] != kLeadByte && codes[m.Singles[byte]] == kNoCode)
      codes[m.Singles[byte]] = static_cast<uint16_t>(byte);
  }
  for (int lead = 0; lead < 256; ++lead) {
    if (m.LeadRows[lead] == kNoRow) continue;
    for (int trail = m.FirstTrail; trail <= m.LastTrail; ++trail) {
      const char16_t c = m.Rows[m.LeadRows[lead]][trail];
      if (c != kTrailNotTaken && codes[c] == kNoCode) codes[c] = static_cast<uint16_t>(lead * 256 + trail);
    }
  }
  return codes;
}

void ReadEncoding(const Converter& strict, const Converter& lenient, Mappings& m) {
  std::string substitute;
  if (!lenient.Encode(u"\uFFFF", substitute) || substitute.empty() || substitute.size() > 2)
    throw std::runtime_error(m.Converter + ": no substitute");
  m.Substitute = CodeOf(substitute);
  const std::vector<uint16_t> first = FirstCodes(m);
  std::string bytes;
  for (char32_t c = 0; c < 0x110000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::u16string text;
    if (c < 0x10000) {
      text = std::u16string(1, static_cast<char16_t>(c));
    } else {
      text = {static_cast<char16_t>(0xD7C0 + (c >> 10)), static_cast<char16_t>(0xDC00 | (c & 0x3FF))};
    }
    const bool encodes = strict.Encode(text, bytes);
    if (encodes && (bytes.empty() || bytes.size() > 2 || c >= 0x10000))
      throw std::runtime_error(m.Converter + ": character " + std::to_string(c) + " encodes unusually");
    if (!encodes) {
      // A lenient encoding writes the code page's substitute for every character it lacks, or
      // nothing for a default-ignorable one.
      if (!lenient.Encode(text, bytes) || (bytes != substitute && !bytes.empty()))
        throw std::runtime_error(m.Converter + ": character " + std::to_string(c) +
                                 " has another substitute");
      if (bytes.empty()) {
        if (!m.Dropped.empty() && m.Dropped.back().second + 1 == c) {
          m.Dropped.back().second = c;
        } else {
          m.Dropped.emplace_back(c, c);
        }
      }
    }
    if (c >= 0x10000) continue;
    const uint16_t code = encodes ? CodeOf(bytes) : kNoCode;
    if (code != first[c]) m.Exceptions.emplace(static_cast<char16_t>(c), code);
  }
}

template <typename Values>
void WriteValues(std::ostream& out, const Values& values) {
  int column = 0;
  for (const auto value : values) {
    out << (column == 0 ? "    " : " ") << static_cast<unsigned>(value) << ',';
    if (++column == 16) {
      out << '\n';
      column = 0;
    }
  }
  if (column != 0) out << '\n';
}

void WriteCodePage(std::ostream& out, const std::string& prefix, const Mappings& m) {
  out << "\n// " << m.Converter << "\nconst char16_t k" << prefix << "Singles[256] = {\n";
  WriteValues(out, m.Singles);
  out << "};\nconst uint8_t k" << prefix << "LeadRows[256] = {\n";
  WriteValues(out, m.LeadRows);
  std::vector<char16_t> pairs;
  for (const auto& row : m.Rows)
    pairs.insert(pairs.end(), row.begin() + m.FirstTrail, row.begin() + m.LastTrail + 1);
  out << "};\nconst char16_t k" << prefix << "Pairs[" << pairs.size() << "] = {\n";
  WriteValues(out, pairs);
  out << "};\n";
  if (!m.Exceptions.empty()) {
    out << "const EncodingException k" << prefix << "Exceptions[" << m.Exceptions.size() << "] = {\n";
    for (const auto& [character, code] : m.Exceptions) {
      out << "    {0x" << std::hex << static_cast<unsigned>(character) << ", 0x" << code << std::dec
          << "},\n";
    }
    out << "};\n";
  }
  out << "const CharacterRange k" << prefix << "Dropped[" << m.Dropped.size() << "] = {\n";
  for (const auto& [first, last] : m.Dropped) {
    out << "    {0x" << std::hex << static_cast<unsigned>(first) << ", 0x" << static_cast<unsigned>(last)
        << std::dec << "},\n";
  }
  out << "};\n";
}

void WriteDefinition(std::ostream& out, const std::string& prefix, const Mappings& m) {
  out << "\nconst CodePageData k" << prefix << "CodePage = {k" << prefix << "Singles, k" << prefix
      << "LeadRows, k" << prefix << "Pairs, " << m.FirstTrail << ", " << m.LastTrail << ", "
      << static_cast<unsigned>(m.LeadAlone) << ", " << m.Substitute << ", ";
  if (m.Exceptions.empty()) {
    out << "nullptr, 0, ";
  } else {
    out << "k" << prefix << "Exceptions, " << m.Exceptions.size() << ", ";
  }
  out << "k" << prefix << "Dropped, " << m.Dropped.size() << "};\n";
}

Mappings Read(const char* name) {
  const Converter decoder(name, false);
  const Converter strict(name, true);
  Mappings m;
  m.Converter = std::string(name) + " (ICU " + decoder.Name() + ")";
  ReadDecoding(decoder, m);
  ReadEncoding(strict, decoder, m);
  return m;
}

}  // namespace

void WriteUnicodeTables(const std::filesystem::path& folder) {
  // The names Qt's ICU codecs open.
  const Mappings gbk = Read("GBK");
  const Mappings big5 = Read("Big5");
  const Mappings sjis = Read("Shift_JIS");

  std::ostringstream out;
  out << "// Written by tools/chartables from ICU's converters; rerun it instead of editing.\n"
         "// clang-format off\n"
         "#include \"core/text/CodePageData.h\"\n\nnamespace tavlor {\nnamespace {\n";
  WriteCodePage(out, "Gbk", gbk);
  WriteCodePage(out, "Big5", big5);
  WriteCodePage(out, "ShiftJis", sjis);
  out << "\n}  // namespace\n";
  WriteDefinition(out, "Gbk", gbk);
  WriteDefinition(out, "Big5", big5);
  WriteDefinition(out, "ShiftJis", sjis);
  out << "\n}  // namespace tavlor\n";

  std::ofstream file(folder / "UnicodeTablesData.cpp", std::ios::binary | std::ios::trunc);
  file << out.str();
  if (!file) throw std::runtime_error("cannot write " + (folder / "UnicodeTablesData.cpp").string());
}

}  // namespace chartables
