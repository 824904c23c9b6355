// tavlor-cli face, faces and resolve, run as a user would on archives the test makes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <string>

#include "support/ArchiveBuilder.h"
#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace {

using tavlor::testing::Quoted;
using tavlor::testing::RunCli;
using tavlor::testing::RunResult;

using tavlor::testing::ArchiveBuilder;
using tavlor::testing::TempFolder;

// Width and height from a PNG's IHDR chunk ({0, 0} when the bytes are no PNG). The pixels
// themselves are checked where they are drawn (FaceDrawingTest); here the size and format count.
std::pair<uint32_t, uint32_t> PngSize(const std::string& bytes) {
  auto be32 = [&](std::size_t at) {
    return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
           (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
  };
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  return {be32(16), be32(20)};
}

TEST(FaceCommandsTest, FaceWritesAPngAtTheFacesOwnSize) {
  TempFolder folder;
  ArchiveBuilder builder;
  builder.AddFace(240, 240, 1);
  builder.AddFace(96, 120, 2);
  builder.WriteTo(folder / "KAO_M.N13");

  const RunResult run = RunCli("face " + Quoted((folder / "KAO_M.N13").string()) + " 1 " +
                               Quoted((folder / "out.png").string()));
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(PngSize(tavlor::testing::ReadFileBytes(folder / "out.png")),
            (std::pair<uint32_t, uint32_t>(96, 120)));
}

TEST(FaceCommandsTest, FaceRefusesBadArchivesAndUnreadableIndexes) {
  TempFolder folder;
  ArchiveBuilder builder;
  builder.AddFace(60, 60, 1);
  builder.WriteTo(folder / "good.N13");
  std::string huge = builder.Bytes();
  tavlor::testing::PatchLong(huge, ArchiveBuilder::kEntryCountOffset, INT32_MAX);
  tavlor::testing::WriteFileBytes(folder / "huge.N13", huge);

  const std::string out = Quoted((folder / "out.png").string());
  const RunResult refused = RunCli("face " + Quoted((folder / "huge.N13").string()) + " 0 " + out);
  EXPECT_NE(refused.ExitCode, 0);
  EXPECT_NE(refused.Output.find("entry table"), std::string::npos) << refused.Output;

  const RunResult missing = RunCli("face " + Quoted((folder / "missing.N13").string()) + " 0 " + out);
  EXPECT_NE(missing.ExitCode, 0);
  EXPECT_NE(missing.Output.find("missing.N13"), std::string::npos) << missing.Output;

  for (const char* index : {"1", "-1", "abc"}) {
    const RunResult bad = RunCli("face " + Quoted((folder / "good.N13").string()) + " " + index + " " + out);
    EXPECT_NE(bad.ExitCode, 0) << index;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "out.png"));
}

TEST(FaceCommandsTest, SheetLaysOutTenFacesARow) {
  TempFolder folder;
  ArchiveBuilder builder;
  for (int i = 0; i < 12; ++i) builder.AddFace(60, 60, i);
  builder.WriteTo(folder / "s.N13");
  const std::string out = Quoted((folder / "sheet.png").string());
  const RunResult run = RunCli("sheet " + Quoted((folder / "s.N13").string()) + " 0 12 " + out);
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(PngSize(tavlor::testing::ReadFileBytes(folder / "sheet.png")),
            (std::pair<uint32_t, uint32_t>(10 * 64 + 4, 2 * 64 + 4)));
  EXPECT_NE(RunCli("sheet " + Quoted((folder / "s.N13").string()) + " 0 0 " + out).ExitCode, 0);
}

TEST(FaceCommandsTest, FacesPrintsCountsAndDistinctSizes) {
  TempFolder folder;
  ArchiveBuilder builder;
  builder.AddFace(96, 120, 1);
  builder.AddFace(96, 120, 2);
  builder.AddFace(60, 60, 3);
  builder.SetSizeRowCount(4);
  builder.WriteTo(folder / "a.N13");

  const RunResult run = RunCli("faces " + Quoted((folder / "a.N13").string()));
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_NE(run.Output.find("entries: 3\n"), std::string::npos) << run.Output;
  EXPECT_NE(run.Output.find("sizes: 4\n"), std::string::npos) << run.Output;
  EXPECT_NE(run.Output.find("96x120 (2), 60x60 (1), 0x0 (1)"), std::string::npos) << run.Output;

  tavlor::testing::WriteFileBytes(folder / "empty.N13", "");
  EXPECT_NE(RunCli("faces " + Quoted((folder / "empty.N13").string())).ExitCode, 0);
}

TEST(FaceCommandsTest, ResolvePrintsTheSetAndIndex) {
  const std::pair<const char*, const char*> cases[] = {
      {"1291", "game 1291\n"}, {"1750", "edit 50\n"}, {"4001", "game 1193\n"},
      {"4000", "none\n"},      {"-1", "none\n"},      {"8000", "game 1277\n"},
  };
  for (const auto& [number, expected] : cases) {
    const RunResult run = RunCli(std::string("resolve ") + number);
    ASSERT_EQ(run.ExitCode, 0) << number << run.Output;
    EXPECT_EQ(run.Output, expected) << number;
  }
  EXPECT_NE(RunCli("resolve twelve").ExitCode, 0);
  EXPECT_NE(RunCli("resolve 99999999999").ExitCode, 0);
}

}  // namespace
