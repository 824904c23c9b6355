// tavlor-cli: headless access to the same core the editor uses. This file holds the command table
// and the conventions every command shares (help, "--", unknown options, exit codes).
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <cstdio>
#include <map>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/CliCommand.h"
#include "core/app/DataFolder.h"

namespace tavlor::cli {
namespace {

// Exit code of a command line that cannot be understood (unknown command or option).
constexpr int kMisuse = 2;

struct Command {
  QString Synopsis;  // "resolve FACENO"
  QString Summary;   // what it does
  std::vector<CommandOption> Options;
  CommandWithOptions Run;
};

std::map<std::string, Command>& Commands() {
  static std::map<std::string, Command> commands;
  return commands;
}

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

QString Overview() {
  QString text = QStringLiteral(
      "usage: tavlor-cli COMMAND [OPTIONS] [--] ARGUMENTS...\n"
      "       tavlor-cli COMMAND --help\n"
      "       tavlor-cli --version\n\ncommands:\n");
  for (const auto& [name, command] : Commands())
    text += QStringLiteral("  %1\n      %2\n").arg(command.Synopsis, command.Summary);
  return text;
}

QString HelpOf(const Command& command) {
  QString text =
      QStringLiteral("usage: tavlor-cli %1\n  %2\n\noptions:\n").arg(command.Synopsis, command.Summary);
  for (const CommandOption& option : command.Options) {
    const QString name =
        QString::fromLatin1(option.Name) + (option.TakesValue ? QStringLiteral("=VALUE") : "");
    text += QStringLiteral("  %1\n      %2\n").arg(name, QString::fromUtf8(option.Help));
  }
  text += QStringLiteral(
      "  --help, -h\n      show this help\n"
      "  --\n      end of the options: every later argument is taken as it stands\n");
  return text;
}

// A negative number is an argument, not an option ("resolve -1" as well as "resolve -- -1").
bool LooksLikeNumber(const QString& argument) {
  static const QRegularExpression number(QStringLiteral("^-[0-9]"));
  return number.match(argument).hasMatch();
}

struct Parsed {
  CommandArguments Arguments;
  bool WantsHelp = false;
  QString Error;
};

Parsed Parse(const Command& command, const QStringList& arguments) {
  Parsed parsed;
  bool optionsEnded = false;
  for (qsizetype at = 0; at < arguments.size(); ++at) {
    const QString& argument = arguments[at];
    if (optionsEnded || argument == QStringLiteral("-") || !argument.startsWith(u'-') ||
        LooksLikeNumber(argument)) {
      parsed.Arguments.Positional << argument;
    } else if (argument == QStringLiteral("--")) {
      optionsEnded = true;
    } else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
      parsed.WantsHelp = true;
    } else {
      const qsizetype equals = argument.indexOf(u'=');
      const QString name = equals < 0 ? argument : argument.left(equals);
      const auto declared = std::find_if(command.Options.begin(), command.Options.end(),
                                         [&](const CommandOption& option) { return name == option.Name; });
      if (declared == command.Options.end()) {
        parsed.Error =
            QStringLiteral("unknown option %1 (an argument that starts with \"-\" goes after \"--\")")
                .arg(argument);
      } else if (declared->TakesValue && equals < 0 && at + 1 < arguments.size()) {
        // "--crop X,Y,SIDE" as well as "--crop=X,Y,SIDE".
        parsed.Arguments.Options.insert(name, arguments[++at]);
      } else if (declared->TakesValue != (equals >= 0)) {
        parsed.Error = declared->TakesValue ? QStringLiteral("%1 needs a value: %1=VALUE").arg(name)
                                            : QStringLiteral("%1 takes no value").arg(name);
      } else {
        parsed.Arguments.Options.insert(name, equals < 0 ? QString() : argument.mid(equals + 1));
      }
    }
    if (!parsed.Error.isEmpty()) break;
  }
  return parsed;
}

int Run(QStringList arguments) {
  if (arguments.isEmpty()) {
    Print(stderr, Overview());
    return kMisuse;
  }
  const QString first = arguments.takeFirst();
  if (first == QStringLiteral("--version")) {
    Print(stdout, QStringLiteral("tavlor-cli %1\n").arg(QStringLiteral(TAVLOR_VERSION)));
    return 0;
  }
  if (first == QStringLiteral("--help") || first == QStringLiteral("-h") || first == QStringLiteral("help")) {
    if (!arguments.isEmpty() && Commands().count(arguments.first().toStdString()) != 0) {
      Print(stdout, HelpOf(Commands()[arguments.first().toStdString()]));
    } else {
      Print(stdout, Overview());
    }
    return 0;
  }
  const auto found = Commands().find(first.toStdString());
  if (found == Commands().end()) {
    Print(stderr, Overview());
    Fail(QStringLiteral("unknown command: %1").arg(first));
    return kMisuse;
  }
  const Parsed parsed = Parse(found->second, arguments);
  if (parsed.WantsHelp && parsed.Error.isEmpty()) {
    Print(stdout, HelpOf(found->second));
    return 0;
  }
  if (!parsed.Error.isEmpty()) {
    Fail(parsed.Error + QStringLiteral("\nusage: tavlor-cli ") + found->second.Synopsis);
    return kMisuse;
  }
  return found->second.Run(parsed.Arguments);
}

}  // namespace

Registration::Registration(const char* name, const char* usage, CommandFunction run)
    : Registration(name, usage, {},
                   [run](const CommandArguments& arguments) { return run(arguments.Positional); }) {}

Registration::Registration(const char* name, const char* usage, std::vector<CommandOption> options,
                           CommandWithOptions run) {
  const QString text = QString::fromUtf8(usage);
  const qsizetype gap = text.indexOf(QStringLiteral("   "));
  Command command;
  command.Synopsis = gap < 0 ? text : text.left(gap);
  command.Summary = gap < 0 ? QString() : text.mid(gap).trimmed();
  command.Options = std::move(options);
  command.Run = std::move(run);
  Commands()[name] = std::move(command);
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

std::filesystem::path ExecutableFolder() {
  // In the platform's own spelling (backslashes on Windows), as every path it is joined with.
  return std::filesystem::path(
      QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdU16String());
}

std::filesystem::path ProgramFolder() {
  return FindDataFolder(ExecutableFolder());
}

}  // namespace tavlor::cli

int main(int argc, char** argv) {
#ifdef _WIN32
  // The output is UTF-8 with bare line feeds on every system, so a script or a file written from
  // it is byte for byte what the Linux program writes.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  QCoreApplication app(argc, argv);
  QStringList arguments = app.arguments();
  arguments.removeFirst();
  int exitCode = tavlor::cli::Run(arguments);
  // Output that could not be written (a full disk, a closed pipe) is a failure, not a success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "tavlor-cli: cannot write the output\n");
    if (exitCode == 0) exitCode = 1;
  }
  return exitCode;
}
