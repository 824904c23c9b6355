// A QtTest program built only to check how its functions are reported by ctest: one passes, one
// skips, one fails in a helper and then skips, one fails outright. Never part of the suite itself;
// SkipRuleCheck.cmake runs it through the discovery and expects exactly these verdicts.
#include <QtTest>

class SkipRuleProbe : public QObject {
  Q_OBJECT

  // A helper whose check fails only returns from the helper; the caller goes on to its skip.
  static void FailingHelper() { QVERIFY2(false, "the helper's check fails"); }

 private slots:
  void Passes() { QCOMPARE(1 + 1, 2); }
  void Skips() { QSKIP("nothing to run here"); }
  void FailsThenSkips() {
    FailingHelper();
    QSKIP("skipping after a failure must not hide it");
  }
  void Fails() { QCOMPARE(1 + 1, 3); }
};

QTEST_MAIN(SkipRuleProbe)
#include "SkipRuleProbe.moc"
