// Modal message boxes and file dialogs with the program's titles, icons and button texts.
#include "ui/app/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <string_view>
#include <utility>

#include "core/lang/EditSafetyTexts.h"
#include "ui/app/TextCodec.h"

namespace tavlor {
namespace {

// A question with three buttons of our own (their texts follow the interface language); Escape
// and closing the box give the last one, which must be the "cancel" answer.
template <typename Answer>
Answer AskThreeWay(const QString& text, const QString& title, QMessageBox::Icon icon,
                   const std::pair<std::string_view, Answer> (&choices)[3], int defaultChoice) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, QApplication::activeWindow());
  QAbstractButton* buttons[3] = {};
  const QMessageBox::ButtonRole roles[3] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                            QMessageBox::RejectRole};
  for (int i = 0; i < 3; ++i) buttons[i] = box.addButton(Caption(choices[i].first), roles[i]);
  box.setDefaultButton(static_cast<QPushButton*>(buttons[defaultChoice]));
  box.setEscapeButton(buttons[2]);
  box.exec();
  for (int i = 0; i < 3; ++i)
    if (box.clickedButton() == buttons[i]) return choices[i].second;
  return choices[2].second;
}

class MessageBoxPrompter final : public Prompter {
 public:
  bool AskYesNo(const QString& text, const QString& title) override {
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
  void Inform(const QString& text, const QString& title) override {
    QMessageBox::information(QApplication::activeWindow(), title, text);
  }
  void Warn(const QString& text, const QString& title) override {
    QMessageBox::warning(QApplication::activeWindow(), title, text);
  }
  void Error(const QString& text, const QString& title) override {
    QMessageBox::critical(QApplication::activeWindow(), title, text);
  }
  UnsavedChangesAnswer AskSaveDiscardCancel(const QString& text, const QString& title) override {
    static constexpr std::pair<std::string_view, UnsavedChangesAnswer> kChoices[3] = {
        {texts::ButtonSave, UnsavedChangesAnswer::Save},
        {texts::ButtonDiscard, UnsavedChangesAnswer::Discard},
        {texts::ButtonCancel, UnsavedChangesAnswer::Cancel}};
    return AskThreeWay(text, title, QMessageBox::Question, kChoices, 0);
  }
  ChangedOnDiskAnswer AskReloadOverwriteCancel(const QString& text, const QString& title) override {
    static constexpr std::pair<std::string_view, ChangedOnDiskAnswer> kChoices[3] = {
        {texts::ButtonReload, ChangedOnDiskAnswer::Reload},
        {texts::ButtonOverwrite, ChangedOnDiskAnswer::Overwrite},
        {texts::ButtonCancel, ChangedOnDiskAnswer::Cancel}};
    // Nothing is lost by the default: a stray Enter cancels.
    return AskThreeWay(text, title, QMessageBox::Warning, kChoices, 2);
  }
  QString ChooseFileToOpen(const QString& title, const QString& start, const QString& filter) override {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, start, filter);
  }
  QString ChooseFileToSave(const QString& title, const QString& start, const QString& filter) override {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, start, filter);
  }
};

Prompter* installedPrompter = nullptr;

}  // namespace

Prompter& CurrentPrompter() {
  static MessageBoxPrompter messageBoxes;
  return installedPrompter != nullptr ? *installedPrompter : messageBoxes;
}

void SetPrompter(Prompter* prompter) {
  installedPrompter = prompter;
}

QString ProgramTitle() {
  return QStringLiteral("Tavlor");
}

}  // namespace tavlor
