// Every message box and file dialog goes through one interface, so that tests can answer them.
#pragma once

#include <QString>
#include <memory>

class QAbstractButton;
class QFileDialog;
class QMessageBox;
class QWidget;

namespace tavlor {

// Unsaved changes before quitting, reloading or closing: write them first, drop them, or stay.
enum class UnsavedChangesAnswer { Save, Discard, Cancel };
// The edit-data file changed on disk since it was read: take the file's new content, write over
// it anyway, or do nothing.
enum class ChangedOnDiskAnswer { Reload, Overwrite, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Yes/No question; true only for Yes.
  virtual bool AskYesNo(const QString& text, const QString& title) = 0;
  virtual void Inform(const QString& text, const QString& title) = 0;
  virtual void Warn(const QString& text, const QString& title) = 0;   // exclamation icon
  virtual void Error(const QString& text, const QString& title) = 0;  // error (stop) icon
  // Save / don't save / cancel (closing the question counts as Cancel).
  virtual UnsavedChangesAnswer AskSaveDiscardCancel(const QString& text, const QString& title) = 0;
  // Reload / overwrite / cancel (closing the question counts as Cancel).
  virtual ChangedOnDiskAnswer AskReloadOverwriteCancel(const QString& text, const QString& title) = 0;
  // A file to read or to write, or an empty text when the player cancels. `filter` is a file
  // dialog filter ("武将文件 (*.n13general)"); `start` the folder or suggested file.
  virtual QString ChooseFileToOpen(const QString& title, const QString& start, const QString& filter) = 0;
  virtual QString ChooseFileToSave(const QString& title, const QString& start, const QString& filter) = 0;
};

// The prompter in use: QMessageBox-based unless a test installed another.
Prompter& CurrentPrompter();
// Installs a prompter (nullptr restores the message boxes). The caller keeps ownership.
void SetPrompter(Prompter* prompter);

enum class PromptKind {
  Question,               // Yes / No
  Information,            // OK
  Warning,                // OK
  Error,                  // OK
  SaveDiscardCancel,      // 保存 / 不保存 / 取消, the answers of UnsavedChangesAnswer in order
  ReloadOverwriteCancel,  // 重新读取 / 覆盖 / 取消, the answers of ChangedOnDiskAnswer in order
};

// The message box of one prompt, built in the one place every prompt is built: the kind's icon and
// buttons captioned in the interface's language, the program's icon, font and lacquer look. The
// box carries its own style sheet, so it stays legible whatever style the window it is parented
// to gives its own labels. A three-way box's buttons carry their answer's position (0 to 2) as
// PromptChoice(); Escape and closing the box give the last.
std::unique_ptr<QMessageBox> BuildPromptBox(PromptKind kind, const QString& text, const QString& title,
                                            QWidget* parent);

// The file dialog of ChooseFileToOpen (`save` false) or ChooseFileToSave, built in the same one
// place: the program's icon and its own lacquer sheet, so its captions stay legible whatever
// window it is parented to.
std::unique_ptr<QFileDialog> BuildFileDialog(bool save, const QString& title, const QString& start,
                                             const QString& filter, QWidget* parent);

// Which answer of a three-way box a button gives (0 to 2), -1 for none.
int PromptChoice(const QAbstractButton* button);

// The program's title, used as the caption of settings messages.
QString ProgramTitle();

}  // namespace tavlor
