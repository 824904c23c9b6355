// Modal message boxes with the program's titles and icons.
#include "ui/app/Prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace tavlor {
namespace {

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
