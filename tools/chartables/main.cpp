// chartables OUTPUT_FOLDER: writes GBKN.dat, JISN.dat, GB.DAT and BIG5.DAT (little-endian 16-bit
// codes) and UnicodeTablesData.cpp (the Unicode mappings of GBK, Big5 and Shift-JIS), and prints
// what the tables achieve, with every exception.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>

#include "CharacterVariants.h"
#include "CodePage.h"
#include "GbBig5Tables.h"
#include "SjisGbkTables.h"
#include "UnicodeTables.h"

namespace {

void WriteTable(const std::filesystem::path& file, std::span<const uint16_t> codes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const uint16_t code : codes) {
    const char bytes[2] = {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)};
    out.write(bytes, 2);
  }
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string Percent(int part, int whole) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f %%", whole == 0 ? 0.0 : 100.0 * part / whole);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: chartables OUTPUT_FOLDER\n";
    return 2;
  }
  try {
    const std::filesystem::path output = argv[1];
    const chartables::CodePage sjis("windows-31j");
    const chartables::CodePage gbk("windows-936-2000");
    const chartables::CodePage big5("windows-950-2000");
    const auto variants = chartables::LoadCharacterVariants(CHARTABLES_OPENCC_DIR);

    auto gbkJis = std::make_unique<tavlor::GbkJisTables>();
    const auto jis = chartables::BuildSjisGbkTables(sjis, gbk, variants, *gbkJis, std::cout);
    auto gbBig5 = std::make_unique<tavlor::GbBig5Tables>();
    const auto gb = chartables::BuildGbBig5Tables(sjis, gbk, big5, variants, *gbkJis, *gbBig5, std::cout);

    std::filesystem::create_directories(output);
    WriteTable(output / "GBKN.dat", gbkJis->SjisToGbkCodes);
    WriteTable(output / "JISN.dat", gbkJis->GbkToSjisCodes);
    WriteTable(output / "GB.DAT", gbBig5->GbToBig5Codes);
    WriteTable(output / "BIG5.DAT", gbBig5->Big5ToGbCodes);
    chartables::WriteUnicodeTables(output);

    std::cout << "JIS X 0208 (leads 0x81-0x84, 0x88-0x9F, 0xE0-0xEA): " << jis.JisCharacters
              << " characters, " << jis.JisRoundTrips << " come back ("
              << Percent(jis.JisRoundTrips, jis.JisCharacters) << ")\n"
              << "  kanji shown in Simplified form: " << jis.ShownSimplified << "\n"
              << "  characters on a user-defined GBK code: " << jis.UserDefinedCodes << "\n"
              << "vendor rows 0x87, 0xED-0xEE, 0xFA-0xFC: " << jis.VendorCharacters << " characters, "
              << jis.VendorRoundTrips << " come back, " << jis.VendorDuplicates
              << " repeat another code and come back as it\n"
              << "GBK -> Shift-JIS: " << jis.GbkCharacters << " characters, " << jis.GbkToSameCharacter
              << " to the same character, " << jis.GbkToJapaneseForm << " to a Japanese form, "
              << jis.GbkToGeta << " to the geta mark 0x81AC\n"
              << "GB -> Big5: " << gb.GbCharacters << " characters, " << gb.GbMapped << " mapped ("
              << Percent(gb.GbMapped, gb.GbCharacters) << ")\n"
              << "Big5 -> GB: " << gb.Big5Characters << " characters, " << gb.Big5Mapped << " mapped ("
              << Percent(gb.Big5Mapped, gb.Big5Characters) << "), " << gb.Big5ToGb2312 << " to GB2312\n"
              << "Traditional mode, GBK codes of Shift-JIS characters: " << gb.ShiftJisCodes << ", "
              << gb.ShownAsThemselves << " shown as themselves, " << gb.ShownTraditional
              << " in a Traditional form, " << gb.ShownThroughGbk << " through their GBK code, "
              << gb.ShownUserDefined << " through a user-defined Big5 code (" << gb.UserDefinedCodesLeft
              << " left); " << gb.ComeBack << " come back, " << gb.ShownUniquely
              << " shown as a character of their own\n";
    const bool complete = jis.JisRoundTrips == jis.JisCharacters && gb.ComeBack == gb.ShiftJisCodes &&
                          gb.ShownUniquely == gb.ShiftJisCodes;
    return complete ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "chartables: " << error.what() << '\n';
    return 1;
  }
}
