// The built-in general lists: the bundled list, wrong list files, and registered generals appended
// so that slot k always sits at row 2307 + k.
#include <gtest/gtest.h>

#include <memory>

#include "core/data/BuiltinGeneralLists.h"
#include "core/lang/InterfaceTexts.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

const GbkJisTables& ShippedTables() {
  static const auto tables = [] {
    auto loaded = std::make_unique<GbkJisTables>();
    LoadGbkJisTables(testing::ShippedFolder(), *loaded);
    return loaded;
  }();
  return *tables;
}

BuiltinGeneralLists BundledLists() {
  BuiltinGeneralLists lists;
  const auto problems = lists.LoadBuiltinRows(testing::ShippedFolder() / "BuiltinGenerals.tsv");
  EXPECT_TRUE(problems.empty()) << problems.front().Line << ": " << problems.front().Reason;
  return lists;
}

std::unique_ptr<GeneralTable> TableWithGenerals(int count) {
  auto table = std::make_unique<GeneralTable>();
  table->GeneralCount = count;
  for (int slot = 0; slot < count && slot < static_cast<int>(kSlotCount); ++slot) {
    auto& record = table->Slots[slot].Record;
    StoreField(record.FamilyName, "\x90\x44\x93\x63");  // 織田
    record.FaceNo = slot;
    record.Leadership = slot % 120;
  }
  return table;
}

TEST(BuiltinGeneralLists, BundledListFillsTheBuiltinRows) {
  const BuiltinGeneralLists lists = BundledLists();
  ASSERT_EQ(lists.RowCount(), kBuiltinRowCount);
  const ListRow heading = {
      std::string(texts::ListHeadingNone),       std::string(texts::ListHeadingFace),
      std::string(texts::ListHeadingLeadership), std::string(texts::ListHeadingValor),
      std::string(texts::ListHeadingIntellect),  std::string(texts::ListHeadingPolitics)};
  EXPECT_EQ(lists.Row(0), heading);
  EXPECT_EQ(lists.Name(1),
            "\xce\xe4\xbd\xab"
            "0001");  // 武将0001: General number 0
  EXPECT_EQ(lists.Name(2306),
            "\xce\xe4\xbd\xab"
            "2306");
  for (int row = 1; row < kBuiltinRowCount; ++row) {
    const int face = std::stoi(lists.Cell(1, row));
    ASSERT_TRUE(face >= 0 && face <= 1291) << row;  // the game's own faces
  }
}

TEST(BuiltinGeneralLists, RefreshAppendsOneRowPerGeneralAndNeverTwice) {
  BuiltinGeneralLists lists = BundledLists();
  RefreshGeneralLists(lists, *TableWithGenerals(0), ShippedTables());
  EXPECT_EQ(lists.RowCount(), 2307);

  const auto full = TableWithGenerals(1000);
  RefreshGeneralLists(lists, *full, ShippedTables());
  EXPECT_EQ(lists.RowCount(), 3307);
  RefreshGeneralLists(lists, *full, ShippedTables());  // a reload
  EXPECT_EQ(lists.RowCount(), 3307);

  const auto fewer = TableWithGenerals(3);
  RefreshGeneralLists(lists, *fewer, ShippedTables());
  ASSERT_EQ(lists.RowCount(), 2310);
  EXPECT_EQ(lists.Name(2306),
            "\xce\xe4\xbd\xab"
            "2306");  // built-in rows untouched

  // General number 10000 + k names slot k, at row 2307 + k; 0..2306 name row n + 1.
  for (int slot = 0; slot < 3; ++slot) {
    const int row = *ListRowOfGeneralNumber(kRegisteredGeneralBase + slot);
    EXPECT_EQ(row, 2307 + slot);
    EXPECT_EQ(lists.Cell(1, row), std::to_string(slot));
    EXPECT_EQ(GeneralNumberOfListRow(row), kRegisteredGeneralBase + slot);
  }
  EXPECT_EQ(ListRowOfGeneralNumber(0), 1);
  EXPECT_EQ(ListRowOfGeneralNumber(2305), 2306);
  EXPECT_EQ(ListRowOfGeneralNumber(2306), 2307);
  EXPECT_EQ(lists.Name(*ListRowOfGeneralNumber(41)),
            "\xce\xe4\xbd\xab"
            "0042");
}

TEST(BuiltinGeneralLists, RowOfGeneralJoinsTrimmedNamesAndWritesNumbers) {
  GeneralEntry entry;
  StoreField(entry.Record.FamilyName, " \x90\x44\x93\x63 ");       // 織田 with blanks
  StoreField(entry.Record.GivenName, "\x8b\x67\x96\x40\x8e\x74");  // 吉法師
  entry.Record.FaceNo = -1;
  entry.Record.Leadership = 87;
  entry.Record.Valor = 0;
  entry.Record.Intellect = 120;
  entry.Record.Politics = 5;
  const ListRow row = ListRowOfGeneral(entry, ShippedTables());
  EXPECT_EQ(row[0], "\xd6\xaf\xcc\xef\xbc\xaa\xb7\xa8\xca\xa6");  // 织田吉法师, no space
  EXPECT_EQ(row[1], "-1");
  EXPECT_EQ(row[2], "87");
  EXPECT_EQ(row[3], "0");
  EXPECT_EQ(row[4], "120");
  EXPECT_EQ(row[5], "5");
}

TEST(BuiltinGeneralLists, ListsWithoutBuiltinRowsStillPutSlotsAtTheirRows) {
  BuiltinGeneralLists lists;  // the list file was never loaded
  auto table = TableWithGenerals(2);
  table->GeneralCount = 5000;  // an absurd count reads no further than the table
  RefreshGeneralLists(lists, *table, ShippedTables());
  EXPECT_EQ(lists.RowCount(), 2307 + 1000);
  EXPECT_EQ(lists.Cell(1, 2308), "1");
}

TEST(BuiltinGeneralListsFile, WrongLinesAreReportedAndKeepTheirPlace) {
  TempFolder folder;
  const std::string good = "\xce\xe4\xbd\xab\t12\t1\t2\t3\t4";
  WriteFileBytes(folder / "list.tsv", "# comment\r\n" + good + "\r\n" +                 // line 2: general 0
                                          "only\tfour\tfields\t1\n" +                   // line 3: general 1
                                          "\n" +                                        // line 4: blank
                                          "X\t12x\t1\t2\t3\t4\n" +                      // line 5: general 2
                                          "Y\t7\t1\t2\t-3\t4\n" +                       // line 6: general 3
                                          std::string(65, 'N') + "\t7\t1\t2\t3\t4\n" +  // line 7
                                          "\t7\t1\t2\t3\t4\n" +                         // line 8
                                          "Z\t0099\t1\t2\t3\t4\t5\n" +                  // line 9
                                          "W\t-1\t1\t2\t3\t999");                       // line 10
  BuiltinGeneralLists lists;
  const auto problems = lists.LoadBuiltinRows(folder / "list.tsv");
  std::vector<int> lines;
  for (const auto& problem : problems) lines.push_back(problem.Line);
  EXPECT_EQ(lines, (std::vector<int>{3, 5, 6, 7, 8, 9, 10}));  // the last one: too few generals
  ASSERT_EQ(lists.RowCount(), kBuiltinRowCount);
  EXPECT_EQ(lists.Row(1), (ListRow{"\xce\xe4\xbd\xab", "12", "1", "2", "3", "4"}));
  EXPECT_EQ(lists.Name(2), "");  // general 1 keeps its row
  EXPECT_EQ(lists.Row(8), (ListRow{"W", "-1", "1", "2", "3", "999"}));
  EXPECT_EQ(lists.Name(9), "");
}

TEST(BuiltinGeneralListsFile, OversizedOrMissingFilesLeaveEmptyBuiltinRows) {
  TempFolder folder;
  BuiltinGeneralLists lists;
  EXPECT_EQ(lists.LoadBuiltinRows(folder / "missing.tsv").size(), 1u);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount);

  WriteFileBytes(folder / "huge.tsv", std::string(5 * 1024 * 1024, 'A'));
  const auto huge = lists.LoadBuiltinRows(folder / "huge.tsv");
  ASSERT_EQ(huge.size(), 1u);
  EXPECT_EQ(huge[0].Line, 0);
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount);

  // One long line of tabs and many short lines: each a problem of its own, no more than 2306 read.
  std::string many(3000000, '\t');
  for (int i = 0; i < 3000; ++i) many += "\nG\t1\t1\t1\t1\t1";
  WriteFileBytes(folder / "many.tsv", many);
  const auto manyProblems = lists.LoadBuiltinRows(folder / "many.tsv");
  ASSERT_EQ(manyProblems.size(), 2u);
  EXPECT_EQ(manyProblems[0].Line, 1);
  EXPECT_EQ(manyProblems[1].Line, 2307);  // general 2306 does not exist
  EXPECT_EQ(lists.RowCount(), kBuiltinRowCount);
  EXPECT_EQ(lists.Name(2306), "G");
}

TEST(BuiltinGeneralLists, SetRowRewritesOrAppends) {
  BuiltinGeneralLists lists = BundledLists();
  const ListRow row = {"N", "1", "2", "3", "4", "5"};
  lists.SetRow(2307, row);  // past the end: appended
  EXPECT_EQ(lists.RowCount(), 2308);
  lists.SetRow(2307, {"M", "1", "2", "3", "4", "5"});
  EXPECT_EQ(lists.Name(2307), "M");
  lists.CutRows(2307);
  EXPECT_EQ(lists.RowCount(), 2307);
}

}  // namespace
}  // namespace tavlor
