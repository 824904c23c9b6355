#include "core/portraits/FacePatch.h"

#include <limits>

namespace tavlor {
namespace {

constexpr std::size_t kHeaderBytes = 32;
constexpr std::size_t kEntryRowBytes = 8;
constexpr std::size_t kSizeRowBytes = 12;
constexpr std::size_t kImageHeaderBytes = 56;
constexpr std::size_t kPixelBytes = 4;
constexpr char kJournalMagic[8] = {'T', 'V', 'F', 'A', 'C', 'E', 'J', '1'};

uint32_t Long(const char* at) {
  uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<uint8_t>(at[b]);
  return value;
}

int16_t Integer(const char* at) {
  return static_cast<int16_t>(
      static_cast<uint16_t>(static_cast<uint8_t>(at[0]) | (static_cast<uint8_t>(at[1]) << 8)));
}

void PutLong(std::string& out, uint64_t value, int bytes) {
  for (int b = 0; b < bytes; ++b) out.push_back(static_cast<char>((value >> (8 * b)) & 0xff));
}

uint64_t TakeLong(std::string_view bytes, std::size_t at, int count) {
  uint64_t value = 0;
  for (int b = count - 1; b >= 0; --b) value = (value << 8) | static_cast<uint8_t>(bytes[at + b]);
  return value;
}

// FNV-1a: enough to tell a torn journal from a whole one; it guards against a crash, not an attacker.
uint64_t Checksum(std::string_view bytes) {
  uint64_t hash = 1469598103934665603ull;
  for (char c : bytes) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

bool Fits(uint64_t offset, uint64_t length, uint64_t fileSize) {
  return offset <= fileSize && length <= fileSize - offset;
}

// Writes the picture's RGB into the BGRx rows of `block` (rows of `rowBytes`), keeping the fourth
// byte of every pixel and everything right of the face's width.
void PaintRows(std::string& block, std::size_t rowBytes, const FaceImage& picture) {
  const uint8_t* in = picture.Rgb.data();
  for (int y = 0; y < picture.Height; ++y) {
    char* pixel = block.data() + static_cast<std::size_t>(y) * rowBytes;
    for (int x = 0; x < picture.Width; ++x, pixel += kPixelBytes, in += 3) {
      pixel[0] = static_cast<char>(in[2]);  // blue
      pixel[1] = static_cast<char>(in[1]);  // green
      pixel[2] = static_cast<char>(in[0]);  // red
    }
  }
}

}  // namespace

std::optional<FacePatch> PlanFaceReplacement(uint64_t fileSize, const ArchiveReader& read, int32_t index,
                                             const FaceImage& picture, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<FacePatch> {
    if (error) *error = why;
    return std::nullopt;
  };
  char header[kHeaderBytes];
  if (fileSize < kHeaderBytes || !read(0, header, kHeaderBytes))
    return fail("shorter than the 32-byte face archive header");
  const int32_t entryCount = static_cast<int32_t>(Long(header + 4));
  const int32_t entryTable = static_cast<int32_t>(Long(header + 8));
  const int32_t sizeCount = static_cast<int32_t>(Long(header + 12));
  const int32_t sizeTable = static_cast<int32_t>(Long(header + 16));
  if (entryCount < 1 || sizeCount < 1 || entryTable < 0 || sizeTable < 0 ||
      !Fits(static_cast<uint64_t>(entryTable), static_cast<uint64_t>(entryCount) * kEntryRowBytes,
            fileSize) ||
      !Fits(static_cast<uint64_t>(sizeTable), static_cast<uint64_t>(sizeCount) * kSizeRowBytes, fileSize))
    return fail("the header's tables do not fit in the file");
  if (index < 0 || index >= entryCount || index >= sizeCount)
    return fail("face " + std::to_string(index) + " is outside the archive's tables (" +
                std::to_string(std::min(entryCount, sizeCount)) + " faces)");

  char sizeRow[kSizeRowBytes];
  if (!read(static_cast<uint64_t>(sizeTable) + static_cast<uint64_t>(index) * kSizeRowBytes, sizeRow,
            kSizeRowBytes))
    return fail("cannot read the size table");
  const int width = Integer(sizeRow + 4);
  const int height = Integer(sizeRow + 6);
  const std::optional<int> side = TextureSide(width);
  if (!side || height < 1 || height > *side)
    return fail("face " + std::to_string(index) + " claims " + std::to_string(width) + " x " +
                std::to_string(height) + " pixels, which does not fit a texture of 64, 128 or 256");
  if (picture.Width != width || picture.Height != height ||
      picture.Rgb.size() != static_cast<std::size_t>(width) * height * 3)
    return fail("the picture is " + std::to_string(picture.Width) + " x " + std::to_string(picture.Height) +
                " but face " + std::to_string(index) + " is " + std::to_string(width) + " x " +
                std::to_string(height));

  // Every entry's offset: the face's record is shared when another entry names it too.
  std::string entries(static_cast<std::size_t>(entryCount) * kEntryRowBytes, '\0');
  if (!read(static_cast<uint64_t>(entryTable), entries.data(), entries.size()))
    return fail("cannot read the entry table");
  const uint32_t record = Long(entries.data() + static_cast<std::size_t>(index) * kEntryRowBytes);
  if (static_cast<int32_t>(record) < 0)
    return fail("face " + std::to_string(index) + " names no image record");
  bool shared = false;
  for (int32_t other = 0; other < entryCount && !shared; ++other)
    shared =
        other != index && Long(entries.data() + static_cast<std::size_t>(other) * kEntryRowBytes) == record;

  const std::size_t rowBytes = static_cast<std::size_t>(*side) * kPixelBytes;
  const uint64_t pixels = static_cast<uint64_t>(record) + kImageHeaderBytes;
  FacePatch patch;
  patch.SizeBefore = fileSize;
  patch.SizeAfter = fileSize;
  if (!shared) {
    // One range over the face's rows; the bytes right of its width are written back unchanged.
    const std::size_t length =
        rowBytes * static_cast<std::size_t>(height - 1) + static_cast<std::size_t>(width) * 4;
    if (!Fits(pixels, length, fileSize))
      return fail("face " + std::to_string(index) + "'s image record lies outside the file");
    ByteRange range{pixels, std::string(length, '\0'), {}};
    if (!read(pixels, range.Old.data(), length)) return fail("cannot read face " + std::to_string(index));
    range.New = range.Old;
    PaintRows(range.New, rowBytes, picture);
    patch.Ranges.push_back(std::move(range));
    return patch;
  }

  // A record of its own: the whole shared record copied to the end of the file, then the entry row
  // pointed at the copy. The copy is written first, so a face is never pointed at a partial record.
  const std::size_t recordBytes = kImageHeaderBytes + rowBytes * static_cast<std::size_t>(*side);
  if (!Fits(record, recordBytes, fileSize))
    return fail("face " + std::to_string(index) + "'s shared image record lies outside the file");
  if (fileSize > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
    return fail("the archive is too large for another image record");
  std::string copy(recordBytes, '\0');
  if (!read(record, copy.data(), recordBytes)) return fail("cannot read face " + std::to_string(index));
  std::string body = copy.substr(kImageHeaderBytes);
  PaintRows(body, rowBytes, picture);
  copy.replace(kImageHeaderBytes, body.size(), body);
  patch.SizeAfter = fileSize + recordBytes;
  patch.Ranges.push_back(ByteRange{fileSize, {}, std::move(copy)});

  const uint64_t rowAt = static_cast<uint64_t>(entryTable) + static_cast<uint64_t>(index) * kEntryRowBytes;
  ByteRange pointer{rowAt, entries.substr(static_cast<std::size_t>(index) * kEntryRowBytes, 4), {}};
  PutLong(pointer.New, fileSize, 4);
  patch.Ranges.push_back(std::move(pointer));
  return patch;
}

FacePatch ReversePatch(const FacePatch& patch) {
  FacePatch reverse;
  reverse.SizeBefore = patch.SizeAfter;
  reverse.SizeAfter = patch.SizeAfter;
  for (auto it = patch.Ranges.rbegin(); it != patch.Ranges.rend(); ++it)
    if (it->Old.size() == it->New.size()) reverse.Ranges.push_back(ByteRange{it->Offset, it->New, it->Old});
  return reverse;
}

std::string EncodeJournal(const FacePatch& patch) {
  std::string out(kJournalMagic, sizeof kJournalMagic);
  PutLong(out, patch.SizeBefore, 8);
  PutLong(out, patch.SizeAfter, 8);
  PutLong(out, patch.Ranges.size(), 4);
  for (const ByteRange& range : patch.Ranges) {
    PutLong(out, range.Offset, 8);
    PutLong(out, range.Old.size(), 4);
    PutLong(out, range.New.size(), 4);
    out += range.Old;
    out += range.New;
  }
  PutLong(out, Checksum(out), 8);
  return out;
}

std::optional<FacePatch> DecodeJournal(std::string_view bytes, std::string* error) {
  auto fail = [&](const char* why) -> std::optional<FacePatch> {
    if (error) *error = why;
    return std::nullopt;
  };
  constexpr std::size_t kFixed = sizeof kJournalMagic + 8 + 8 + 4;
  if (bytes.size() < kFixed + 8 ||
      bytes.substr(0, sizeof kJournalMagic) != std::string_view(kJournalMagic, 8))
    return fail("not a whole face journal");
  const std::string_view body = bytes.substr(0, bytes.size() - 8);
  if (TakeLong(bytes, body.size(), 8) != Checksum(body)) return fail("the face journal was cut short");

  FacePatch patch;
  patch.SizeBefore = TakeLong(body, 8, 8);
  patch.SizeAfter = TakeLong(body, 16, 8);
  const uint64_t count = TakeLong(body, 24, 4);
  std::size_t at = kFixed;
  for (uint64_t i = 0; i < count; ++i) {
    if (body.size() - at < 16) return fail("the face journal's ranges run past its end");
    ByteRange range;
    range.Offset = TakeLong(body, at, 8);
    const uint64_t oldLength = TakeLong(body, at + 8, 4);
    const uint64_t newLength = TakeLong(body, at + 12, 4);
    at += 16;
    if (oldLength > body.size() - at || newLength > body.size() - at - oldLength)
      return fail("the face journal's ranges run past its end");
    range.Old = std::string(body.substr(at, oldLength));
    range.New = std::string(body.substr(at + oldLength, newLength));
    at += oldLength + newLength;
    patch.Ranges.push_back(std::move(range));
  }
  if (at != body.size()) return fail("the face journal has bytes after its ranges");
  return patch;
}

}  // namespace tavlor
