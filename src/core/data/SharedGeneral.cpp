// Writing and reading the shared-general file.
#include "core/data/SharedGeneral.h"

#include <array>
#include <cstdint>
#include <span>

#include "core/data/ByteOrder.h"
#include "core/data/EntryBytes.h"

namespace tavlor {
namespace {

constexpr std::size_t kFormatNameSize = 16;
constexpr std::size_t kVersionOffset = 16;
constexpr std::size_t kLengthOffset = 18;
constexpr std::size_t kChecksumOffset = 20;

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

uint32_t Crc32(std::string_view bytes) {
  static constexpr std::array<uint32_t, 256> kTable = MakeCrcTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes) crc = kTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFFu] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

const uint8_t* Bytes(std::string_view text, std::size_t at) {
  return reinterpret_cast<const uint8_t*>(text.data()) + at;
}

}  // namespace

std::string EncodeSharedGeneral(const GeneralEntry& entry) {
  std::string entryBytes;
  AppendEntryBytes(entryBytes, entry);
  std::string out(kSharedGeneralHeaderSize, '\0');
  out.replace(0, kSharedGeneralFormatName.size(), kSharedGeneralFormatName);
  auto* header = reinterpret_cast<uint8_t*>(out.data());
  WriteInteger(header + kVersionOffset, static_cast<int16_t>(kSharedGeneralVersion));
  WriteInteger(header + kLengthOffset, static_cast<int16_t>(entryBytes.size()));
  WriteLong(header + kChecksumOffset, static_cast<int32_t>(Crc32(entryBytes)));
  return out + entryBytes;
}

DecodedSharedGeneral DecodeSharedGeneral(std::string_view bytes) {
  DecodedSharedGeneral decoded;
  const std::string_view name = bytes.substr(0, kFormatNameSize);
  std::string expectedName(kSharedGeneralFormatName);
  expectedName.resize(kFormatNameSize, '\0');
  if (name != expectedName) {
    decoded.Problem = SharedGeneralProblem::NotSharedGeneral;
    return decoded;
  }
  if (bytes.size() < kSharedGeneralHeaderSize) {
    decoded.Problem = SharedGeneralProblem::Damaged;
    return decoded;
  }
  const auto version = static_cast<uint16_t>(ReadInteger(Bytes(bytes, kVersionOffset)));
  if (version > kSharedGeneralVersion) {
    decoded.Problem = SharedGeneralProblem::NewerVersion;
    return decoded;
  }
  const auto length = static_cast<uint16_t>(ReadInteger(Bytes(bytes, kLengthOffset)));
  const auto checksum = static_cast<uint32_t>(ReadLong(Bytes(bytes, kChecksumOffset)));
  const std::string_view entryBytes = bytes.substr(kSharedGeneralHeaderSize);
  std::size_t entryLength = 0;
  std::optional<GeneralEntry> entry;
  if (version == kSharedGeneralVersion && entryBytes.size() == length && Crc32(entryBytes) == checksum) {
    entry = ReadEntryBytes(std::span(Bytes(entryBytes, 0), entryBytes.size()), entryLength);
  }
  // The entry must fill the file exactly, as its link flags say.
  if (!entry || entryLength != entryBytes.size()) {
    decoded.Problem = SharedGeneralProblem::Damaged;
    return decoded;
  }
  decoded.Entry = entry;
  return decoded;
}

}  // namespace tavlor
