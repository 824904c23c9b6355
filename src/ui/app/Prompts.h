// Every message box goes through one interface, so that tests can answer the questions.
#pragma once

#include <QString>

class QWidget;

namespace tavlor {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Yes/No question; true only for Yes.
  virtual bool AskYesNo(const QString& text, const QString& title) = 0;
  virtual void Inform(const QString& text, const QString& title) = 0;
  virtual void Warn(const QString& text, const QString& title) = 0;   // exclamation icon
  virtual void Error(const QString& text, const QString& title) = 0;  // error (stop) icon
};

// The prompter in use: QMessageBox-based unless a test installed another.
Prompter& CurrentPrompter();
// Installs a prompter (nullptr restores the message boxes). The caller keeps ownership.
void SetPrompter(Prompter* prompter);

// The program's title, used as the caption of settings messages.
QString ProgramTitle();

}  // namespace tavlor
