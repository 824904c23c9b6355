// tavlor-cli: headless access to the same core the editor uses.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "cli/CliCommand.h"

namespace tavlor::cli {
namespace {

struct Command {
  std::string usage;
  CommandFunction run;
};

std::map<std::string, Command>& Commands() {
  static std::map<std::string, Command> commands;
  return commands;
}

void PrintUsage() {
  std::fprintf(stderr, "usage: tavlor-cli COMMAND ...\n");
  for (const auto& [name, command] : Commands()) std::fprintf(stderr, "  %s\n", command.usage.c_str());
}

}  // namespace

Registration::Registration(const char* name, const char* usage, CommandFunction run) {
  Commands()[name] = Command{usage, std::move(run)};
}

int Fail(const QString& message) {
  std::fprintf(stderr, "tavlor-cli: %s\n", message.toUtf8().constData());
  return 1;
}

void PrintLine(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
}

std::string ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace tavlor::cli

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = app.arguments();
  arguments.removeFirst();
  if (arguments.isEmpty()) {
    tavlor::cli::PrintUsage();
    return 2;
  }
  const std::string name = arguments.takeFirst().toStdString();
  const auto found = tavlor::cli::Commands().find(name);
  if (found == tavlor::cli::Commands().end()) {
    tavlor::cli::PrintUsage();
    return tavlor::cli::Fail(QStringLiteral("unknown command: %1").arg(QString::fromStdString(name)));
  }
  return found->second.run(arguments);
}
