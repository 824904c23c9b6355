// The file commands of tavlor-cli, run on files the test makes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "core/data/EditData.h"
#include "support/CliRunner.h"
#include "support/RandomTable.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::RunResult;
using testing::TempFolder;
using testing::WriteFileBytes;

class FileCommandsTest : public ::testing::Test {
 protected:
  static RunResult Run(const std::string& arguments) { return testing::RunCli(arguments); }

  std::string Quoted(const fs::path& path) const { return "'" + path.string() + "'"; }

  // A table whose unused entries are the shipped Blank slot, as the editor writes them.
  std::unique_ptr<GeneralTable> Table(int count, unsigned seed) {
    std::mt19937 random(seed);
    auto table = testing::RandomTable(random, count);
    LoadBlankSlot(testing::ShippedFolder() / "Bk.N13", *table);
    return table;
  }

  TempFolder folder;
};

void StoreGeneral(GeneralEntry& entry, const std::string& family, const std::string& given, int32_t appear) {
  StoreField(entry.Record.FamilyName, family);
  StoreField(entry.Record.GivenName, given);
  entry.Record.BirthYear = 1534;
  entry.Appendix.AppearFlag = appear;
}

// Shift-JIS 織田 and 信長, a name padded with blanks, and a standby general.
const std::string kOda = "\x90\x44\x93\x63";
const std::string kNobunaga = "\x90\x4d\x92\xb7";

TEST_F(FileCommandsTest, ListShowsSlotNameDisplayNameAndAppearance) {
  auto table = Table(2, 1);
  StoreGeneral(table->Slots[0], kOda, kNobunaga, 1);
  StoreGeneral(table->Slots[1], " Abc ", "de", 5);
  WriteFileBytes(folder / "E.13S", SerializeEditData(*table));

  const RunResult result = Run("list " + Quoted(folder / "E.13S"));
  ASSERT_EQ(result.ExitCode, 0) << result.Error;
  std::vector<std::vector<std::string>> rows;
  std::size_t lineStart = 0;
  while (lineStart < result.Out.size()) {
    const std::size_t lineEnd = result.Out.find('\n', lineStart);
    ASSERT_NE(lineEnd, std::string::npos) << "every line ends with a line break";
    std::vector<std::string> columns;
    std::size_t at = lineStart;
    for (std::size_t tab; (tab = result.Out.find('\t', at)) < lineEnd; at = tab + 1)
      columns.push_back(result.Out.substr(at, tab - at));
    columns.push_back(result.Out.substr(at, lineEnd - at));
    rows.push_back(columns);
    lineStart = lineEnd + 1;
  }
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(rows[0].size(), 4u);
  EXPECT_EQ(rows[0][0], "0");
  EXPECT_EQ(rows[0][1], "\xe7\xb9\x94\xe7\x94\xb0\xe4\xbf\xa1\xe9\x95\xb7");  // 織田信長
  // The display name goes through the shipped tables; 田 comes out as itself.
  EXPECT_NE(rows[0][2].find("\xe7\x94\xb0"), std::string::npos) << rows[0][2];
  EXPECT_EQ(rows[0][3], "1");
  // One-byte codes have no place in the display name; the stored name is trimmed.
  EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "Abcde", "", "5"}));
}

TEST_F(FileCommandsTest, ExportThenImportGivesBackTheSameFile) {
  auto table = Table(37, 2);
  const std::string original = SerializeEditData(*table);
  WriteFileBytes(folder / "E.13S", original);

  const RunResult exported = Run("export " + Quoted(folder / "E.13S"));
  ASSERT_EQ(exported.ExitCode, 0) << exported.Error;
  EXPECT_NE(exported.Out.find("\"GeneralCount\": 37"), std::string::npos);
  EXPECT_NE(exported.Out.find("\"slot\": 36"), std::string::npos);
  EXPECT_NE(exported.Out.find("\"DisplayName\""), std::string::npos);
  EXPECT_NE(exported.Out.find("\"Tactic\": " + std::to_string(table->Slots[0].Appendix.Tactic) + ","),
            std::string::npos);
  // Text fields as lower-case hex of every stored byte.
  std::string familyHex;
  for (char c : FieldBytes(table->Slots[0].Record.FamilyName)) {
    static const char* digits = "0123456789abcdef";
    familyHex += digits[static_cast<uint8_t>(c) >> 4];
    familyHex += digits[static_cast<uint8_t>(c) & 15];
  }
  EXPECT_NE(exported.Out.find("\"FamilyName\": \"" + familyHex + "\""), std::string::npos);
  WriteFileBytes(folder / "e.json", exported.Out);

  const RunResult imported = Run("import " + Quoted(folder / "e.json") + " " + Quoted(folder / "new.13S"));
  ASSERT_EQ(imported.ExitCode, 0) << imported.Error;
  EXPECT_EQ(ReadFileBytes(folder / "new.13S"), original);
}

TEST_F(FileCommandsTest, ImportRefusesBadInputWithOneLineAndWritesNothing) {
  auto table = Table(2, 3);
  WriteFileBytes(folder / "E.13S", SerializeEditData(*table));
  const std::string json = Run("export " + Quoted(folder / "E.13S")).Out;
  const auto replaced = [&json](const std::string& from, const std::string& to) {
    std::string changed = json;
    const std::size_t at = changed.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) changed.replace(at, from.size(), to);
    return changed;
  };
  const std::string birthYear = "\"BirthYear\": " + std::to_string(table->Slots[0].Record.BirthYear);
  const std::string tactic = "\"Tactic\": " + std::to_string(table->Slots[0].Appendix.Tactic);
  const std::pair<std::string, std::string> cases[] = {
      {"{ not json", "offset"},
      {replaced(birthYear, "\"BirthYear\": 0"), "BirthYear"},
      {replaced(birthYear, "\"BirthYear\": 1.5"), "BirthYear"},
      {replaced(tactic, "\"Tactic\": 40000"), "Tactic"},
      {replaced(birthYear + ",", ""), "BirthYear is missing"},
      {replaced("\"HeaderBlock\": \"", "\"HeaderBlock\": \"00"), "HeaderBlock"},
      {replaced("\"Tag\": \"", "\"Tag\": \"zz"), "Tag"},
      {replaced("\"slot\": 1", "\"slot\": 0"), "slot"},
      {replaced("\"GeneralCount\": 2", "\"GeneralCount\": 3"), "GeneralCount"},
  };
  for (const auto& [input, mention] : cases) {
    WriteFileBytes(folder / "bad.json", input);
    const RunResult result = Run("import " + Quoted(folder / "bad.json") + " " + Quoted(folder / "out.13S"));
    EXPECT_NE(result.ExitCode, 0) << mention;
    EXPECT_NE(result.Error.find(mention), std::string::npos) << result.Error;
    EXPECT_EQ(std::count(result.Error.begin(), result.Error.end(), '\n'), 1) << result.Error;
    EXPECT_FALSE(fs::exists(folder / "out.13S")) << mention;
  }
}

TEST_F(FileCommandsTest, ResaveWritesWhatTheEditorWouldAndKeepsABackup) {
  // A short file written by someone else: two generals, no terminator, no Blank slots.
  auto table = Table(2, 4);
  const std::string full = SerializeEditData(*table);
  std::string shortFile = full.substr(0, full.size() - 998 * kBlankSlotSize);
  WriteFileBytes(folder / "E.13S", shortFile);
  // The file replaced: edit data written in place by an older save, with a stale tail.
  const std::string old = SerializeEditData(*Table(5, 9)) + std::string(200000, 'x');
  WriteFileBytes(folder / "out.13S", old);

  const RunResult result = Run("resave " + Quoted(folder / "E.13S") + " " + Quoted(folder / "out.13S"));
  ASSERT_EQ(result.ExitCode, 0) << result.Error;
  const std::string saved = ReadFileBytes(folder / "out.13S");
  auto loaded = std::make_unique<GeneralTable>();
  ParseEditData(saved, *loaded);
  EXPECT_EQ(loaded->GeneralCount, 2);
  auto expected = std::make_unique<GeneralTable>(*loaded);
  LoadBlankSlot(testing::ShippedFolder() / "Bk.N13", *expected);
  EXPECT_EQ(saved, SerializeEditData(*expected));  // 1000 entries, no stale tail
  EXPECT_EQ(ReadFileBytes(folder / "out.13S.bak"), old);
  EXPECT_EQ(ReadFileBytes(folder / "E.13S"), shortFile);

  const RunResult missing = Run("resave " + Quoted(folder / "none.13S") + " " + Quoted(folder / "o.13S"));
  EXPECT_NE(missing.ExitCode, 0);
  EXPECT_NE(missing.Error.find("none.13S"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "none.13S"));  // commands never create what they read
  const RunResult noFolder =
      Run("resave " + Quoted(folder / "E.13S") + " " + Quoted(folder / "no" / "such" / "o.13S"));
  EXPECT_NE(noFolder.ExitCode, 0);
  EXPECT_NE(noFolder.Error.find("cannot open"), std::string::npos) << noFolder.Error;
}

TEST_F(FileCommandsTest, CheckReportsOddValuesAndTruncation) {
  auto table = Table(3, 5);
  for (int slot = 0; slot < 3; ++slot) {
    GeneralEntry& e = table->Slots[slot];
    StoreField(e.Record.Tag, "NOBU13EDITB_V6");
    StoreField(e.Record.BioLine1, "short");
    StoreField(e.Record.BioLine2, "");
    StoreField(e.Record.BioLine3, "");
    e.Record.BioBreak1 = e.Record.BioBreak2 = e.Record.BioBreak3 = 0;
    e.Record.Sex = 1;
    e.Record.Origin = 3;
    e.Record.AptAshigaru = e.Record.AptCavalry = e.Record.AptBow = e.Record.AptGun = e.Record.AptSiege = 2;
    e.Record.FaceNo = 0;
    e.Record.BirthYear = 1540;
    e.Record.DeathYear = 1590;
    e.Record.FatherNo = -1;
    e.Record.AffinityNo = 100;
    e.Links = {0, 0, 1, 10001, 0, 0};
    e.Appendix.Tactic = 5;
    e.Appendix.Voice = 4;
    e.Appendix.CityNo = 36;
    e.Appendix.Status = 7;
    e.Appendix.GeneralNo = 10000 + slot;
  }
  table->Slots[1].Record.Origin = 12;
  table->Slots[1].Appendix.Tactic = 200;
  table->Slots[2].Links.FavouredNo = 10007;  // beyond the three generals in the file
  WriteFileBytes(folder / "E.13S", SerializeEditData(*table));

  RunResult result = Run("check " + Quoted(folder / "E.13S"));
  ASSERT_EQ(result.ExitCode, 0) << result.Error;
  EXPECT_EQ(result.Out.substr(0, result.Out.find('\n')), "GeneralCount 3");
  EXPECT_NE(result.Out.find("slot 1: Origin 12 outside 0-7"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("slot 1: Tactic 200 outside 0-56"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("slot 2: FavouredNo 10007 names no general"), std::string::npos) << result.Out;
  EXPECT_EQ(result.Out.find("slot 0:"), std::string::npos) << result.Out;
  EXPECT_NE(result.Out.find("3 finding(s)"), std::string::npos) << result.Out;

  // Cut inside entry 2: two generals, and the truncation is named.
  const std::string bytes = SerializeEditData(*table);
  WriteFileBytes(folder / "short.13S", bytes.substr(0, 20 + 367 * 2 + 100));
  result = Run("check " + Quoted(folder / "short.13S"));
  ASSERT_EQ(result.ExitCode, 0) << result.Error;
  EXPECT_NE(result.Out.find("GeneralCount 2"), std::string::npos);
  EXPECT_NE(result.Out.find("truncated"), std::string::npos) << result.Out;

  result = Run("check");
  EXPECT_NE(result.ExitCode, 0);
  EXPECT_NE(result.Error.find("usage"), std::string::npos);
}

TEST_F(FileCommandsTest, AFileThatIsNoEditDataFileIsReportedAndNotSavedOver) {
  const std::string picture = "\x89PNG\r\n\x1a\n" + std::string(3000, 'p');
  WriteFileBytes(folder / "picture.13S", picture);
  WriteFileBytes(folder / "E.13S", SerializeEditData(*Table(2, 6)));

  const RunResult check = Run("check " + Quoted(folder / "picture.13S"));
  EXPECT_NE(check.ExitCode, 0);
  EXPECT_TRUE(check.Out.empty()) << check.Out;
  EXPECT_NE(check.Error.find("not an edit-data file"), std::string::npos) << check.Error;
  EXPECT_NE(check.Error.find("picture.13S"), std::string::npos) << check.Error;

  const RunResult resave = Run("resave " + Quoted(folder / "E.13S") + " " + Quoted(folder / "picture.13S"));
  EXPECT_NE(resave.ExitCode, 0);
  EXPECT_NE(resave.Error.find("not an edit-data file"), std::string::npos) << resave.Error;
  EXPECT_EQ(ReadFileBytes(folder / "picture.13S"), picture);
  EXPECT_FALSE(fs::exists(folder / "picture.13S.bak"));
}

}  // namespace
}  // namespace tavlor
