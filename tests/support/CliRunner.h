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
inline RunResult RunCli(const std::string& arguments) {
  return RunShell(Quoted(TAVLOR_CLI_PATH) + " " + arguments);
}
#endif

}  // namespace tavlor::testing
