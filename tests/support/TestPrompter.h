// A prompter for tests: records every message in order and answers questions from queues (No,
// Cancel or no file when a queue is empty), so that no test ever waits on a real message box.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ui/app/Prompts.h"

namespace tavlor::testing {

class TestPrompter final : public Prompter {
 public:
  enum class Kind { Question, Information, Warning, Error, Choice, FileChoice };

  struct Message {
    Kind What;
    QString Text;  // for a file choice: the dialog's start folder or file
    QString Title;
  };

  // Installs itself as the program's prompter for its lifetime.
  TestPrompter() { SetPrompter(this); }
  ~TestPrompter() override { SetPrompter(nullptr); }
  TestPrompter(const TestPrompter&) = delete;
  TestPrompter& operator=(const TestPrompter&) = delete;

  // The answers to the next questions of each kind, in order.
  void AnswerNext(bool yes) { answers_.append(yes); }
  void AnswerNext(UnsavedChangesAnswer answer) { unsavedAnswers_.append(answer); }
  void AnswerNext(ChangedOnDiskAnswer answer) { changedAnswers_.append(answer); }
  void ChooseNextFile(const QString& path) { files_.append(path); }

  bool AskYesNo(const QString& text, const QString& title) override {
    messages_.append({Kind::Question, text, title});
    return answers_.isEmpty() ? false : answers_.takeFirst();
  }
  void Inform(const QString& text, const QString& title) override {
    messages_.append({Kind::Information, text, title});
  }
  void Warn(const QString& text, const QString& title) override {
    messages_.append({Kind::Warning, text, title});
  }
  void Error(const QString& text, const QString& title) override {
    messages_.append({Kind::Error, text, title});
  }
  UnsavedChangesAnswer AskSaveDiscardCancel(const QString& text, const QString& title) override {
    messages_.append({Kind::Choice, text, title});
    return unsavedAnswers_.isEmpty() ? UnsavedChangesAnswer::Cancel : unsavedAnswers_.takeFirst();
  }
  ChangedOnDiskAnswer AskReloadOverwriteCancel(const QString& text, const QString& title) override {
    messages_.append({Kind::Choice, text, title});
    return changedAnswers_.isEmpty() ? ChangedOnDiskAnswer::Cancel : changedAnswers_.takeFirst();
  }
  QString ChooseFileToOpen(const QString& title, const QString& start, const QString&) override {
    messages_.append({Kind::FileChoice, start, title});
    return files_.isEmpty() ? QString() : files_.takeFirst();
  }
  QString ChooseFileToSave(const QString& title, const QString& start, const QString&) override {
    messages_.append({Kind::FileChoice, start, title});
    return files_.isEmpty() ? QString() : files_.takeFirst();
  }

  const QList<Message>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }
  int UnansweredQuestions() const {
    return answers_.size() + unsavedAnswers_.size() + changedAnswers_.size() + files_.size();
  }
  // How many messages of one kind were shown.
  int CountOf(Kind kind) const {
    int count = 0;
    for (const auto& message : messages_) count += message.What == kind ? 1 : 0;
    return count;
  }

  // The texts of every message, in order (for a readable failure output).
  QStringList Texts() const {
    QStringList texts;
    for (const auto& message : messages_) texts << message.Text;
    return texts;
  }

 private:
  QList<Message> messages_;
  QList<bool> answers_;
  QList<UnsavedChangesAnswer> unsavedAnswers_;
  QList<ChangedOnDiskAnswer> changedAnswers_;
  QStringList files_;
};

}  // namespace tavlor::testing
