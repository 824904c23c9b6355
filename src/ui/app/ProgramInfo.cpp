// The program's name and version as the build gives them.
#include "ui/app/ProgramInfo.h"

#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"

namespace tavlor {

QString ProgramVersion() {
  return QStringLiteral(TAVLOR_VERSION);
}

QString ListWindowTitle(const ProgramContext& context) {
  QString title = QStringLiteral("TavlorV%1").arg(ProgramVersion());
  if (!context.OpenedFile.empty()) {
    title += QStringLiteral(" - %1").arg(TextOfFilePath(context.OpenedFile.filename()));
  }
  if (context.History.HasUnsavedChanges()) title += QStringLiteral(" *");
  return title;
}

QString AboutText() {
  return QStringLiteral("%1 V%2\n\n").arg(ProgramTitle(), ProgramVersion()) +
         QStringLiteral(
             "Nobunaga13 登录武将编辑器：读取游戏的编辑数据文件 EDATA000.13S，"
             "修改、新增玩家登录的武将，再写回文件。");
}

}  // namespace tavlor
