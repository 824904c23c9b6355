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

TEST(LanguageState, ListenersRunInTheSwitchsOrderWhateverTheOrderTheyCameIn) {
  LanguageState state;
  EXPECT_FALSE(state.HasSwitched());
  std::vector<std::string> heard;
  LanguageState::ListenerId lateRows = 0;
  state.OnChange(SwitchStep::GridRows, [&](bool) { heard.push_back("rows"); });
  state.OnChange([&](bool) { heard.push_back("other"); });
  state.OnChange(SwitchStep::BrowserTexts, [&](bool simplified) {
    heard.push_back(simplified ? "browser simplified" : "browser traditional");
    // A window made during the switch is not told of the switch that made it; one removed
    // before its turn is not told either.
    state.OnChange(SwitchStep::CityTooltips, [&](bool) { heard.push_back("made meanwhile"); });
    state.RemoveListener(lateRows);
  });
  lateRows = state.OnChange(SwitchStep::GridRows, [&](bool) { heard.push_back("removed rows"); });
  state.OnChange(SwitchStep::CheckMarks, [&](bool) { heard.push_back("marks"); });
  state.OnChange(SwitchStep::GridRows, [&](bool) { heard.push_back("rows 2"); });

  state.SetSimplified(false);
  EXPECT_TRUE(state.HasSwitched());
  EXPECT_EQ(heard, (std::vector<std::string>{"marks", "browser traditional", "rows", "rows 2", "other"}));
  heard.clear();
  state.SetSimplified(true);
  EXPECT_EQ(heard[0], "marks");
  EXPECT_EQ(heard[1], "browser simplified");
  EXPECT_EQ(heard[4], "made meanwhile");  // told from the next switch on, at its own step
  EXPECT_TRUE(state.HasSwitched());       // it stays: the switch's texts stand from then on
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
