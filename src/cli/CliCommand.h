// The command table of tavlor-cli: each command file registers itself with a static Registration.
#pragma once

#include <QStringList>
#include <functional>
#include <string>

namespace tavlor::cli {

// Runs one command with its arguments (without the command name); returns the exit code.
using CommandFunction = std::function<int(const QStringList& arguments)>;

struct Registration {
  Registration(const char* name, const char* usage, CommandFunction run);
};

// Prints "tavlor-cli: <message>" on stderr and returns 1, for one-line failures.
int Fail(const QString& message);

// Prints a line (UTF-8) on stdout.
void PrintLine(const QString& line);

// The folder of the running executable: the program folder with the data files.
std::string ProgramFolder();

}  // namespace tavlor::cli
