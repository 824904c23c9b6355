// tavlor-cli show, and edit/add with --traditional: the texts the editor shows in either language,
// text typed as in the Traditional interface, and fields left alone kept byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/data/EditData.h"
#include "support/CliRunner.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::Quoted;
using testing::RunCli;
using testing::RunResult;

std::string Padded(std::string text, std::size_t width) {
  text.resize(width, '\0');
  return text;
}

const std::string kOdaSjis = "\x90\x44\x93\x63";  // 織田

class ShowCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteFileBytes(file, "");
    const RunResult added = Run("add",
                                "FamilyName=佐々木 GivenName=峠之介 FamilyReading=ささき "
                                "GivenReading=とうげのすけ BioLine1=織田の臣 BirthYear=1540 Lifespan=50");
    ASSERT_EQ(added.ExitCode, 0) << added.Output;
  }
  RunResult Run(const std::string& command, const std::string& rest) {
    return RunCli(command + " " + Quoted(file.string()) + " " + rest);
  }
  std::unique_ptr<GeneralTable> Load() const {
    auto table = std::make_unique<GeneralTable>();
    EXPECT_FALSE(LoadEditData(file, *table).Error);
    return table;
  }

  testing::TempFolder folder;
  std::filesystem::path file = folder / "EDATA000.13S";
};

TEST_F(ShowCommandTest, ShowPrintsWhatTheEditorShowsInEitherLanguage) {
  const RunResult simplified = Run("show", "0");
  ASSERT_EQ(simplified.ExitCode, 0) << simplified.Output;
  EXPECT_NE(simplified.Out.find("\"FamilyName\": \"佐々木\""), std::string::npos) << simplified.Out;
  EXPECT_NE(simplified.Out.find("\"GivenReading\": \"とうげのすけ\""), std::string::npos);
  EXPECT_NE(simplified.Out.find("\"织田の臣\""), std::string::npos) << "Simplified shows 織 as 织";
  EXPECT_NE(simplified.Out.find("\"Lifespan\": \"50\""), std::string::npos);
  EXPECT_NE(simplified.Out.find("\"language\": \"simplified\""), std::string::npos);

  const RunResult traditional = Run("show", "0 --traditional");
  ASSERT_EQ(traditional.ExitCode, 0) << traditional.Output;
  EXPECT_NE(traditional.Out.find("\"FamilyName\": \"佐々木\""), std::string::npos) << traditional.Out;
  EXPECT_NE(traditional.Out.find("\"GivenName\": \"峠之介\""), std::string::npos);
  EXPECT_NE(traditional.Out.find("\"織田の臣\""), std::string::npos);
  EXPECT_NE(traditional.Out.find("\"language\": \"traditional\""), std::string::npos);

  EXPECT_NE(Run("show", "1").ExitCode, 0) << "slot 1 is not in use";
  EXPECT_NE(Run("show", "x").ExitCode, 0);
}

TEST_F(ShowCommandTest, TextTypedInEitherLanguageStoresTheSameShiftJis) {
  ASSERT_EQ(Run("edit", "0 FamilyName=織田 --traditional").ExitCode, 0);
  EXPECT_EQ(FieldBytes(Load()->Slots[0].Record.FamilyName), Padded(kOdaSjis, 11));
  ASSERT_EQ(Run("edit", "0 GivenName=织田").ExitCode, 0);
  EXPECT_EQ(FieldBytes(Load()->Slots[0].Record.GivenName), Padded(kOdaSjis, 11));
  ASSERT_EQ(Run("add", "--traditional FamilyName=織田 GivenReading=おだ").ExitCode, 0);
  EXPECT_EQ(FieldBytes(Load()->Slots[1].Record.FamilyName), Padded(kOdaSjis, 11));
  // The editor's default reading, taken in Traditional as well.
  EXPECT_EQ(FieldBytes(Load()->Slots[1].Record.FamilyReading),
            Padded("\x82\x9f\x82\xa7\x82\xa5\x82\xa8", 19));

  // A character neither language can store is refused and nothing is written.
  const std::string before = testing::ReadFileBytes(file);
  const RunResult refused = Run("edit", "0 FamilyName=佐한 --traditional");
  EXPECT_NE(refused.ExitCode, 0);
  EXPECT_NE(refused.Error.find("한"), std::string::npos) << refused.Error;
  EXPECT_EQ(testing::ReadFileBytes(file), before);
}

TEST_F(ShowCommandTest, EditingOneFieldKeepsTheStoredBytesOfEveryText) {
  // A name as the game may hold it: a half-width kana byte no conversion gives back.
  auto table = Load();
  StoreField(table->Slots[0].Record.FamilyName, Padded("\xB1" + kOdaSjis, 11));
  testing::WriteFileBytes(file, SerializeEditData(*table));
  for (const char* language : {"", " --traditional"}) {
    ASSERT_EQ(Run("edit", std::string("0 Leadership=90") + language).ExitCode, 0);
    const auto edited = Load();
    EXPECT_EQ(FieldBytes(edited->Slots[0].Record.FamilyName), Padded("\xB1" + kOdaSjis, 11)) << language;
    EXPECT_EQ(FieldBytes(edited->Slots[0].Record.GivenName), FieldBytes(table->Slots[0].Record.GivenName));
    EXPECT_EQ(FieldBytes(edited->Slots[0].Record.BioLine1), FieldBytes(table->Slots[0].Record.BioLine1));
    EXPECT_EQ(edited->Slots[0].Record.Leadership, 90);
  }
}

}  // namespace
}  // namespace tavlor
