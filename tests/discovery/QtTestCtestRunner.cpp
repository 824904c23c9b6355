// Runs one function of a QtTest program for ctest and turns QtTest's result into ctest's:
//   QtTestCtestRunner <program> <function> [args...]
// The program's exit code wins: any failure (or a crash) is a failure, whatever else was printed.
// Only a run that exits 0 and whose function passed nothing but skipped is reported skipped, by
// the exit code 77 (the test's SKIP_RETURN_CODE). ctest's own SKIP_REGULAR_EXPRESSION cannot be
// used for this: ctest applies it before the exit code, so a function that failed and then
// skipped would be reported skipped and the run would pass.
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kSkipReturnCode = 77;

// True when the text output holds a skip of `function` and no pass of it (a data-driven function
// with some rows passing and some skipping passed).
bool OnlySkipped(const QString& output, const QString& function) {
  const QString name = QRegularExpression::escape(function);
  const QRegularExpression skip(QStringLiteral("^SKIP   : [^:\\n]+::%1\\(").arg(name),
                                QRegularExpression::MultilineOption);
  const QRegularExpression pass(QStringLiteral("^PASS   : [^:\\n]+::%1\\(").arg(name),
                                QRegularExpression::MultilineOption);
  return output.contains(skip) && !output.contains(pass);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 3) {
    std::fprintf(stderr, "usage: QtTestCtestRunner <program> <function> [args...]\n");
    return 2;
  }
  QProcess test;
  test.setProcessChannelMode(QProcess::MergedChannels);
  // "-o -,txt" keeps the plain text format whatever the caller's QTEST_ environment asks for.
  test.start(arguments[1], QStringList{arguments[2]} + arguments.mid(3) + QStringList{"-o", "-,txt"});
  if (!test.waitForStarted(-1)) {
    std::fprintf(stderr, "cannot start %s: %s\n", qPrintable(arguments[1]), qPrintable(test.errorString()));
    return 2;
  }
  QByteArray output;
  while (test.state() != QProcess::NotRunning) {
    test.waitForReadyRead(-1);
    const QByteArray chunk = test.readAll();
    std::fwrite(chunk.constData(), 1, static_cast<size_t>(chunk.size()), stdout);
    std::fflush(stdout);
    output += chunk;
  }
  const QByteArray rest = test.readAll();
  std::fwrite(rest.constData(), 1, static_cast<size_t>(rest.size()), stdout);
  output += rest;
  if (test.exitStatus() != QProcess::NormalExit) {
    std::fprintf(stdout, "\n%s crashed\n", qPrintable(arguments[2]));
    return 1;
  }
  if (test.exitCode() != 0) return test.exitCode();
  return OnlySkipped(QString::fromUtf8(output), arguments[2]) ? kSkipReturnCode : 0;
}
