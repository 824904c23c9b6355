// The interface language: Simplified at start, listeners told of real changes only, and text
// converted for showing and taking only in Traditional.
#include <gtest/gtest.h>

#include "core/lang/LanguageState.h"
#include "core/text/TextTables.h"
#include "support/ShippedFiles.h"
#include "support/TempFolder.h"

namespace tavlor {
namespace {

TEST(LanguageState, StartsSimplifiedAndTellsListenersOfChanges) {
  EXPECT_TRUE(IsSimplified());  // the shared state of a run
  LanguageState state;
  EXPECT_TRUE(state.IsSimplified());
  std::vector<bool> heard;
  state.OnChange([&](bool simplified) { heard.push_back(simplified); });
  state.SetSimplified(true);  // no change: nobody is told
  state.SetSimplified(false);
  state.SetSimplified(false);
  EXPECT_FALSE(state.IsSimplified());
  state.SetSimplified(true);
  EXPECT_EQ(heard, (std::vector<bool>{false, true}));
}

TEST(LanguageState, ConvertsOnlyInTraditional) {
  LoadAllTextTables(testing::ShippedFolder());
  LanguageState state;
  const std::string chang =
      "\xb3\xa4"
      "A";  // 长A in GBK
  EXPECT_EQ(state.ForDisplay(chang), chang);
  EXPECT_EQ(state.FromInput(chang), chang);
  state.SetSimplified(false);
  EXPECT_EQ(state.ForDisplay(chang),
            "\xaa\xf8"
            "A");  // 長A in Big5
  EXPECT_EQ(state.FromInput("\xaa\xf8"
                            "A"),
            chang);
}

}  // namespace
}  // namespace tavlor
