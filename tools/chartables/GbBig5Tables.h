// Builds GB.DAT (GB2312 -> Big5 of the Traditional form) and BIG5.DAT (Big5 -> GB of the
// Simplified form) so that every character Shift-JIS text converts to shows in Traditional mode as
// one character of its own and comes back as the same GBK code, and reports what they achieve.
#pragma once

#include <ostream>

#include "CharacterVariants.h"
#include "CodePage.h"
#include "core/text/GbBig5Conversion.h"
#include "core/text/GbkJisConversion.h"

namespace chartables {

struct GbBig5Figures {
  int GbCharacters = 0;    // positions of the GB table holding a character
  int GbMapped = 0;        // of those, given a Big5 code
  int Big5Characters = 0;  // positions of the Big5 table holding a character
  int Big5Mapped = 0;      // of those, given a GB code
  int Big5ToGb2312 = 0;    // of those, a GB2312 code (the rest a GBK code)

  int ShiftJisCodes = 0;         // GBK codes that SjisToGbk produces
  int ShownAsThemselves = 0;     // shown as the Japanese character itself through a Big5 code
  int ShownTraditional = 0;      // shown as the Traditional form of their GBK character
  int ShownThroughGbk = 0;       // shown through their own GBK code, which no Big5 code is
  int ShownUserDefined = 0;      // shown through a Big5 user-defined code
  int ComeBack = 0;              // Big5ToGb(GbToBig5(x)) == x
  int ShownUniquely = 0;         // shown as a character no other of them shows as
  int UserDefinedCodesLeft = 0;  // user-defined codes still free
};

// The Big5 code of a character: Big5 itself, or for kana the code of the ETEN extension
// (hiragana 0xC6E7-0xC77A, katakana 0xC77B-0xC7F2), which lies in Big5's user-defined area.
std::optional<uint16_t> Big5CodeOf(const CodePage& big5, char32_t character);

GbBig5Figures BuildGbBig5Tables(const CodePage& sjis, const CodePage& gbk, const CodePage& big5,
                                const CharacterVariants& variants, const tavlor::GbkJisTables& gbkJis,
                                tavlor::GbBig5Tables& tables, std::ostream& report);

}  // namespace chartables
