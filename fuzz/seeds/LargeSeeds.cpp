// large_fuzz_seeds: writes the seeds too large to keep in the repository, all made here:
//   fuzz_edit_data/thousand_generals.13S  1000 generals, every link flag combination (no terminator)
//   fuzz_edit_data/thousand_blanks.13S    the header and 1000 Blank slots, as an empty file is saved
//   fuzz_face_archive/game_{small,medium,large}.N13  archives with as many entries as the game's
//                                         (1456), the entries sharing a few pictures
//
//   large_fuzz_seeds OUTPUT_FOLDER BLANK_SLOT_FILE
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/data/EditData.h"
#include "core/data/EditDataRecognition.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void AppendLong(std::string& out, int32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
}

tavlor::GeneralEntry General(int slot) {
  tavlor::GeneralEntry entry;
  tavlor::GeneralRecord& r = entry.Record;
  tavlor::StoreField(r.Tag, std::string(tavlor::kRecordTag));
  r.TagFill = {32, 32};
  r.HeadA = 6;
  r.HeadC = 1;
  tavlor::StoreField(r.FamilyName, "\x90\x44\x93\x63");                                      // 織田
  tavlor::StoreField(r.GivenName, std::string("\x90\x4d\x92\xb7") + char('0' + slot % 10));  // 信長n
  tavlor::StoreField(r.FamilyReading, "\x82\xa8\x82\xc2\x82\xc5");
  tavlor::StoreField(r.BioLine1, std::string(36, 'a'));
  r.BioBreak1 = 10;
  r.Sex = slot % 2;
  r.FaceNo = slot * 7 % 8200;
  r.BirthYear = 1500 + slot % 80;
  r.DeathYear = r.BirthYear + 40;
  r.Origin = slot % 8;
  r.FatherNo = slot % 3 == 0 ? -1 : slot;
  r.AffinityNo = slot % 2306;
  r.Leadership = r.Valor = r.Intellect = r.Politics = 50 + slot % 50;
  entry.Links.HiddenLinkFlag = slot % 5 == 0 ? 1 : (slot % 7 == 0 ? 2 : 0);
  entry.Links.HiddenLinkNo = slot;
  entry.Links.FavouredFlag = (slot >> 1) % 2;
  entry.Links.FavouredNo = 10000 + (slot + 1) % 1000;
  entry.Links.DislikedFlag = (slot >> 2) % 2;
  entry.Links.DislikedNo = slot % 2306;
  tavlor::GeneralAppendix& a = entry.Appendix;
  a.Duty = slot % 100;
  a.CityNo = slot % 66;
  a.Status = slot % 2 == 0 ? 7 : 3;
  a.GeneralNo = 10000 + slot;
  a.AppearFlag = 1;
  a.Voice = 1 + slot % 12;
  a.Tactic = static_cast<int16_t>(slot % 57);
  a.AppendixTail.fill(255);
  return entry;
}

// An archive of `entries` faces of width x height, sharing `pictures` image records.
std::string Archive(int entries, int width, int height, int pictures) {
  const int side = width <= 64 ? 64 : (width <= 128 ? 128 : 256);
  const int entryTable = 32, sizeTable = entryTable + entries * 8;
  const int records = sizeTable + entries * 12;
  const int recordSize = 56 + side * side * 4;
  std::string out = "KAO ";
  AppendLong(out, entries);
  AppendLong(out, entryTable);
  AppendLong(out, entries);
  AppendLong(out, sizeTable);
  out.append(12, '\0');
  for (int i = 0; i < entries; ++i) {
    AppendLong(out, records + (i % pictures) * recordSize);
    out.append(4, '\0');
  }
  for (int i = 0; i < entries; ++i) {
    out.append(4, '\0');
    out += static_cast<char>(width & 0xFF);
    out += static_cast<char>(width >> 8);
    out += static_cast<char>(height & 0xFF);
    out += static_cast<char>(height >> 8);
    out.append(4, '\0');
  }
  for (int p = 0; p < pictures; ++p) {
    out.append(56, '\0');
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        out += static_cast<char>(x * 4 + p * 40);
        out += static_cast<char>(y * 4);
        out += static_cast<char>((x ^ y) + p * 60);
        out += '\0';
      }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: large_fuzz_seeds OUTPUT_FOLDER BLANK_SLOT_FILE\n");
    return 2;
  }
  const fs::path output = argv[1];
  auto table = std::make_unique<tavlor::GeneralTable>();
  tavlor::LoadBlankSlot(argv[2], *table);
  for (int i = 0; i < 20; ++i) table->HeaderBlock[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i);
  Write(output / "fuzz_edit_data" / "thousand_blanks.13S", tavlor::SerializeEditData(*table));
  for (int slot = 0; slot < 1000; ++slot) table->Slots[static_cast<std::size_t>(slot)] = General(slot);
  table->GeneralCount = 1000;
  Write(output / "fuzz_edit_data" / "thousand_generals.13S", tavlor::SerializeEditData(*table));

  Write(output / "fuzz_face_archive" / "game_small.N13", Archive(1456, 60, 60, 4));
  Write(output / "fuzz_face_archive" / "game_medium.N13", Archive(1456, 96, 120, 3));
  Write(output / "fuzz_face_archive" / "game_large.N13", Archive(1456, 240, 240, 2));
  return 0;
}
