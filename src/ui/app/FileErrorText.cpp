// Turns a FileError into a message a player can act on.
#include "ui/app/FileErrorText.h"

#include "ui/app/TextCodec.h"

namespace tavlor {
namespace {

QString KindText(FileError::Kind kind) {
  switch (kind) {
    case FileError::Kind::CannotOpen:
      return QStringLiteral("无法打开文件");
    case FileError::Kind::CannotRead:
      return QStringLiteral("无法读取文件");
    case FileError::Kind::CannotWrite:
      return QStringLiteral("无法写入文件");
    case FileError::Kind::CannotFlush:
      return QStringLiteral("无法确认数据已写入磁盘");
    case FileError::Kind::CannotReplace:
      return QStringLiteral("无法替换原文件");
    case FileError::Kind::NotEditData:
      return QStringLiteral("这不是武将数据文件");
    case FileError::Kind::None:
      break;
  }
  return QString();
}

}  // namespace

QString DescribeFileProblem(const QString& action, const FileError& error, const QString& consequence) {
  const QString path =
      error.Path.empty() ? QStringLiteral("（未设置，请查看SET.INI文件）") : TextOfFilePath(error.Path);
  QString reason = KindText(error.What);
  if (!error.Reason.empty()) {
    if (!reason.isEmpty()) reason += QStringLiteral("：");
    reason += QString::fromLatin1(error.Reason.data(), static_cast<qsizetype>(error.Reason.size()));
  }
  QString text = action + QStringLiteral("\n文件：") + path + QStringLiteral("\n原因：") + reason;
  if (!consequence.isEmpty()) text += QStringLiteral("\n") + consequence;
  return text;
}

}  // namespace tavlor
