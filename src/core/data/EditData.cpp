// Reading the edit-data file into the General table and writing it back. A load that fails (the file
// cannot be read, or is no edit-data file) fails before the table is touched.
#include "core/data/EditData.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <memory>
#include <optional>
#include <span>
#include <system_error>

#include "core/data/ByteOrder.h"
#include "core/data/EditDataRecognition.h"
#include "core/data/SafeFileWrite.h"

namespace tavlor {
namespace {

// The longest file that can carry meaning: the header and 1000 entries with every flag set.
// Bytes behind it are never read, so a huge file costs no more than this.
constexpr std::size_t kLinkPairCount = 3;
constexpr std::size_t kLongestEntry = kRecordSize + kLinkPairCount * 8 + kAppendixSize;
constexpr std::size_t kLongestFile = kHeaderSize + kSlotCount * kLongestEntry;
constexpr std::size_t kBirthYearOffset = 257;

// Reads the link pairs of one entry from `at`. A value follows only a flag of 1; any other flag
// leaves the pair's value as the slot held it. Returns false when the bytes run out.
bool ReadLinks(std::span<const uint8_t> bytes, std::size_t& at, GeneralLinks& links) {
  const auto readPair = [&](int32_t& flag, int32_t& value) {
    if (bytes.size() - at < 4) return false;
    flag = ReadLong(bytes.data() + at);
    at += 4;
    if (flag != 1) return true;
    if (bytes.size() - at < 4) return false;
    value = ReadLong(bytes.data() + at);
    at += 4;
    return true;
  };
  return readPair(links.HiddenLinkFlag, links.HiddenLinkNo) &&
         readPair(links.FavouredFlag, links.FavouredNo) && readPair(links.DislikedFlag, links.DislikedNo);
}

void AppendLinks(std::string& out, const GeneralLinks& links) {
  const auto appendLong = [&out](int32_t value) {
    uint8_t bytes[4];
    WriteLong(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
  };
  const auto appendPair = [&](int32_t flag, int32_t value) {
    appendLong(flag);
    if (flag == 1) appendLong(value);
  };
  appendPair(links.HiddenLinkFlag, links.HiddenLinkNo);
  appendPair(links.FavouredFlag, links.FavouredNo);
  appendPair(links.DislikedFlag, links.DislikedNo);
}

// The system's reason for the last failed call, read right after it failed.
std::string LastSystemReason() {
  const int code = errno;
  return code != 0 ? std::generic_category().message(code) : std::string("unknown error");
}

}  // namespace

LoadReport ParseEditData(std::string_view text, GeneralTable& table) {
  LoadReport report;
  if (std::optional<std::string> reason = WhyNotEditData(text)) {
    report.Error = {FileError::Kind::NotEditData, {}, std::move(*reason)};
    return report;
  }
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()),
                                       std::min(text.size(), kLongestFile));
  // From here on nothing can fail, so the table is filled in place: an entry reaches its slot only
  // once it was read whole, and slots behind the last one read keep what they held.
  table.HeaderBlock.fill(0);
  const std::size_t headerBytes = std::min(bytes.size(), kHeaderSize);
  std::copy_n(bytes.begin(), headerBytes, table.HeaderBlock.begin());
  if (!bytes.empty() && headerBytes < kHeaderSize) report.TruncatedEntry = true;

  std::size_t at = headerBytes;
  int count = 0;
  while (count < static_cast<int>(kSlotCount) && at < bytes.size()) {
    if (bytes.size() - at < kRecordSize) {
      report.TruncatedEntry = true;
      break;
    }
    GeneralEntry& slot = table.Slots[static_cast<std::size_t>(count)];
    const auto recordBytes = bytes.subspan(at).first<kRecordSize>();
    if (ReadLong(recordBytes.data() + kBirthYearOffset) < 1) {
      // The terminating record lands in the slot; its links and appendix are never read.
      UnpackRecordInto(recordBytes, slot.Record);
      break;
    }
    std::size_t entryAt = at + kRecordSize;
    GeneralLinks links = slot.Links;
    if (!ReadLinks(bytes, entryAt, links) || bytes.size() - entryAt < kAppendixSize) {
      report.TruncatedEntry = true;
      break;
    }
    UnpackRecordInto(recordBytes, slot.Record);
    slot.Links = links;
    UnpackAppendixInto(bytes.subspan(entryAt).first<kAppendixSize>(), slot.Appendix);
    at = entryAt + kAppendixSize;
    ++count;
  }
  table.GeneralCount = count;
  return report;
}

LoadReport LoadEditData(const std::filesystem::path& file, GeneralTable& table) {
  LoadReport report;
  std::error_code code;
  const std::filesystem::file_status status = std::filesystem::status(file, code);
  if (!std::filesystem::exists(status)) {
    // A new file is created empty, as the game's own first run expects; a missing folder is an
    // error that names the file.
    errno = 0;
    std::ofstream create(file, std::ios::binary | std::ios::app);
    if (!create) {
      report.Error = {FileError::Kind::CannotOpen, file, LastSystemReason()};
      return report;
    }
  }
  if (std::filesystem::is_directory(status)) {
    report.Error = {FileError::Kind::CannotOpen, file, "Is a directory"};
    return report;
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    report.Error = {FileError::Kind::CannotOpen, file, LastSystemReason()};
    return report;
  }
  // Only the bytes that can carry meaning are read, into a buffer of the file's size that nothing
  // fills before the read does.
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || !in) {
    report.Error = {FileError::Kind::CannotRead, file, "cannot tell the file's size"};
    return report;
  }
  const std::size_t wanted = std::min(static_cast<std::size_t>(size), kLongestFile);
  const auto buffer = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(wanted, 1));
  in.read(buffer.get(), static_cast<std::streamsize>(wanted));
  if (in.bad()) {
    report.Error = {FileError::Kind::CannotRead, file, "read error"};
    return report;
  }
  report = ParseEditData(std::string_view(buffer.get(), static_cast<std::size_t>(in.gcount())), table);
  if (report.Error) report.Error.Path = file;
  return report;
}

std::string SerializeEditData(const GeneralTable& table) {
  const auto count = static_cast<std::size_t>(std::clamp(table.GeneralCount, 0, int{kSlotCount}));
  std::string out;
  out.reserve(kHeaderSize + kSlotCount * kLongestEntry);
  out.append(reinterpret_cast<const char*>(table.HeaderBlock.data()), kHeaderSize);
  std::array<uint8_t, kRecordSize> record;
  std::array<uint8_t, kAppendixSize> appendix;
  for (std::size_t slot = 0; slot < count; ++slot) {
    const GeneralEntry& entry = table.Slots[slot];
    PackRecord(entry.Record, record);
    out.append(reinterpret_cast<const char*>(record.data()), record.size());
    AppendLinks(out, entry.Links);
    PackAppendix(entry.Appendix, appendix);
    out.append(reinterpret_cast<const char*>(appendix.data()), appendix.size());
  }
  // Unused entries are Blank slots, so the file always holds 1000 entries.
  for (std::size_t slot = count; slot < kSlotCount; ++slot)
    out.append(reinterpret_cast<const char*>(table.BlankSlot.data()), kBlankSlotSize);
  return out;
}

FileError SaveEditData(const std::filesystem::path& file, const GeneralTable& table,
                       const BackupPolicy& backup) {
  // A file that is no edit-data file is never replaced, whatever the table holds. The look is
  // closed before the file is replaced: Windows refuses to rename over a file that is still open.
  {
    std::ifstream current(file, std::ios::binary);
    if (current) {
      std::string start(EditDataRecognitionLength(), '\0');
      current.read(start.data(), static_cast<std::streamsize>(start.size()));
      start.resize(static_cast<std::size_t>(current.gcount()));
      if (std::optional<std::string> reason = WhyNotEditData(start))
        return {FileError::Kind::NotEditData, file, std::move(*reason)};
    }
  }
  return ReplaceFileSafely(file, SerializeEditData(table), backup);
}

void LoadBlankSlot(const std::filesystem::path& file, GeneralTable& table) {
  table.BlankSlot.fill(0);
  std::ifstream in(file, std::ios::binary);
  if (!in) return;
  in.read(reinterpret_cast<char*>(table.BlankSlot.data()), kBlankSlotSize);
}

}  // namespace tavlor
