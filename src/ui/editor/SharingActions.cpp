// Export and import of one general: file dialogs and questions here, the format and the checks
// in the core.
#include "ui/editor/SharingActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <optional>

#include "core/data/BuiltinGeneralLists.h"
#include "core/data/SafeFileWrite.h"
#include "core/data/SharedGeneral.h"
#include "core/editor/GeneralSharing.h"
#include "core/lang/EditSafetyTexts.h"
#include "core/text/TextTables.h"
#include "ui/app/FileErrorText.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/Form1.h"
#include "ui/editor/Form2.h"

namespace tavlor {
namespace {

const QString kPromptTitle = QStringLiteral("提示");

// The folder the dialogs open in: the last one used this run, at first the player's home.
QString& LastSharingFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

QString FileFilter() {
  return Caption(texts::SharedGeneralFilter) + QStringLiteral(" (*") +
         QString::fromLatin1(kSharedGeneralExtension.data(), kSharedGeneralExtension.size()) +
         QStringLiteral(")");
}

QString NameOf(const GeneralEntry& entry) {
  return FromInterfaceBytes(DisplayNameOfGeneral(entry.Record, SharedTextTables().GbkJis));
}

// A file name from a general's name: characters no file system takes become "_".
QString SuggestedFileName(const GeneralEntry& entry, int slot) {
  QString name = NameOf(entry);
  for (QChar& c : name)
    if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
  if (name.trimmed().isEmpty()) name = QStringLiteral("general%1").arg(slot);
  return name + QString::fromLatin1(kSharedGeneralExtension.data(), kSharedGeneralExtension.size());
}

std::optional<int> PickedSlot(const ProgramContext& context) {
  if (!context.RowPicked) return std::nullopt;
  return context.SelectedSlot;
}

// The file's bytes, or nothing after telling why not. Anything larger than a shared general is
// not one, and is not read.
std::optional<std::string> ReadSharedFile(const QString& file) {
  QFile input(file);
  FileError error;
  error.Path = FilePathOfText(file);
  if (!input.open(QIODevice::ReadOnly)) {
    error.What = FileError::Kind::CannotOpen;
    error.Reason = input.errorString().toStdString();
    CurrentPrompter().Error(DescribeFileProblem(Caption(texts::ImportReadFailed), error, QString()),
                            Caption(texts::ImportTitle));
    return std::nullopt;
  }
  const QByteArray bytes = input.read(static_cast<qint64>(kLargestSharedGeneralFile) + 1);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

void ExportPickedGeneral(ProgramContext& context) {
  const std::optional<int> slot = PickedSlot(context);
  if (!slot || *slot < 0 || *slot >= context.Table.GeneralCount) {
    CurrentPrompter().Warn(Caption(texts::PickGeneralToExport), Caption(texts::ExportTitle));
    return;
  }
  const GeneralEntry& entry = context.Table.Slots[static_cast<std::size_t>(*slot)];
  const QString start = QDir(LastSharingFolder()).filePath(SuggestedFileName(entry, *slot));
  const QString file = CurrentPrompter().ChooseFileToSave(Caption(texts::ExportTitle), start, FileFilter());
  if (file.isEmpty()) return;
  LastSharingFolder() = QFileInfo(file).absolutePath();
  const FileError error = ReplaceFileSafely(FilePathOfText(file), EncodeSharedGeneral(entry));
  if (error) {
    CurrentPrompter().Error(DescribeFileProblem(Caption(texts::ExportFailed), error, QString()),
                            Caption(texts::ExportTitle));
    return;
  }
  CurrentPrompter().Inform(Caption(texts::ExportDone) + QStringLiteral("\n") + file,
                           Caption(texts::ExportTitle));
}

void ImportSharedGeneral(ProgramContext& context, Form1& form1, Form2& form2, bool overPicked, QString file) {
  if (file.isEmpty()) {
    file = CurrentPrompter().ChooseFileToOpen(Caption(texts::ImportTitle), LastSharingFolder(), FileFilter());
    if (file.isEmpty()) return;
  }
  LastSharingFolder() = QFileInfo(file).absolutePath();
  const std::optional<std::string> bytes = ReadSharedFile(file);
  if (!bytes) return;
  const DecodedSharedGeneral shared = DecodeSharedGeneral(*bytes);
  if (!shared.Entry) {
    CurrentPrompter().Warn(Caption(SharedGeneralProblemText(shared.Problem)) + QStringLiteral("\n") +
                               Caption(texts::FileLabel) + file,
                           Caption(texts::ImportTitle));
    return;
  }

  const std::optional<int> picked = PickedSlot(context);
  const bool pickInUse = picked && *picked >= 0 && *picked < context.Table.GeneralCount;
  // Without a general to import over, the core's refusal comes without a question first.
  if (!overPicked || pickInUse) {
    QString question = Caption(overPicked ? texts::ImportOverQuestion : texts::ImportAsNewQuestion) +
                       QStringLiteral("\n") + NameOf(*shared.Entry);
    if (overPicked)
      question += QStringLiteral(" → ") + NameOf(context.Table.Slots[static_cast<std::size_t>(*picked)]);
    if (!CurrentPrompter().AskYesNo(question, kPromptTitle)) return;
  }

  const int slot = overPicked ? picked.value_or(-1) : context.Table.GeneralCount;
  ImportResult imported;
  const EditResult result = context.History.Record(slot, context.Table, SharedBuiltinGeneralLists(), [&] {
    imported = overPicked ? ImportOverGeneral(*shared.Entry, picked, context.Table,
                                              SharedBuiltinGeneralLists(), SharedTextTables().GbkJis)
                          : ImportAsNewGeneral(*shared.Entry, context.Table, SharedBuiltinGeneralLists(),
                                               SharedTextTables().GbkJis);
    return imported.Edit;
  });
  if (!result.Succeeded()) {
    CurrentPrompter().Warn(Caption(result.Message), kPromptTitle);
    return;
  }
  form2.SetFlexRows(context.Table.GeneralCount + 1);
  form2.ResetMflx();
  form2.UpdateEditState();
  form2.SelectGridRow(result.Slot + 1);
  ShowPickedGeneral(context, form1, result.Slot + 1);
  if (imported.ClearedLinks > 0) {
    CurrentPrompter().Inform(Caption(texts::ClearedLinksNotice) + QString::number(imported.ClearedLinks),
                             Caption(texts::ImportTitle));
  }
}

void ConnectSharingActions(ProgramContext& context, Form1& form1, Form2& form2) {
  QObject::connect(&form2, &Form2::exportRequested, &form1, [&context] { ExportPickedGeneral(context); });
  QObject::connect(&form2, &Form2::importRequested, &form1,
                   [&context, &form1, &form2](bool overPicked, const QString& file) {
                     ImportSharedGeneral(context, form1, form2, overPicked, file);
                   });
}

}  // namespace tavlor
