// Builds GBKN.dat (Shift-JIS -> GBK) and JISN.dat (GBK -> Shift-JIS) and reports what they achieve.
#pragma once

#include <ostream>

#include "CharacterVariants.h"
#include "CodePage.h"
#include "core/text/GbkJisConversion.h"

namespace chartables {

struct SjisGbkFigures {
  int JisCharacters = 0;       // characters of JIS X 0208 (leads 0x81-0x84, 0x88-0x9F, 0xE0-0xEA)
  int JisRoundTrips = 0;       // GbkToSjis(SjisToGbk(c)) == c
  int ShownSimplified = 0;     // kanji shown in a Simplified form
  int UserDefinedCodes = 0;    // characters given a code of GBK's user-defined areas
  int VendorCharacters = 0;    // codes of the rows 0x87, 0xED-0xEE, 0xFA-0xFC that hold a character
  int VendorRoundTrips = 0;    // of those, codes that come back as themselves
  int VendorDuplicates = 0;    // of those, duplicates of another code (they come back as that code)
  int GbkCharacters = 0;       // GBK codes holding a character
  int GbkToSameCharacter = 0;  // mapped to the same character in Shift-JIS
  int GbkToJapaneseForm = 0;   // mapped to a Japanese (Traditional or Shinjitai) form
  int GbkToGeta = 0;           // no Shift-JIS form: the geta mark 0x81AC
};

// Fills both tables; writes the figures and every exception to `report`.
SjisGbkFigures BuildSjisGbkTables(const CodePage& sjis, const CodePage& gbk,
                                  const CharacterVariants& variants, tavlor::GbkJisTables& tables,
                                  std::ostream& report);

}  // namespace chartables
