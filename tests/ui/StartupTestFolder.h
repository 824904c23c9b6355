// A program folder the way start-up expects one, made by the tests: Set.ini, the four character
// tables (the small sample tables), Bk.N13, and a game folder with face archives and an edit-data
// file. Header-only, shared by the start-up and list window tests and the start-up benchmark.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>

#include "core/data/EditData.h"
#include "core/data/EditDataRecognition.h"
#include "core/data/GeneralTable.h"
#include "support/ArchiveBuilder.h"
#include "support/SmallTextTables.h"
#include "support/TempFolder.h"

namespace tavlor::testing {

inline void WriteCodeFile(const std::filesystem::path& file, std::span<const uint16_t> codes) {
  std::string bytes;
  bytes.reserve(codes.size() * 2);
  for (uint16_t code : codes) {
    bytes.push_back(static_cast<char>(code & 0xFF));
    bytes.push_back(static_cast<char>(code >> 8));
  }
  WriteFileBytes(file, bytes);
}

// The four table files holding the sample characters of SmallTextTables.
inline void WriteSampleTableFiles(const std::filesystem::path& folder) {
  const std::unique_ptr<TextTables> tables = SmallTextTables();
  WriteCodeFile(folder / "GBKN.dat", tables->GbkJis.SjisToGbkCodes);
  WriteCodeFile(folder / "JISN.dat", tables->GbkJis.GbkToSjisCodes);
  WriteCodeFile(folder / "GB.DAT", tables->GbBig5.GbToBig5Codes);
  WriteCodeFile(folder / "BIG5.DAT", tables->GbBig5.Big5ToGbCodes);
}

// A general named by Shift-JIS family and given name, appearing or not.
inline GeneralEntry SampleGeneral(const std::string& familySjis, const std::string& givenSjis,
                                  int32_t appearFlag) {
  GeneralEntry entry;
  StoreField(entry.Record.Tag, std::string(kRecordTag));
  StoreField(entry.Record.FamilyName, familySjis);
  StoreField(entry.Record.GivenName, givenSjis);
  entry.Record.BirthYear = 1534;
  entry.Record.DeathYear = 1582;
  entry.Appendix.AppearFlag = appearFlag;
  entry.Appendix.CityNo = 36;
  return entry;
}

// A table of `count` generals: slot 0 is 織田 信長 (appearing), the others alternate
// 伊達 政宗 standing by and 太郎 之助 appearing.
inline std::unique_ptr<GeneralTable> SampleTable(int count) {
  auto table = std::make_unique<GeneralTable>();
  for (int slot = 0; slot < count; ++slot) {
    if (slot == 0) {
      table->Slots[slot] = SampleGeneral(SjisOf({0, 1}), SjisOf({2, 3}), 1);
    } else if (slot % 2 == 1) {
      table->Slots[slot] = SampleGeneral(SjisOf({8, 9}), SjisOf({10, 11}), 0);
    } else {
      table->Slots[slot] = SampleGeneral(SjisOf({6, 7}), SjisOf({4, 5}), 1);
    }
  }
  table->GeneralCount = count;
  for (std::size_t i = 0; i < kHeaderSize; ++i) table->HeaderBlock[i] = static_cast<uint8_t>(0xA0 + i);
  return table;
}

// A Blank slot with a recognisable pattern and a BirthYear of 0 (bytes 257..260), so it ends a
// table when read back.
inline std::string SampleBlankSlot() {
  std::string bytes(kBlankSlotSize, '\0');
  for (std::size_t i = 0; i < 48; ++i) bytes[i] = static_cast<char>(0x30 + i % 10);
  return bytes;
}

class StartupFolder {
 public:
  // Program folder with tables, Bk.N13 and Set.ini (manual paths into its "game" folder), the
  // game folder with small and large archives and an edit-data file of `generalCount` generals.
  explicit StartupFolder(int generalCount = 3) {
    WriteSampleTableFiles(folder_.Path());
    WriteFileBytes(folder_ / "Bk.N13", SampleBlankSlot());
    std::filesystem::create_directories(Game() / "grp");
    ArchiveBuilder small;
    small.AddFace(60, 60, 7);
    small.AddFace(60, 60, 8);
    small.WriteTo(Game() / "grp" / "KAO_s.N13");
    ArchiveBuilder large;
    large.AddFace(240, 240, 9);
    large.AddFace(240, 240, 10);
    large.WriteTo(Game() / "grp" / "KAO_l.N13");
    WriteTable(*SampleTable(generalCount));
    WriteSetIni(EditDataFile().string());
  }

  const std::filesystem::path& Program() const { return folder_.Path(); }
  std::filesystem::path Game() const { return folder_ / "game"; }
  std::filesystem::path EditDataFile() const { return Game() / "EDATA000.13S"; }

  void WriteTable(const GeneralTable& table) const {
    WriteFileBytes(EditDataFile(), SerializeEditData(table));
  }

  // Set.ini with line 1 skipped, manual mode and the game folder with a trailing separator.
  void WriteSetIni(const std::string& customizeFile) const {
    const std::string game = Game().string() + "/";
    WriteFileBytes(folder_ / "Set.ini", "[Tavlor]\r\nAUTOREADPATH=0\r\nGAMEPATH=" + game +
                                            "\r\nCUSTOMIZEFILE=" + customizeFile + "\r\nEDITKAOPATH=" + game +
                                            "\r\n");
  }

 private:
  TempFolder folder_;
};

}  // namespace tavlor::testing
