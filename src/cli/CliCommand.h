// The command table of tavlor-cli: each command file registers itself with a static Registration.
// Every command follows the same conventions, applied before it runs: "--help" (or "-h") prints its
// usage and exits 0; "--" ends the options, so that an argument starting with "-" can follow; an
// option the command does not declare is refused; errors go to stderr with a non-zero exit.
#pragma once

#include <QMap>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavlor::cli {

// An option a command declares: "--name", or "--name=VALUE" when it takes a value.
struct CommandOption {
  const char* Name;  // with its dashes: "--traditional"
  const char* Help;  // one line for --help
  bool TakesValue = false;
};

// A command's arguments with the options taken out.
struct CommandArguments {
  QStringList Positional;          // in order, "--" removed
  QMap<QString, QString> Options;  // the options given: name -> value (empty without a value)

  bool Has(const char* option) const { return Options.contains(QString::fromLatin1(option)); }
  QString Value(const char* option) const { return Options.value(QString::fromLatin1(option)); }
};

// Runs one command; returns the exit code.
using CommandFunction = std::function<int(const QStringList& positional)>;
using CommandWithOptions = std::function<int(const CommandArguments& arguments)>;

struct Registration {
  // `usage` is the synopsis, three blanks, and what the command does:
  // "resolve FACENO   the set and face index of a face number".
  Registration(const char* name, const char* usage, CommandFunction run);
  Registration(const char* name, const char* usage, std::vector<CommandOption> options,
               CommandWithOptions run);
};

// Prints "tavlor-cli: <message>" on stderr and returns 1, for one-line failures.
int Fail(const QString& message);

// Prints a line (UTF-8) on stdout.
void PrintLine(const QString& line);

// The folder of the running executable, where a Set.ini of its own wins.
// Paths are made from Qt's text through its UTF-16 form: on Windows a narrow std::string would be
// read in the ANSI code page, which cannot hold a Chinese or Japanese folder name.
std::filesystem::path ExecutableFolder();
// The folder of the data files: beside the executable or, installed, its ../share/tavlor.
std::filesystem::path ProgramFolder();

}  // namespace tavlor::cli
