// Form2's guards around the edit-data file: nothing unsaved is lost without a question, nothing
// another program wrote is overwritten without a question, and such a write is noticed while the
// window is open.
#include <QFileSystemWatcher>
#include <QTimer>

#include "core/lang/EditSafetyTexts.h"
#include "ui/app/EditDataActions.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form2.h"

namespace tavlor {
namespace {

// Long enough for a writer's burst of events to settle, short enough to feel immediate.
constexpr int kWatchQuietMilliseconds = 250;

QString EditDataFileText(const ProgramContext& context) {
  return TextOfFilePath(EditDataFile(context));
}

}  // namespace

void Form2::ReloadFromFile() {
  ClearGrid();
  SetFlx();
  LoadGeneralsReporting(context_);
  ResetMflx();
  UpdateEditState();
  WatchEditDataFile();
}

bool Form2::WriteGenerals() {
  if (EditDataChangedOnDisk(context_)) {
    const QString question = Caption(texts::ChangedOnDiskBeforeSave) + QStringLiteral("\n") +
                             Caption(texts::FileLabel) + EditDataFileText(context_) + QStringLiteral("\n\n") +
                             Caption(texts::ChangedOnDiskChoices);
    switch (CurrentPrompter().AskReloadOverwriteCancel(question, QStringLiteral("保存数据"))) {
      case ChangedOnDiskAnswer::Reload:
        ReloadFromFile();
        return false;
      case ChangedOnDiskAnswer::Cancel:
        return false;
      case ChangedOnDiskAnswer::Overwrite:
        break;
    }
  }
  const bool written = SaveGeneralsReporting(context_);
  UpdateEditState();
  if (written) WatchEditDataFile();
  return written;
}

bool Form2::SettleUnsavedChanges() {
  if (!context_.History.HasUnsavedChanges()) return true;
  switch (CurrentPrompter().AskSaveDiscardCancel(Caption(texts::UnsavedChangesQuestion),
                                                 QStringLiteral("提示"))) {
    case UnsavedChangesAnswer::Save:
      return WriteGenerals();
    case UnsavedChangesAnswer::Discard:
      return true;
    case UnsavedChangesAnswer::Cancel:
      return false;
  }
  return false;
}

bool Form2::SettleBeforeLeaving() {
  if (!leaving_) leaving_ = SettleUnsavedChanges();
  return leaving_;
}

void Form2::WatchEditDataFile() {
  if (editDataWatcher_ == nullptr) {
    editDataWatcher_ = new QFileSystemWatcher(this);
    watchQuietTime_ = new QTimer(this);
    watchQuietTime_->setSingleShot(true);
    watchQuietTime_->setInterval(kWatchQuietMilliseconds);
    connect(editDataWatcher_, &QFileSystemWatcher::fileChanged, watchQuietTime_, qOverload<>(&QTimer::start));
    connect(editDataWatcher_, &QFileSystemWatcher::directoryChanged, watchQuietTime_,
            qOverload<>(&QTimer::start));
    connect(watchQuietTime_, &QTimer::timeout, this, &Form2::OnEditDataTouched);
  }
  const QStringList watched = editDataWatcher_->files() + editDataWatcher_->directories();
  if (!watched.isEmpty()) editDataWatcher_->removePaths(watched);
  const std::filesystem::path file = EditDataFile(context_);
  if (file.empty()) return;
  // The folder sees the file replaced by a rename (as this program and many others save), after
  // which a watch on the file alone would be gone.
  const QString path = TextOfFilePath(file);
  const QString folder = TextOfFilePath(file.parent_path());
  if (!folder.isEmpty()) editDataWatcher_->addPath(folder);
  editDataWatcher_->addPath(path);
}

void Form2::OnEditDataTouched() {
  const std::filesystem::path file = EditDataFile(context_);
  if (file.empty()) return;
  // A replaced file drops out of the watch: watch the new one.
  const QString path = TextOfFilePath(file);
  if (!editDataWatcher_->files().contains(path)) editDataWatcher_->addPath(path);
  if (!context_.EditDataOnDisk.ShouldAnnounce(file)) return;
  CurrentPrompter().Warn(Caption(texts::ChangedOnDiskNotice) + QStringLiteral("\n") +
                             Caption(texts::FileLabel) + path + QStringLiteral("\n") +
                             Caption(texts::ChangedOnDiskAdvice),
                         ProgramTitle());
}

}  // namespace tavlor
