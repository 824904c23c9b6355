// Builds GB.DAT (GB2312 -> Big5 of the Traditional form) and BIG5.DAT (Big5 -> GB of the
// Simplified form) and reports what they achieve.
#pragma once

#include <ostream>

#include "CharacterVariants.h"
#include "CodePage.h"
#include "core/text/GbBig5Conversion.h"

namespace chartables {

struct GbBig5Figures {
  int GbCharacters = 0;    // positions of the GB table holding a character
  int GbMapped = 0;        // of those, given a Big5 code
  int Big5Characters = 0;  // positions of the Big5 table holding a character
  int Big5Mapped = 0;      // of those, given a GB code
  int Big5ToGb2312 = 0;    // of those, a GB2312 code (the rest a GBK code)
};

GbBig5Figures BuildGbBig5Tables(const CodePage& gbk, const CodePage& big5, const CharacterVariants& variants,
                                tavlor::GbBig5Tables& tables, std::ostream& report);

}  // namespace chartables
