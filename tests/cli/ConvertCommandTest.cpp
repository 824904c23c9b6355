// tavlor-cli convert through the shipped tables, as a script would call it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace {

using tavlor::testing::Quoted;
using tavlor::testing::RunCli;
using tavlor::testing::RunResult;
using tavlor::testing::RunShell;

using tavlor::testing::TempFolder;

TEST(ConvertCommand, ConvertsEachHexArgumentInAllFourModes) {
  // 織田信長 and the ideographic space, Shift-JIS -> GBK.
  auto result = RunCli("convert sjis2gbk 90449363904D92B7 8140");
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Output, "d6afccefd0c5b3a4\na1a1\n");
  result = RunCli("convert gbk2sjis d6afccefd0c5b3a4");
  EXPECT_EQ(result.Output, "90449363904d92b7\n");
  result = RunCli("convert gb2big5 0xb3a441");  // 长A
  EXPECT_EQ(result.Output, "aaf841\n");
  result = RunCli("convert big52gb aaf8");
  EXPECT_EQ(result.Output, "b3a4\n");
}

TEST(ConvertCommand, ReadsHexLinesFromStdin) {
  const auto result = RunShell("printf 'b3a4\\n\\nb9fa\\n' | " + tavlor::testing::CliCommand() + " convert gbk2sjis");
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Output, "92b7\n\n8d91\n");
}

TEST(ConvertCommand, RejectsBadModesHexAndMissingTables) {
  for (const char* arguments : {"convert", "convert utf8 41", "convert gbk2sjis 123", "convert gbk2sjis zz",
                                "convert gbk2sjis '4 1'"}) {
    const auto result = RunCli(arguments);
    EXPECT_NE(result.ExitCode, 0) << arguments;
    EXPECT_NE(result.Output.find("tavlor-cli: "), std::string::npos) << arguments;
    EXPECT_EQ(result.Output.find('\n'), result.Output.size() - 1) << "one line: " << result.Output;
  }
  // A program folder without the tables (this build's program, copied).
  if (tavlor::testing::CliIsAnotherBuild()) return;
  TempFolder folder;
  const auto copy = folder / "tavlor-cli";
  std::filesystem::copy_file(TAVLOR_CLI_PATH, copy);
  const auto result = RunShell("'" + copy.string() + "' convert gb2big5 b3a4");
  EXPECT_NE(result.ExitCode, 0);
  EXPECT_NE(result.Output.find("GB.DAT"), std::string::npos) << result.Output;
}

}  // namespace
