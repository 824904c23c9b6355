// Load and save of the edit-data file with the user-facing reports around them.
#include "ui/app/EditDataActions.h"

#include "core/app/PathSettings.h"
#include "core/data/BuiltinGeneralLists.h"
#include "core/data/EditData.h"
#include "core/data/FileStamp.h"
#include "core/data/OriginalBackup.h"
#include "core/portraits/PendingFaceSaving.h"
#include "core/text/GbkJisConversion.h"
#include "core/text/PlainTextRules.h"
#include "core/text/TextTables.h"
#include "ui/app/FileErrorText.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/portraits/FaceImportActions.h"

namespace tavlor {
namespace {

FileError NoFileSet() {
  FileError error;
  error.What = FileError::Kind::CannotOpen;
  error.Reason = "CUSTOMIZEFILE is empty";
  return error;
}

std::array<std::filesystem::path, 3> SetArchives(const ProgramContext& context, FaceSet set) {
  std::array<std::filesystem::path, 3> files;
  for (std::size_t size = 0; size < kFaceArchiveSizes.size(); ++size)
    files[size] = ResolveGameFile(FaceArchivePath(context.Paths, set, kFaceArchiveSizes[size]));
  return files;
}

// The pending faces go first: should the edit-data file then fail, they are taken back, so the
// save leaves everything as it was.
bool WritePendingFaces(const ProgramContext& context, std::vector<WrittenFace>* written) {
  if (context.Faces.Empty()) return true;
  std::string reason;
  if (SavePendingFaces(
          context.Faces, [&context](FaceSet set) { return SetArchives(context, set); }, written, &reason))
    return true;
  CurrentPrompter().Error(
      InInterfaceScript(
          QStringLiteral("保存肖像失败！\n%1\n\n武将数据和肖像文件都未被改动，导入的肖像仍保留在程序中。"))
          .arg(QString::fromStdString(reason)),
      ProgramTitle());
  return false;
}

void TakeBackFaces(const std::vector<WrittenFace>& written) {
  std::string reason;
  if (written.empty() || UndoSavedFaces(written, &reason)) return;
  CurrentPrompter().Error(
      InInterfaceScript(QStringLiteral("武将数据未能保存，已写入的肖像也未能全部恢复：\n%1"))
          .arg(QString::fromStdString(reason)),
      ProgramTitle());
}

}  // namespace

std::filesystem::path EditDataFile(const ProgramContext& context) {
  if (!context.OpenedFile.empty()) return context.OpenedFile;
  const std::string_view path = TrimBlanks(context.Paths.CustomizeFile);
  if (path.empty()) return {};
  return ResolveGameFile(std::string(path));
}

bool LoadGeneralsReporting(ProgramContext& context) {
  const std::filesystem::path file = EditDataFile(context);
  LoadReport report;
  // Stamped (and kept) before reading: a write that lands during the load then shows as a change
  // later, rather than going unnoticed.
  FileStamp stamp;
  std::optional<std::string> bytes;
  if (file.empty()) {
    report.Error = NoFileSet();
  } else {
    bytes = ReadFileToKeep(file);
    stamp = bytes ? StampOfBytes(*bytes) : StampOfFile(file);
    report = LoadEditData(file, context.Table);
  }
  if (report.Error) {
    CurrentPrompter().Error(DescribeFileProblem(QStringLiteral("读取武将数据失败！"), report.Error,
                                                QStringLiteral("武将列表保持原样，程序继续运行。")),
                            ProgramTitle());
  } else {
    context.RowPicked = false;
    context.History.Clear();
    // A reload drops the imported faces with the other unsaved edits.
    if (!context.Faces.Empty() || !context.Faces.Stamps().empty()) {
      context.Faces.Clear();
      emit FaceEvents::Instance().facesChanged();
    }
    context.EditDataOnDisk.Know(stamp);
    context.Original.Loaded(bytes ? std::optional<std::string_view>(*bytes) : std::nullopt);
    if (report.TruncatedEntry) {
      CurrentPrompter().Warn(
          QStringLiteral("武将数据文件在一个武将的中途结束，只读取了前 %1 名完整的武将。\n文件：%2")
              .arg(context.Table.GeneralCount)
              .arg(TextOfFilePath(file)),
          ProgramTitle());
    }
  }
  RefreshGeneralLists(SharedBuiltinGeneralLists(), context.Table, SharedTextTables().GbkJis);
  return !report.Error;
}

bool SaveGeneralsReporting(ProgramContext& context) {
  const std::filesystem::path file = EditDataFile(context);
  std::vector<WrittenFace> writtenFaces;
  if (!file.empty() && !WritePendingFaces(context, &writtenFaces)) return false;
  // The first save of the run keeps the file as the run first read it; later saves keep that.
  const FileError error =
      file.empty() ? NoFileSet() : SaveEditData(file, context.Table, context.Original.PolicyForNextSave());
  if (error && !error.NewContentInPlace) {
    TakeBackFaces(writtenFaces);
    CurrentPrompter().Error(DescribeFileProblem(QStringLiteral("保存数据失败！"), error,
                                                QStringLiteral("原文件未被改动，武将列表仍保留在程序中。")),
                            ProgramTitle());
    return false;
  }
  if (error.NewContentInPlace) {
    // The file already holds the new data; only its arrival on the disk is unconfirmed.
    CurrentPrompter().Warn(DescribeFileProblem(QStringLiteral("数据已写入，但未能确认已保存到磁盘！"), error,
                                               QStringLiteral("请不要立即关机；再保存一次可以确认。")),
                           ProgramTitle());
  }
  context.Original.Saved();
  context.History.MarkSaved();
  if (!context.Faces.Empty()) {
    context.Faces.Clear();  // the archives hold them now
    emit FaceEvents::Instance().facesChanged();
  }
  // The file now holds exactly the table's bytes.
  context.EditDataOnDisk.Know(StampOfBytes(SerializeEditData(context.Table)));
  return true;
}

bool EditDataChangedOnDisk(const ProgramContext& context) {
  const std::filesystem::path file = EditDataFile(context);
  return !file.empty() && context.EditDataOnDisk.ChangedOnDisk(file);
}

}  // namespace tavlor
