// Finding generals by name in either script, by reading and by slot, with the appear filter.
#include <gtest/gtest.h>

#include <memory>

#include "core/editor/GeneralSearch.h"
#include "support/SmallTextTables.h"

namespace tavlor {
namespace {

using testing::Big5Of;
using testing::GbkOf;
using testing::SjisOf;

class GeneralSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // 0 織田信長 (おだのぶなが, appears), 1 伊達政宗 (stands by with flag 2), 2 太郎 (appears).
    Set(0, SjisOf({0, 1}), SjisOf({2, 3}), SjisOf({12, 13}), SjisOf({14, 15, 16, 17}), 1);
    Set(1, SjisOf({8, 9}), SjisOf({10, 11}), "", "", 2);
    Set(2, " " + SjisOf({6}), SjisOf({7}), "", "", 1);
    table->GeneralCount = 3;
    index = BuildSearchIndex(*table, *tables);
  }
  void Set(int slot, const std::string& family, const std::string& given, const std::string& familyReading,
           const std::string& givenReading, int32_t appear) {
    GeneralEntry& entry = table->Slots[static_cast<std::size_t>(slot)];
    StoreField(entry.Record.FamilyName, family);
    StoreField(entry.Record.GivenName, given);
    StoreField(entry.Record.FamilyReading, familyReading);
    StoreField(entry.Record.GivenReading, givenReading);
    entry.Appendix.AppearFlag = appear;
  }
  std::vector<int> Find(const std::string& typed, AppearFilter filter = AppearFilter::All,
                        bool simplified = true) {
    return FindGenerals(index, typed, filter, *tables, simplified);
  }

  std::unique_ptr<TextTables> tables = testing::SmallTextTables();
  std::unique_ptr<GeneralTable> table = std::make_unique<GeneralTable>();
  GeneralSearchIndex index;
};

TEST_F(GeneralSearchTest, FindsByNameInEitherScriptByReadingAndBySlot) {
  EXPECT_EQ(Find(GbkOf({1})), (std::vector<int>{0}));                                // 田, Simplified
  EXPECT_EQ(Find(Big5Of({0, 1}), AppearFilter::All, false), (std::vector<int>{0}));  // 織田 typed in Big5
  EXPECT_EQ(Find(GbkOf({6, 7})), (std::vector<int>{2}));    // across the trimmed blank
  EXPECT_EQ(Find(GbkOf({14, 15})), (std::vector<int>{0}));  // のぶ in the reading
  EXPECT_EQ(Find("1"), (std::vector<int>{1}));
  EXPECT_EQ(Find(" "), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(Find("7").empty());
  // The second byte of 織 and the first of 田 are no character of the name.
  const std::string name = GbkOf({0, 1});
  EXPECT_TRUE(Find(name.substr(1, 2)).empty());
}

TEST_F(GeneralSearchTest, TheAppearFilterTakesOnlyFlagOneAsAppearing) {
  EXPECT_EQ(Find("", AppearFilter::Appearing), (std::vector<int>{0, 2}));
  EXPECT_EQ(Find("", AppearFilter::Standby), (std::vector<int>{1}));
  EXPECT_TRUE(Find(GbkOf({1}), AppearFilter::Standby).empty());
}

}  // namespace
}  // namespace tavlor
