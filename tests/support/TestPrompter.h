// A prompter for tests: records every message in order and answers questions from a queue (No
// when the queue is empty), so that no test ever waits on a real message box.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ui/app/Prompts.h"

namespace tavlor::testing {

class TestPrompter final : public Prompter {
 public:
  enum class Kind { Question, Information, Warning, Error };

  struct Message {
    Kind What;
    QString Text;
    QString Title;
  };

  // Installs itself as the program's prompter for its lifetime.
  TestPrompter() { SetPrompter(this); }
  ~TestPrompter() override { SetPrompter(nullptr); }
  TestPrompter(const TestPrompter&) = delete;
  TestPrompter& operator=(const TestPrompter&) = delete;

  // The answers to the next questions, in order.
  void AnswerNext(bool yes) { answers_.append(yes); }

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

  const QList<Message>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }
  int UnansweredQuestions() const { return answers_.size(); }

  // The texts of every message, in order (for a readable failure output).
  QStringList Texts() const {
    QStringList texts;
    for (const auto& message : messages_) texts << message.Text;
    return texts;
  }

 private:
  QList<Message> messages_;
  QList<bool> answers_;
};

}  // namespace tavlor::testing
