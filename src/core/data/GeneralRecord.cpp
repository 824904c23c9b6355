// Field-by-field packing of the 317-byte general record and the 34-byte appendix. The offsets are
// those of the file; nothing here depends on how the compiler lays out the structs.
#include "core/data/GeneralRecord.h"

#include <cstring>

#include "core/data/ByteOrder.h"

namespace tavlor {
namespace {

// Walks a buffer front to back, so the field order below reads like the file's layout table.
class Unpacker {
 public:
  explicit Unpacker(const uint8_t* bytes) : at_(bytes) {}

  template <typename Array>
  void Bytes(Array& field) {
    std::memcpy(field.data(), at_, field.size());
    at_ += field.size();
  }
  void Long(int32_t& value) {
    value = ReadLong(at_);
    at_ += 4;
  }
  void Integer(int16_t& value) {
    value = ReadInteger(at_);
    at_ += 2;
  }
  void Byte(uint8_t& value) { value = *at_++; }

 private:
  const uint8_t* at_;
};

class Packer {
 public:
  explicit Packer(uint8_t* bytes) : at_(bytes) {}

  template <typename Array>
  void Bytes(const Array& field) {
    std::memcpy(at_, field.data(), field.size());
    at_ += field.size();
  }
  void Long(int32_t value) {
    WriteLong(at_, value);
    at_ += 4;
  }
  void Integer(int16_t value) {
    WriteInteger(at_, value);
    at_ += 2;
  }
  void Byte(uint8_t value) { *at_++ = value; }

 private:
  uint8_t* at_;
};

// One field list serves both directions: Walker is Unpacker (fields by reference) or Packer.
template <typename Walker, typename Record>
void WalkRecord(Walker& walk, Record& r) {
  walk.Bytes(r.Tag);            // 0
  walk.Bytes(r.TagFill);        // 14
  walk.Long(r.HeadA);           // 16
  walk.Long(r.HeadB);           // 20
  walk.Long(r.HeadC);           // 24
  walk.Long(r.HeadD);           // 28
  walk.Long(r.HeadE);           // 32
  walk.Bytes(r.FamilyName);     // 36
  walk.Bytes(r.FamilyReading);  // 47
  walk.Bytes(r.GivenName);      // 66
  walk.Bytes(r.GivenReading);   // 77
  walk.Bytes(r.BioLine1);       // 96
  walk.Byte(r.BioBreak1);       // 132
  walk.Bytes(r.BioLine2);       // 133
  walk.Byte(r.BioBreak2);       // 169
  walk.Bytes(r.BioLine3);       // 170
  walk.Byte(r.BioBreak3);       // 206
  walk.Bytes(r.BioLine4);       // 207
  walk.Bytes(r.BioTail);        // 243
  walk.Long(r.Sex);             // 249
  walk.Long(r.FaceNo);          // 253
  walk.Long(r.BirthYear);       // 257
  walk.Long(r.DeathYear);       // 261
  walk.Long(r.Origin);          // 265
  walk.Long(r.Reserved1);       // 269
  walk.Long(r.FatherNo);        // 273
  walk.Long(r.AffinityNo);      // 277
  walk.Long(r.Leadership);      // 281
  walk.Long(r.Valor);           // 285
  walk.Long(r.Intellect);       // 289
  walk.Long(r.Politics);        // 293
  walk.Long(r.AptAshigaru);     // 297
  walk.Long(r.AptCavalry);      // 301
  walk.Long(r.AptBow);          // 305
  walk.Long(r.AptGun);          // 309
  walk.Long(r.AptSiege);        // 313, ends at 317
}

template <typename Walker, typename Appendix>
void WalkAppendix(Walker& walk, Appendix& a) {
  walk.Long(a.Duty);           // 0
  walk.Long(a.CityNo);         // 4
  walk.Long(a.Status);         // 8
  walk.Long(a.GeneralNo);      // 12
  walk.Long(a.AppearFlag);     // 16
  walk.Long(a.Voice);          // 20
  walk.Integer(a.Tactic);      // 24
  walk.Bytes(a.AppendixTail);  // 26, ends at 34
}

}  // namespace

GeneralRecord UnpackRecord(std::span<const uint8_t, kRecordSize> bytes) {
  GeneralRecord record;
  UnpackRecordInto(bytes, record);
  return record;
}

void UnpackRecordInto(std::span<const uint8_t, kRecordSize> bytes, GeneralRecord& record) {
  Unpacker walk(bytes.data());
  WalkRecord(walk, record);
}

void PackRecord(const GeneralRecord& record, std::span<uint8_t, kRecordSize> out) {
  Packer walk(out.data());
  WalkRecord(walk, record);
}

GeneralAppendix UnpackAppendix(std::span<const uint8_t, kAppendixSize> bytes) {
  GeneralAppendix appendix;
  UnpackAppendixInto(bytes, appendix);
  return appendix;
}

void UnpackAppendixInto(std::span<const uint8_t, kAppendixSize> bytes, GeneralAppendix& appendix) {
  Unpacker walk(bytes.data());
  WalkAppendix(walk, appendix);
}

void PackAppendix(const GeneralAppendix& appendix, std::span<uint8_t, kAppendixSize> out) {
  Packer walk(out.data());
  WalkAppendix(walk, appendix);
}

}  // namespace tavlor
