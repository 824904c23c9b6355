// Runs the real tavlor-cli (TAVLOR_CLI_PATH, defined for the CLI tests) through the shell, as a
// script would, and gives its exit code and its output.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace tavlor::testing {

struct RunResult {
  int ExitCode;
  std::string Output;  // stdout and stderr together
};

// The text in single quotes for the shell.
inline std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline RunResult RunShell(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return {-1, "cannot start"};
  std::string output;
  std::array<char, 4096> buffer;
  while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
    output.append(buffer.data(), read);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

#ifdef TAVLOR_CLI_PATH
inline RunResult RunCli(const std::string& arguments) {
  return RunShell(Quoted(TAVLOR_CLI_PATH) + " " + arguments);
}
#endif

}  // namespace tavlor::testing
