// The conventions every tavlor-cli command shares: --help, "--" ending the options, unknown
// options refused, and errors on stderr with a non-zero exit while stdout stays clean.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/data/EditData.h"
#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::Quoted;
using testing::RunCli;
using testing::RunResult;

// Every command tavlor-cli has, written here rather than read from its --help, so that a command
// dropped from the program or from its overview is noticed.
const std::vector<std::string> kCommands = {
    "add",          "appear", "check",  "convert",        "csv-export", "csv-import",
    "delete",       "edit",   "export", "export-general", "face",       "face-import",
    "face-restore", "faces",  "import", "import-general", "list",       "merge",
    "move",         "paths",  "resave", "resolve",        "sheet",      "show"};

// The command names the overview lists (lines of two blanks and the synopsis).
std::vector<std::string> OverviewCommandNames() {
  const RunResult overview = RunCli("--help");
  EXPECT_EQ(overview.ExitCode, 0);
  std::vector<std::string> names;
  std::istringstream lines(overview.Out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ')
      names.push_back(line.substr(2, line.find(' ', 2) - 2));
  }
  return names;
}

TEST(CommandLineTest, TheOverviewListsEveryCommand) {
  std::vector<std::string> listed = OverviewCommandNames();
  std::vector<std::string> expected = kCommands;
  std::sort(listed.begin(), listed.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
}

TEST(CommandLineTest, EveryCommandAnswersHelpOnStdout) {
  for (const std::string& name : kCommands) {
    SCOPED_TRACE(name);
    for (const std::string& asked : {name + " --help", name + " -h", "help " + name}) {
      const RunResult help = RunCli(asked);
      EXPECT_EQ(help.ExitCode, 0) << help.Error;
      EXPECT_EQ(help.Out.rfind("usage: tavlor-cli " + name, 0), 0u) << help.Out;
      EXPECT_NE(help.Out.find("--help"), std::string::npos);
      EXPECT_TRUE(help.Error.empty()) << help.Error;
    }
  }
}

TEST(CommandLineTest, ErrorsGoToStderrWithANonZeroExit) {
  testing::TempFolder folder;
  const std::string missing = Quoted((folder / "missing.13S").string());
  for (const std::string& arguments :
       {std::string(""), std::string("nosuchcommand"), std::string("resolve"), std::string("resolve x"),
        std::string("resolve --bogus 5"), std::string("check ") + missing, std::string("list ") + missing,
        std::string("edit ") + missing + " 0 Valor=1", std::string("convert nosuchmode 41"),
        std::string("faces ") + missing, std::string("check --traditional=1 ") + missing}) {
    SCOPED_TRACE(arguments);
    const RunResult run = RunCli(arguments);
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Out.empty()) << run.Out;
    EXPECT_NE(run.Error.find("tavlor-cli"), std::string::npos) << run.Error;
  }
  const RunResult unknown = RunCli("resolve --bogus 5");
  EXPECT_NE(unknown.Error.find("unknown option --bogus"), std::string::npos) << unknown.Error;
  EXPECT_NE(unknown.Error.find("usage: tavlor-cli resolve"), std::string::npos) << unknown.Error;

  // Output that cannot be written is a failure too.
  const RunResult full = testing::RunShell(testing::CliCommand() + " resolve 5 >/dev/full");
  EXPECT_NE(full.ExitCode, 0);
  EXPECT_NE(full.Error.find("cannot write the output"), std::string::npos) << full.Error;
}

TEST(CommandLineTest, DoubleDashEndsTheOptions) {
  RunResult run = RunCli("resolve -- -1");
  EXPECT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_EQ(run.Out, "none\n");
  run = RunCli("resolve -- 1700");
  EXPECT_EQ(run.Out, "edit 0\n");
  run = RunCli("resolve -1");  // a negative number is never taken for an option
  EXPECT_EQ(run.Out, "none\n");
  run = RunCli("resolve -- --help");  // after "--" even --help is an argument
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Error.find("FACENO must be"), std::string::npos) << run.Error;

  // A file whose name starts with "-": refused as an option before "--", read after it.
  testing::TempFolder folder;
  auto table = std::make_unique<GeneralTable>();
  testing::WriteFileBytes(folder / "-x.13S", SerializeEditData(*table));
  const std::string cd = "cd " + Quoted(folder.Path().string()) + " && " + testing::CliCommand();
  run = testing::RunShell(cd + " check -x.13S");
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_NE(run.Error.find("unknown option -x.13S"), std::string::npos) << run.Error;
  run = testing::RunShell(cd + " check -- -x.13S");
  EXPECT_EQ(run.ExitCode, 0) << run.Error;
  EXPECT_EQ(run.Out.rfind("GeneralCount 0", 0), 0u) << run.Out;
}

}  // namespace
}  // namespace tavlor
