// Form2's 打开…: another edit-data file (a friend's, a backup) for this session, through the
// unsaved-change guard.
#include <QDir>

#include "core/app/PathSettings.h"
#include "core/text/PlainTextRules.h"
#include "ui/app/EditDataActions.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/Form2.h"

namespace tavlor {

bool Form2::OpenEditDataFile(const QString& file) {
  QString chosen = file;
  if (chosen.isEmpty()) {
    const std::filesystem::path current = EditDataFile(context_);
    chosen = CurrentPrompter().ChooseFileToOpen(
        InInterfaceScript(QStringLiteral("打开武将数据文件")), TextOfFilePath(current.parent_path()),
        InInterfaceScript(QStringLiteral("武将数据文件 (*.13S *.13s);;所有文件 (*)")));
    if (chosen.isEmpty()) return false;
  }
  if (!SettleUnsavedChanges()) return false;

  const std::filesystem::path previous = context_.OpenedFile;
  const std::filesystem::path wanted = FilePathOfText(QDir::cleanPath(chosen));
  const std::string_view named = TrimBlanks(context_.Paths.CustomizeFile);
  // The file Set.ini names is no other file: opening it goes back to it.
  const bool isNamedFile = !named.empty() && ResolveGameFile(std::string(named)) == wanted;
  context_.OpenedFile = isNamedFile ? std::filesystem::path() : wanted;
  // The file's own .bak keeps it as this load read it, not the file opened before.
  const OriginalFileKeeper previousOriginal = context_.Original;
  context_.Original = OriginalFileKeeper{};
  ClearGrid();
  SetFlx();
  const bool loaded = LoadGeneralsReporting(context_);
  // Not read: the table is as it was, and so is the file it belongs to.
  if (!loaded) {
    context_.OpenedFile = previous;
    context_.Original = previousOriginal;
  }
  ResetMflx();
  UpdateEditState();
  WatchEditDataFile();
  return loaded;
}

}  // namespace tavlor
