// Waits for the event a test is about instead of a fixed time: a loaded machine then cannot make
// a "nothing happened" check pass just because the thing that should have happened came late.
// Each wait returns whether the event came, for the caller to QVERIFY.
#pragma once

#include <QAbstractAnimation>
#include <QFileSystemWatcher>
#include <QList>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace tavlor::testing {

// True once the running `timer` has timed out `count` more times; false when it is not running or
// the time-outs do not come within `limitMs`.
inline bool WaitForTimeouts(QTimer* timer, int count, int limitMs = 5000) {
  if (timer == nullptr || !timer->isActive()) return false;
  QSignalSpy ticks(timer, &QTimer::timeout);
  return QTest::qWaitFor([&] { return ticks.count() >= count; }, limitMs);
}

// True when no animation under `owner` is running: a stopped animation can change nothing later.
inline bool NoAnimationRunning(const QObject* owner) {
  const auto animations = owner->findChildren<QAbstractAnimation*>();
  for (const QAbstractAnimation* animation : animations) {
    if (animation->state() == QAbstractAnimation::Running) return false;
  }
  return true;
}

// Made before a file under watch is touched; Settled() then waits until the file watchers under
// `owner` have reported the change and every single-shot timer of `owner` (the quiet time after a
// change) has run out, so that whatever the change leads to has happened.
class WatchedChange {
 public:
  explicit WatchedChange(QObject* owner) : owner_(owner) {
    for (QFileSystemWatcher* watcher : owner->findChildren<QFileSystemWatcher*>()) {
      spies_.push_back(std::make_unique<QSignalSpy>(watcher, &QFileSystemWatcher::fileChanged));
      spies_.push_back(std::make_unique<QSignalSpy>(watcher, &QFileSystemWatcher::directoryChanged));
    }
  }

  bool Settled(int limitMs = 5000) {
    if (spies_.empty()) return false;  // nothing watches: the change can never be reported
    const bool reported = QTest::qWaitFor(
        [&] {
          for (const auto& spy : spies_) {
            if (spy->count() > 0) return true;
          }
          return false;
        },
        limitMs);
    if (!reported) return false;
    return QTest::qWaitFor(
        [&] {
          for (const QTimer* timer : owner_->findChildren<QTimer*>()) {
            if (timer->isSingleShot() && timer->isActive()) return false;
          }
          return true;
        },
        limitMs);
  }

 private:
  QObject* owner_;
  std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

}  // namespace tavlor::testing
