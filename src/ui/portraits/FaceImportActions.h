// What the import window asks of the program: the face slot's stored sizes and current pictures,
// the registered generals that use it, and the import or restore as a pending edit of the open
// edit data (undone and redone with the table's edits, written by 保存数据). Every window that
// shows faces hears of a change through FaceEvents.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceCategories.h"
#include "core/portraits/FaceNumbers.h"

namespace tavlor {

struct ProgramContext;

// One face of the two sets: one index names the same portrait in the three archives of its set.
struct FaceSlot {
  FaceSet Set = FaceSet::Edit;
  int32_t Index = 0;
  bool operator==(const FaceSlot&) const = default;
};

// Told whenever a pending face is imported, restored, undone, redone, saved or dropped, so every
// window showing faces draws them again.
class FaceEvents : public QObject {
  Q_OBJECT
 public:
  static FaceEvents& Instance();
 signals:
  void facesChanged();
};

// Has every window draw the pending faces of `context` in place of the archives' own, for the run.
void ShowPendingFacesOf(const ProgramContext& context);

// Sizes and pictures are in the order large, medium, small.
inline constexpr std::array<FaceArchiveSize, 3> kFaceArchiveSizes = {
    FaceArchiveSize::Large, FaceArchiveSize::Medium, FaceArchiveSize::Small};

// The face's stored Width x Height in each archive of its set; nothing and a message for the player
// when an archive cannot be read or the face lies outside its tables or fits no texture side.
std::optional<std::array<QSize, 3>> StoredFaceSizes(const ProgramContext& context, FaceSlot slot,
                                                    QString* error);

// The faces a set offers: the entries all three of its archives hold (0 when one cannot be read).
int32_t FaceCountOf(const ProgramContext& context, FaceSet set);

// The face as the program shows it now at each size: the pending import when there is one, else
// the archive's; a null image where it cannot be read.
std::array<QImage, 3> CurrentFacePictures(const ProgramContext& context, FaceSlot slot);

// The names of the registered generals of the open table whose face is this one.
QStringList GeneralsUsingFace(const ProgramContext& context, FaceSlot slot);

// The slot the window opens on: the shown general's own face when it is an edit face, else edit
// face 0.
FaceSlot InitialImportSlot(const ProgramContext& context);

// Records `pictures` (exactly StoredFaceSizes each) as the slot's pending face: one undoable edit.
// False and a message when the archives cannot take it.
bool ImportPendingFace(ProgramContext& context, FaceSlot slot, const std::array<FaceImage, 3>& pictures,
                       QString* error);

// Whether 恢复原肖像 would change the face (any face of `set` when `index` is nothing): it shows a
// pending import, or a picture other than the originals kept beside the archives.
bool CanRestoreFace(const ProgramContext& context, FaceSet set, std::optional<int32_t> index);

// 恢复原肖像: face `index` of `set` (every face Tavlor changed in that set when nothing) goes back
// to its original as one pending, undoable edit: the kept original where there is one, else the
// archive's own face (which drops a pending import). False and a message when there is nothing to
// put back or the archives cannot be read.
bool RestorePendingFaces(ProgramContext& context, FaceSet set, std::optional<int32_t> index, QString* error);

}  // namespace tavlor
