// Modal message boxes and file dialogs with the program's titles, icons, look and button texts.
#include "ui/app/Prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <string_view>

#include "core/lang/EditSafetyTexts.h"
#include "ui/app/ProgramArtwork.h"
#include "ui/app/ProgramStyle.h"
#include "ui/app/TextCodec.h"
#include "ui/lang/StandardButtonTexts.h"

namespace tavlor {
namespace {

constexpr const char* kChoiceProperty = "promptChoice";

// Asks modally, parented to the active window so the box stands over the window that asks.
// Returns the clicked standard button, or for a three-way box the answer's position.
int Ask(PromptKind kind, const QString& text, const QString& title) {
  const std::unique_ptr<QMessageBox> box = BuildPromptBox(kind, text, title, QApplication::activeWindow());
  const int result = box->exec();
  if (kind != PromptKind::SaveDiscardCancel && kind != PromptKind::ReloadOverwriteCancel) return result;
  const int choice = PromptChoice(box->clickedButton());
  return choice < 0 ? 2 : choice;
}

class MessageBoxPrompter final : public Prompter {
 public:
  bool AskYesNo(const QString& text, const QString& title) override {
    return Ask(PromptKind::Question, text, title) == QMessageBox::Yes;
  }
  void Inform(const QString& text, const QString& title) override {
    Ask(PromptKind::Information, text, title);
  }
  void Warn(const QString& text, const QString& title) override { Ask(PromptKind::Warning, text, title); }
  void Error(const QString& text, const QString& title) override { Ask(PromptKind::Error, text, title); }
  UnsavedChangesAnswer AskSaveDiscardCancel(const QString& text, const QString& title) override {
    static constexpr UnsavedChangesAnswer kAnswers[3] = {
        UnsavedChangesAnswer::Save, UnsavedChangesAnswer::Discard, UnsavedChangesAnswer::Cancel};
    return kAnswers[Ask(PromptKind::SaveDiscardCancel, text, title)];
  }
  ChangedOnDiskAnswer AskReloadOverwriteCancel(const QString& text, const QString& title) override {
    static constexpr ChangedOnDiskAnswer kAnswers[3] = {
        ChangedOnDiskAnswer::Reload, ChangedOnDiskAnswer::Overwrite, ChangedOnDiskAnswer::Cancel};
    return kAnswers[Ask(PromptKind::ReloadOverwriteCancel, text, title)];
  }
  QString ChooseFileToOpen(const QString& title, const QString& start, const QString& filter) override {
    return ChooseFile(false, title, start, filter);
  }
  QString ChooseFileToSave(const QString& title, const QString& start, const QString& filter) override {
    return ChooseFile(true, title, start, filter);
  }

 private:
  static QString ChooseFile(bool save, const QString& title, const QString& start, const QString& filter) {
    const std::unique_ptr<QFileDialog> dialog =
        BuildFileDialog(save, title, start, filter, QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().constFirst();
  }
};

Prompter* installedPrompter = nullptr;

QMessageBox::Icon IconOf(PromptKind kind) {
  switch (kind) {
    case PromptKind::Question:
    case PromptKind::SaveDiscardCancel:
      return QMessageBox::Question;
    case PromptKind::Information:
      return QMessageBox::Information;
    case PromptKind::Warning:
    case PromptKind::ReloadOverwriteCancel:
      return QMessageBox::Warning;
    case PromptKind::Error:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// Three buttons of our own (their texts follow the interface language), in the order of the
// answers; the last is the escape.
void AddThreeWayButtons(QMessageBox& box, const std::array<std::string_view, 3>& captions,
                        int defaultChoice) {
  const QMessageBox::ButtonRole roles[3] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                            QMessageBox::RejectRole};
  QPushButton* buttons[3] = {};
  for (int i = 0; i < 3; ++i) {
    buttons[i] = box.addButton(Caption(captions[i]), roles[i]);
    buttons[i]->setProperty(kChoiceProperty, i);
  }
  box.setDefaultButton(buttons[defaultChoice]);
  box.setEscapeButton(buttons[2]);
}

void AddStandardButtons(QMessageBox& box, PromptKind kind) {
  const bool question = kind == PromptKind::Question;
  box.setStandardButtons(question ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
  for (QAbstractButton* button : box.buttons())
    button->setText(StandardButtonText(box.standardButton(button)));
}

}  // namespace

Prompter& CurrentPrompter() {
  static MessageBoxPrompter messageBoxes;
  return installedPrompter != nullptr ? *installedPrompter : messageBoxes;
}

std::unique_ptr<QMessageBox> BuildPromptBox(PromptKind kind, const QString& text, const QString& title,
                                            QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setIcon(IconOf(kind));
  box->setWindowTitle(title);
  box->setText(text);
  box->setWindowIcon(ProgramIcon());
  box->setFont(ProgramFont());
  // A window's own style sheet reaches the boxes parented to it (the editor's dark ink for its
  // labels on washi paper would turn a question unreadable); the box's own sheet comes first.
  box->setStyleSheet(MessageBoxStyleSheet());
  switch (kind) {
    case PromptKind::SaveDiscardCancel:
      AddThreeWayButtons(*box, {texts::ButtonSave, texts::ButtonDiscard, texts::ButtonCancel}, 0);
      break;
    case PromptKind::ReloadOverwriteCancel:
      // Nothing is lost by the default: a stray Enter cancels.
      AddThreeWayButtons(*box, {texts::ButtonReload, texts::ButtonOverwrite, texts::ButtonCancel}, 2);
      break;
    default:
      AddStandardButtons(*box, kind);
  }
  // Captions only: the style's little coloured discs beside them belong to no look of ours.
  for (QAbstractButton* button : box->buttons()) button->setIcon(QIcon());
  return box;
}

std::unique_ptr<QFileDialog> BuildFileDialog(bool save, const QString& title, const QString& start,
                                             const QString& filter, QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent, title, start, filter);
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setWindowIcon(ProgramIcon());
  dialog->setFont(ProgramFont());
  // The list window's lacquer reaches a dialog parented to it, but not the light ink its labels
  // need on it: the dialog's own sheet gives both.
  dialog->setStyleSheet(FileDialogStyleSheet());
  return dialog;
}

int PromptChoice(const QAbstractButton* button) {
  if (button == nullptr) return -1;
  const QVariant choice = button->property(kChoiceProperty);
  return choice.isValid() ? choice.toInt() : -1;
}

void SetPrompter(Prompter* prompter) {
  installedPrompter = prompter;
}

QString ProgramTitle() {
  return QStringLiteral("Tavlor");
}

}  // namespace tavlor
