// Runs the real tavlor-cli (TAVLOR_CLI_PATH, defined for the CLI tests) through the shell, as a
// script would, and gives its exit code, its standard output and its error output. The two outputs
// are caught in files of a temporary folder of the run's own, never in the working folder.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempFolder.h"

namespace tavlor::testing {

struct RunResult {
  int ExitCode;
  std::string Output;  // stdout, then stderr
  std::string Out;     // stdout alone
  std::string Error;   // stderr alone
};

// The text in single quotes for the shell.
inline std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline RunResult RunShell(const std::string& command) {
  TempFolder folder;
  const std::string out = (folder / "stdout").string(), error = (folder / "stderr").string();
  const int status = std::system(("{ " + command + " ; } >" + Quoted(out) + " 2>" + Quoted(error)).c_str());
  RunResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, "", ReadFileBytes(out),
                   ReadFileBytes(error)};
  result.Output = result.Out + result.Error;
  return result;
}

#ifdef TAVLOR_CLI_PATH
// The program under test as a shell command: this build's tavlor-cli, or the command in
// TAVLOR_CLI_COMMAND when it is set (the Windows build's tavlor-cli.exe under Wine), so the same
// tests check that program too.
inline std::string CliCommand() {
  const char* other = std::getenv("TAVLOR_CLI_COMMAND");
  return other != nullptr && *other != '\0' ? std::string(other) : Quoted(TAVLOR_CLI_PATH);
}
// Whether the tests run another build's program, not the one beside them.
inline bool CliIsAnotherBuild() {
  const char* other = std::getenv("TAVLOR_CLI_COMMAND");
  return other != nullptr && *other != '\0';
}

inline RunResult RunCli(const std::string& arguments) {
  return RunShell(CliCommand() + " " + arguments);
}
#endif

}  // namespace tavlor::testing
