#include "core/portraits/FaceOriginals.h"

#include <algorithm>
#include <system_error>

#include "core/data/FileCalls.h"
#include "core/data/PathText.h"
#include "core/data/SafeFileWrite.h"
#include "core/portraits/FaceArchiveWriter.h"
#include "core/portraits/FacePatch.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

constexpr char kMagic[8] = {'T', 'V', 'F', 'A', 'C', 'E', 'O', '1'};

fs::path OriginalPathOf(const fs::path& archive, int32_t index) {
  return OriginalsFolderOf(archive) / ("face-" + std::to_string(index) + ".bin");
}

std::string Encode(const FaceImage& face) {
  std::string out(kMagic, sizeof kMagic);
  out.push_back(static_cast<char>(face.Width & 0xff));
  out.push_back(static_cast<char>(face.Width >> 8));
  out.push_back(static_cast<char>(face.Height & 0xff));
  out.push_back(static_cast<char>(face.Height >> 8));
  out.append(reinterpret_cast<const char*>(face.Rgb.data()), face.Rgb.size());
  return out;
}

std::optional<FaceImage> Decode(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 8, kMagic, 8) != 0) return std::nullopt;
  FaceImage face;
  face.Width = static_cast<uint8_t>(bytes[8]) | (static_cast<uint8_t>(bytes[9]) << 8);
  face.Height = static_cast<uint8_t>(bytes[10]) | (static_cast<uint8_t>(bytes[11]) << 8);
  if (face.Width < 1 || face.Width > 256 || face.Height < 1 || face.Height > 256 ||
      bytes.size() != 12 + static_cast<std::size_t>(face.Width) * face.Height * 3)
    return std::nullopt;
  face.Rgb.assign(bytes.begin() + 12, bytes.end());
  return face;
}

bool WriteFace(const fs::path& archive, int32_t index, const FaceImage& picture, std::string* error) {
  std::error_code code;
  const uint64_t size = fs::file_size(archive, code);
  if (code) {
    *error = TextOfPath(archive) + ": cannot read its size: " + code.message();
    return false;
  }
  std::string reason;
  const auto patch = PlanFaceReplacement(
      size, [&](uint64_t at, char* out, std::size_t n) { return ReadArchiveBytes(archive, at, out, n); },
      index, picture, &reason);
  if (!patch) {
    *error = TextOfPath(archive) + ": " + reason;
    return false;
  }
  return WriteFacePatch(archive, *patch, error);
}

}  // namespace

fs::path OriginalsFolderOf(const fs::path& archive) {
  fs::path folder = archive;
  folder += ".originals";
  return folder;
}

bool ImportFace(const fs::path& archive, int32_t index, const FaceImage& picture, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (!RecoverFaceArchive(archive, nullptr, error)) return false;
  const fs::path original = OriginalPathOf(archive, index);
  std::error_code code;
  if (!fs::exists(original, code)) {
    std::string reason;
    auto opened = FaceArchive::Open(archive, &reason);
    std::optional<FaceImage> face = opened ? opened->ReadFace(index) : std::nullopt;
    if (!face) {
      *error = opened ? TextOfPath(archive) + ": face " + std::to_string(index) + " cannot be read" : reason;
      return false;
    }
    fs::create_directory(OriginalsFolderOf(archive), code);
    if (code) {
      *error = TextOfPath(OriginalsFolderOf(archive)) +
               ": cannot make the originals folder: " + code.message() + "; nothing was written";
      return false;
    }
    const FileError kept = ReplaceFileSafely(original, Encode(*face), BackupPolicy::LeaveAlone());
    if (kept && !kept.NewContentInPlace) {
      *error = DescribeFileError(kept) + "; nothing was written";
      return false;
    }
  }
  return WriteFace(archive, index, picture, error);
}

std::optional<FaceImage> ReadKeptOriginal(const fs::path& archive, int32_t index, std::string* error) {
  const fs::path original = OriginalPathOf(archive, index);
  std::error_code code;
  const uint64_t size = fs::file_size(original, code);
  if (code || size > 12 + 256 * 256 * 3) {
    *error = TextOfPath(archive) + ": no original of face " + std::to_string(index) + " is kept";
    return std::nullopt;
  }
  std::string bytes(size, '\0');
  std::optional<FaceImage> face;
  if (ReadArchiveBytes(original, 0, bytes.data(), bytes.size())) face = Decode(bytes);
  if (!face) *error = TextOfPath(original) + ": not a kept face";
  return face;
}

bool RestoreFace(const fs::path& archive, int32_t index, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (!RecoverFaceArchive(archive, nullptr, error)) return false;
  const std::optional<FaceImage> face = ReadKeptOriginal(archive, index, error);
  return face && WriteFace(archive, index, *face, error);
}

bool RestoreAllFaces(const fs::path& archive, std::vector<int32_t>* restored, std::string* error) {
  if (restored) restored->clear();
  for (const int32_t index : KeptOriginals(archive)) {
    if (!RestoreFace(archive, index, error)) return false;
    if (restored) restored->push_back(index);
  }
  return true;
}

std::vector<int32_t> KeptOriginals(const fs::path& archive) {
  std::vector<int32_t> faces;
  std::error_code code;
  for (fs::directory_iterator it(OriginalsFolderOf(archive), code), end; !code && it != end;
       it.increment(code)) {
    const std::string name = TextOfPath(it->path().filename());
    if (name.rfind("face-", 0) != 0 || name.size() < 10 || name.compare(name.size() - 4, 4, ".bin") != 0)
      continue;
    const std::string digits = name.substr(5, name.size() - 9);
    if (digits.empty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), ::isdigit))
      continue;
    faces.push_back(std::stoi(digits));
  }
  std::sort(faces.begin(), faces.end());
  return faces;
}

}  // namespace tavlor
