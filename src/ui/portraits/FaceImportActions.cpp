// The import window's requests turned into the core's pending faces and face steps of the edit
// history; the archives are only read here (保存数据 writes them).
#include "ui/portraits/FaceImportActions.h"

#include <algorithm>
#include <set>

#include "core/app/PathSettings.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/editor/GridRows.h"
#include "core/lang/LanguageState.h"
#include "core/portraits/FaceArchiveWriter.h"
#include "core/portraits/FaceOriginals.h"
#include "core/portraits/FacePatch.h"
#include "core/text/TextTables.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/TextCodec.h"
#include "ui/portraits/FaceDrawing.h"

namespace tavlor {
namespace fs = std::filesystem;
namespace {

fs::path ArchiveFile(const ProgramContext& context, FaceSet set, FaceArchiveSize size) {
  return ResolveGameFile(FaceArchivePath(context.Paths, set, size));
}

QString FileText(const fs::path& file) {
  return TextOfFilePath(file);
}

// The archive's own face, read without touching the windows' shared open archive.
std::optional<FaceImage> ArchiveFace(const fs::path& file, int32_t index) {
  std::string reason;
  auto archive = FaceArchive::Open(file, &reason);
  return archive ? archive->ReadFace(index) : std::nullopt;
}

// The face as the program shows it: pending, else the archive's; nothing when it cannot be read.
std::optional<FacePictures> ShownPictures(const ProgramContext& context, FaceSlot slot) {
  if (const FacePictures* pending = context.Faces.Find(FaceKey{slot.Set, slot.Index})) return *pending;
  FacePictures pictures;
  for (std::size_t size = 0; size < kFaceArchiveSizes.size(); ++size) {
    std::optional<FaceImage> face =
        ArchiveFace(ArchiveFile(context, slot.Set, kFaceArchiveSizes[size]), slot.Index);
    if (!face) return std::nullopt;
    pictures[size] = std::move(*face);
  }
  return pictures;
}

// Keeps the archives' stamps for the save's check, and makes sure they can take a face at all.
bool CheckArchivesTakeFace(ProgramContext& context, FaceSlot slot, const FacePictures& pictures,
                           QString* error) {
  for (std::size_t size = 0; size < kFaceArchiveSizes.size(); ++size) {
    const fs::path file = ArchiveFile(context, slot.Set, kFaceArchiveSizes[size]);
    std::string reason;
    std::error_code code;
    const uint64_t bytes = fs::file_size(file, code);
    const auto reader = [&](uint64_t at, char* out, std::size_t n) {
      return ReadArchiveBytes(file, at, out, n);
    };
    const std::optional<ArchiveStamp> stamp = code ? std::nullopt : ReadArchiveStamp(file, &reason);
    if (!stamp || !PlanFaceReplacement(bytes, reader, slot.Index, pictures[size], &reason)) {
      *error = InInterfaceScript(QStringLiteral("这个肖像文件不能写入新肖像：%1\n%2"))
                   .arg(FileText(file), QString::fromStdString(code ? code.message() : reason));
      return false;
    }
    context.Faces.KeepStampOnce(file, *stamp);
  }
  return true;
}

std::set<int32_t> FacesToPutBack(const ProgramContext& context, FaceSet set, std::optional<int32_t> index) {
  std::set<int32_t> faces;
  if (index) {
    faces.insert(*index);
    return faces;
  }
  for (const FaceArchiveSize size : kFaceArchiveSizes)
    for (const int32_t kept : KeptOriginals(ArchiveFile(context, set, size))) faces.insert(kept);
  for (const auto& [key, pictures] : context.Faces.All())
    if (key.Set == set) faces.insert(key.Index);
  return faces;
}

bool SamePictures(const FacePictures& a, const FacePictures& b) {
  for (std::size_t size = 0; size < a.size(); ++size)
    if (a[size].Width != b[size].Width || a[size].Height != b[size].Height || a[size].Rgb != b[size].Rgb)
      return false;
  return true;
}

// What 恢复原肖像 would do to the face: from the pictures shown now to the kept originals (the
// archive's own face in a size Tavlor never changed). Nothing when the face already shows them or
// Tavlor never touched it; nothing and a message in `error` when a picture cannot be read.
std::optional<FaceChange> PutBackChange(const ProgramContext& context, FaceSlot slot, QString* error) {
  std::optional<FacePictures> before = ShownPictures(context, slot);
  if (!before) {
    *error = InInterfaceScript(QStringLiteral("无法读取第 %1 号肖像。")).arg(slot.Index);
    return std::nullopt;
  }
  FacePictures original;
  bool anyKept = false;
  for (std::size_t size = 0; size < kFaceArchiveSizes.size(); ++size) {
    const fs::path file = ArchiveFile(context, slot.Set, kFaceArchiveSizes[size]);
    const std::vector<int32_t> kept = KeptOriginals(file);
    std::string reason;
    std::optional<FaceImage> picture;
    if (std::binary_search(kept.begin(), kept.end(), slot.Index)) {
      picture = ReadKeptOriginal(file, slot.Index, &reason);
      anyKept = true;
    } else {
      picture = ArchiveFace(file, slot.Index);  // never changed by Tavlor: the archive holds the original
      if (!picture) reason = "face " + std::to_string(slot.Index) + " cannot be read";
    }
    if (!picture) {
      *error = InInterfaceScript(QStringLiteral("无法读取原肖像：%1\n%2"))
                   .arg(FileText(file), QString::fromStdString(reason));
      return std::nullopt;
    }
    original[size] = std::move(*picture);
  }
  const bool pending = context.Faces.Find(FaceKey{slot.Set, slot.Index}) != nullptr;
  if ((!anyKept && !pending) || SamePictures(*before, original)) return std::nullopt;
  return FaceChange{FaceKey{slot.Set, slot.Index}, std::move(*before), std::move(original)};
}

void Announce() {
  emit FaceEvents::Instance().facesChanged();
}

}  // namespace

FaceEvents& FaceEvents::Instance() {
  static FaceEvents events;
  return events;
}

void ShowPendingFacesOf(const ProgramContext& context) {
  SetPendingFaceLookup([&context](const std::string& path, int index) -> const FaceImage* {
    if (context.Faces.Empty()) return nullptr;
    for (const FaceSet set : {FaceSet::Edit, FaceSet::Game})
      for (const FaceArchiveSize size : kFaceArchiveSizes)
        if (FaceArchivePath(context.Paths, set, size) == path)
          return context.Faces.Find(FaceKey{set, index}, size);
    return nullptr;
  });
}

std::optional<std::array<QSize, 3>> StoredFaceSizes(const ProgramContext& context, FaceSlot slot,
                                                    QString* error) {
  std::array<QSize, 3> sizes;
  for (std::size_t size = 0; size < kFaceArchiveSizes.size(); ++size) {
    const fs::path file = ArchiveFile(context, slot.Set, kFaceArchiveSizes[size]);
    std::string reason;
    auto archive = FaceArchive::Open(file, &reason);
    if (!archive) {
      *error = InInterfaceScript(QStringLiteral("无法读取肖像文件：%1\n%2"))
                   .arg(FileText(file), QString::fromStdString(reason));
      return std::nullopt;
    }
    if (slot.Index < 0 || slot.Index >= archive->EntryCount() || slot.Index >= archive->SizeCount()) {
      *error = InInterfaceScript(QStringLiteral("肖像文件中没有第 %1 号肖像：%2"))
                   .arg(slot.Index)
                   .arg(FileText(file));
      return std::nullopt;
    }
    const FaceSize stored = archive->Sizes()[static_cast<std::size_t>(slot.Index)];
    const std::optional<int> side = TextureSide(stored.Width);
    if (!side || stored.Height < 1 || stored.Height > *side) {
      *error = InInterfaceScript(QStringLiteral("第 %1 号肖像的尺寸（%2 × %3）不合肖像文件的规则：%4"))
                   .arg(slot.Index)
                   .arg(stored.Width)
                   .arg(stored.Height)
                   .arg(FileText(file));
      return std::nullopt;
    }
    sizes[size] = QSize(stored.Width, stored.Height);
  }
  return sizes;
}

int32_t FaceCountOf(const ProgramContext& context, FaceSet set) {
  int32_t count = -1;
  for (const FaceArchiveSize size : kFaceArchiveSizes) {
    std::string reason;
    auto archive = FaceArchive::Open(ArchiveFile(context, set, size), &reason);
    if (!archive) return 0;
    const int32_t faces = std::min(archive->EntryCount(), archive->SizeCount());
    count = count < 0 ? faces : std::min(count, faces);
  }
  return std::max(count, 0);
}

std::array<QImage, 3> CurrentFacePictures(const ProgramContext& context, FaceSlot slot) {
  std::array<QImage, 3> images;
  const FacePictures* pending = context.Faces.Find(FaceKey{slot.Set, slot.Index});
  for (std::size_t size = 0; size < kFaceArchiveSizes.size(); ++size) {
    if (pending) {
      images[size] = FaceImageToQImage((*pending)[size]);
    } else if (auto face = ArchiveFace(ArchiveFile(context, slot.Set, kFaceArchiveSizes[size]), slot.Index)) {
      images[size] = FaceImageToQImage(*face);
    }
  }
  return images;
}

QStringList GeneralsUsingFace(const ProgramContext& context, FaceSlot slot) {
  QStringList names;
  const int count = std::clamp(context.Table.GeneralCount, 0, static_cast<int>(kSlotCount));
  for (int index = 0; index < count; ++index) {
    const GeneralEntry& entry = context.Table.Slots[static_cast<std::size_t>(index)];
    const ResolvedFace face = ResolveFace(entry.Record.FaceNo);
    if (face.Set != slot.Set || face.Index != slot.Index) continue;
    const GridGeneralRow row =
        GridRowOfGeneral(index, entry, SharedTextTables(), SharedLanguageState().IsSimplified());
    names.push_back(FromInterfaceBytes(row.Name.Text));
  }
  return names;
}

FaceSlot InitialImportSlot(const ProgramContext& context) {
  const int32_t code = context.State.CurFace;
  if (code >= 1700 && code < 2800) return FaceSlot{FaceSet::Edit, code - 1700};
  return FaceSlot{FaceSet::Edit, 0};
}

bool ImportPendingFace(ProgramContext& context, FaceSlot slot, const std::array<FaceImage, 3>& pictures,
                       QString* error) {
  const std::optional<std::array<QSize, 3>> sizes = StoredFaceSizes(context, slot, error);
  if (!sizes) return false;
  for (std::size_t size = 0; size < sizes->size(); ++size) {
    if (QSize(pictures[size].Width, pictures[size].Height) != (*sizes)[size] ||
        pictures[size].Rgb.size() !=
            static_cast<std::size_t>(pictures[size].Width) * pictures[size].Height * 3) {
      *error = InInterfaceScript(QStringLiteral("新肖像的尺寸与肖像文件中的不一致。"));
      return false;
    }
  }
  std::optional<FacePictures> before = ShownPictures(context, slot);
  if (!before) {
    *error = InInterfaceScript(QStringLiteral("无法读取第 %1 号肖像。")).arg(slot.Index);
    return false;
  }
  if (!CheckArchivesTakeFace(context, slot, pictures, error)) return false;
  context.History.RecordFaces(context.Faces,
                              {FaceChange{FaceKey{slot.Set, slot.Index}, std::move(*before), pictures}});
  Announce();
  return true;
}

bool CanRestoreFace(const ProgramContext& context, FaceSet set, std::optional<int32_t> index) {
  for (const int32_t face : FacesToPutBack(context, set, index)) {
    QString ignored;
    if (PutBackChange(context, FaceSlot{set, face}, &ignored)) return true;
  }
  return false;
}

bool RestorePendingFaces(ProgramContext& context, FaceSet set, std::optional<int32_t> index, QString* error) {
  std::vector<FaceChange> changes;
  for (const int32_t face : FacesToPutBack(context, set, index)) {
    error->clear();
    std::optional<FaceChange> change = PutBackChange(context, FaceSlot{set, face}, error);
    if (!error->isEmpty()) return false;
    if (!change) continue;
    if (!CheckArchivesTakeFace(context, FaceSlot{set, face}, change->After, error)) return false;
    changes.push_back(std::move(*change));
  }
  if (changes.empty()) {
    *error = InInterfaceScript(QStringLiteral("没有需要恢复的肖像：它们已经是原肖像。"));
    return false;
  }
  context.History.RecordFaces(context.Faces, std::move(changes));
  Announce();
  return true;
}

}  // namespace tavlor
