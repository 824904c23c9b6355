// Missing and damaged character table files: which ones are named, and what still works.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/editor/TextBudget.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

const std::string kOdaSjis = "\x90\x44\x93\x63";  // 織田

TEST(DamagedTablesTest, MissingAndShortFilesAreNamedAndNamesStillShow) {
  if (!std::filesystem::exists(testing::ShippedFile("GBKN.dat")))
    GTEST_SKIP() << "the shipped character tables are not in this checkout";
  testing::TempFolder folder;
  for (const char* name : {"GBKN.dat", "JISN.dat", "BIG5.DAT"})
    std::filesystem::copy_file(testing::ShippedFile(name), folder / name);
  // The copy may carry a read-only checkout's permissions.
  std::filesystem::permissions(folder / "JISN.dat", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  std::filesystem::resize_file(folder / "JISN.dat", 100);  // damaged: cut short
  // GB.DAT is missing.
  TextTables tables;
  LoadGbkJisTables(folder.Path(), tables.GbkJis);
  tables.GbBig5.ProgramFolder = folder.Path();
  tables.GbBig5.JisForms = &tables.GbkJis;
  LoadGbBig5Tables(tables.GbBig5);

  const std::vector<DamagedTableFile> damaged = DamagedTableFiles(tables);
  ASSERT_EQ(damaged.size(), 2u);
  EXPECT_EQ(damaged[0].Name, "JISN.dat");
  EXPECT_EQ(damaged[0].Bytes, std::optional<std::uintmax_t>(100));
  EXPECT_EQ(damaged[0].ExpectedBytes, 47880u);
  EXPECT_EQ(damaged[1].Name, "GB.DAT");
  EXPECT_FALSE(damaged[1].Bytes);

  // Names show through GBKN.dat; Traditional falls back to the Simplified text.
  const std::string shown = SjisToGbk(kOdaSjis, tables.GbkJis);
  EXPECT_EQ(shown, "\xd6\xaf\xcc\xef");  // 织田
  EXPECT_EQ(GbToBig5(shown, tables.GbBig5), shown);
  // Typing needs the cut JISN.dat: refused rather than stored as zero bytes.
  const TextBudget typed = BudgetOfBox(std::nullopt, shown, kNameWidth, true, tables, true);
  ASSERT_TRUE(typed.Unstorable);
  EXPECT_EQ(*typed.Unstorable, "\xd6\xaf");
}

}  // namespace
}  // namespace tavlor
