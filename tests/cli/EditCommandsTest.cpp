// tavlor-cli edit and add, run as a user would on edit-data files the test makes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "core/data/EditData.h"
#include "support/CliRunner.h"
#include "support/RandomTable.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using tavlor::testing::Quoted;
using tavlor::testing::RunCli;
using tavlor::testing::RunResult;

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

std::unique_ptr<GeneralTable> Load(const std::filesystem::path& file) {
  auto table = std::make_unique<GeneralTable>();
  EXPECT_FALSE(LoadEditData(file, *table).Error);
  return table;
}

std::string Sjis(std::initializer_list<uint16_t> codes, std::size_t width) {
  std::string text;
  for (uint16_t code : codes) {
    text.push_back(static_cast<char>(code >> 8));
    text.push_back(static_cast<char>(code & 0xFF));
  }
  text.resize(width, '\0');
  return text;
}

class EditCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileBytes(file, ""); }
  RunResult Run(const std::string& command, const std::string& rest) {
    return RunCli(command + " " + Quoted(file.string()) + " " + rest);
  }

  TempFolder folder;
  std::filesystem::path file = folder / "EDATA000.13S";
};

TEST_F(EditCommandsTest, AddThenEditGoThroughTheEditorsRules) {
  RunResult run = Run("add",
                      "FamilyName=織田 GivenName=' 信長 ' FamilyReading=おだ GivenReading=のぶなが "
                      "BioLine1=尾張 Leadership=110 FaceCode=1197 BirthYear=1534 Lifespan=49 CityNo=30 "
                      "Status=3 Voice=11 AptGun=4 Tactic=56");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  auto table = Load(file);
  ASSERT_EQ(table->GeneralCount, 1);
  const GeneralEntry added = table->Slots[0];
  EXPECT_EQ(FieldBytes(added.Record.FamilyName), Sjis({0x9044, 0x9363}, 11));
  EXPECT_EQ(FieldBytes(added.Record.GivenName), Sjis({0x904D, 0x92B7}, 11));  // trimmed
  EXPECT_EQ(FieldBytes(added.Record.GivenReading), Sjis({0x82CC, 0x82D4, 0x82C8, 0x82AA}, 19));
  EXPECT_EQ(FieldBytes(added.Record.BioLine1), Sjis({0x94F6, 0x92A3}, 36));
  EXPECT_EQ(added.Record.FaceNo, 4005);
  EXPECT_EQ(added.Record.BirthYear, 1534);
  EXPECT_EQ(added.Record.DeathYear, 1582);  // the lifespan counts both end years
  EXPECT_EQ(added.Record.Leadership, 110);
  EXPECT_EQ(added.Record.Valor, 70);  // the editor's start value
  EXPECT_EQ(added.Record.AffinityNo, 339);
  EXPECT_EQ(added.Record.AptGun, 4);
  EXPECT_EQ(added.Appendix.Tactic, 56);
  EXPECT_EQ(added.Appendix.CityNo, 30);
  EXPECT_EQ(added.Appendix.Status, 3);
  EXPECT_EQ(added.Appendix.Voice, 11);
  EXPECT_EQ(added.Appendix.GeneralNo, 10000);

  run = Run("edit", "0 Valor=101 FavouredNo=10000 DeathYear=1600");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  table = Load(file);
  const GeneralEntry& changed = table->Slots[0];
  EXPECT_EQ(changed.Record.Valor, 101);
  EXPECT_EQ(changed.Links.FavouredFlag, 1);
  EXPECT_EQ(changed.Links.FavouredNo, 10000);
  EXPECT_EQ(changed.Record.DeathYear, 1600);
  // Everything not named is written back as it was shown.
  GeneralEntry expected = added;
  expected.Record.Valor = 101;
  expected.Links.FavouredFlag = 1;
  expected.Links.FavouredNo = 10000;
  expected.Record.DeathYear = 1600;
  EXPECT_TRUE(changed == expected);
  EXPECT_TRUE(std::filesystem::exists(folder / "EDATA000.13S.bak"));

  // A birth year moves the death year with the lifespan (1600 - 1534 + 1 = 67 years).
  ASSERT_EQ(Run("edit", "0 BirthYear=1540").ExitCode, 0);
  EXPECT_EQ(Load(file)->Slots[0].Record.DeathYear, 1606);
}

TEST_F(EditCommandsTest, RefusedValuesWriteNothing) {
  ASSERT_EQ(Run("add", "FamilyName=織田").ExitCode, 0);
  std::filesystem::remove(folder / "EDATA000.13S.bak");
  const std::string before = ReadFileBytes(file);
  const char* refused[] = {
      "0 Valor=abc",
      "0 Valor=121",
      "0 Duty=0",
      "0 FamilyName=AB",
      "0 GivenName=信長信長信長",
      "0 BioLine3=啊",
      "0 BioLine2=😀",
      "0 Bogus=1",
      "0 Valor",
      "0 Status=5",
      "0 Voice=0",
      "0 CityNo=66",
      "0 FaceCode=1500",
      "0 AffinityNo=10001",
      "0 FatherNo=2306",
      "0 AptBow=5",
      "0 Tactic=57",
      "0 Sex=2",
      "0 Origin=8",
      "0 BirthYear=1459",
      "0 Lifespan=111",
      "0 Lifespan=20 DeathYear=1600",
      "0 DeathYear=1400",
      "0 Valor=90 Valor=91",
      "0 Valor=90 Intellect=x",
      "1 Valor=90",
      "-1 Valor=90",
      "x Valor=90",
  };
  for (const char* arguments : refused) {
    const RunResult run = Run("edit", arguments);
    EXPECT_NE(run.ExitCode, 0) << arguments;
    EXPECT_EQ(std::count(run.Output.begin(), run.Output.end(), '\n'), 1) << arguments << ": " << run.Output;
    EXPECT_EQ(run.Output.rfind("tavlor-cli: ", 0), 0u) << run.Output;
  }
  EXPECT_EQ(ReadFileBytes(file), before);
  EXPECT_FALSE(std::filesystem::exists(folder / "EDATA000.13S.bak"));
  EXPECT_NE(Run("add", "Leadership=0").ExitCode, 0);
  EXPECT_EQ(ReadFileBytes(file), before);
}

TEST_F(EditCommandsTest, AddingToAFullFileIsRefused) {
  std::mt19937 random(7);
  WriteFileBytes(file, SerializeEditData(*testing::RandomTable(random, 1000)));
  const std::string before = ReadFileBytes(file);
  const RunResult run = Run("add", "Valor=90");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Output.find("1000"), std::string::npos) << run.Output;
  EXPECT_EQ(ReadFileBytes(file), before);
}

TEST_F(EditCommandsTest, AMissingFileIsNotCreated) {
  const std::filesystem::path missing = folder / "none.13S";
  const RunResult run = RunCli("add " + Quoted(missing.string()) + " Valor=90");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Output.find("no such file"), std::string::npos) << run.Output;
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(EditCommandsTest, LinksMayNameBuiltinAndRegisteredGeneralsInUse) {
  ASSERT_EQ(Run("add", "").ExitCode, 0);
  ASSERT_EQ(Run("add", "AffinityNo=10000 FatherNo=2305 DislikedNo=0").ExitCode, 0);
  const auto table = Load(file);
  ASSERT_EQ(table->GeneralCount, 2);
  EXPECT_EQ(table->Slots[1].Record.AffinityNo, 10000);
  EXPECT_EQ(table->Slots[1].Record.FatherNo, 2305);
  EXPECT_EQ(table->Slots[1].Links.DislikedFlag, 1);
  EXPECT_EQ(table->Slots[1].Links.DislikedNo, 0);
  EXPECT_EQ(table->Slots[1].Appendix.GeneralNo, 10001);
}

}  // namespace
}  // namespace tavlor
