#include "core/editor/LifespanLine.h"

#include <gtest/gtest.h>

#include "core/lang/InterfaceTexts.h"

namespace tavlor {
namespace {

std::string Age(int years) {
  return " " + std::to_string(years) + std::string(texts::AgeSuffix);
}

TEST(LifespanLine, ShowsNotYetBornAndTheAgesInTheScenarioOrder) {
  const LifespanLine line = ComputeLifespanLine("1560", "30");
  EXPECT_EQ(line.DeathYearText, "1589");
  // Scenario years 1546, 1555, 1568, 1575, 1582, 1565 (unsorted).
  EXPECT_EQ(line.ScenarioTexts[0], texts::NotYetBorn);
  EXPECT_EQ(line.ScenarioTexts[1], texts::NotYetBorn);
  EXPECT_EQ(line.ScenarioTexts[2], Age(9));
  EXPECT_EQ(line.ScenarioTexts[3], Age(16));
  EXPECT_EQ(line.ScenarioTexts[4], Age(23));
  EXPECT_EQ(line.ScenarioTexts[5], Age(6));
}

TEST(LifespanLine, DeadBeforeEveryScenarioOrAliveInTheFirst) {
  const LifespanLine dead = ComputeLifespanLine("1500", "40");
  EXPECT_EQ(dead.DeathYearText, "1539");
  for (const std::string& text : dead.ScenarioTexts) EXPECT_EQ(text, texts::AlreadyDead);

  const LifespanLine alive = ComputeLifespanLine("1500", "50");
  EXPECT_EQ(alive.ScenarioTexts[0], Age(47));
  EXPECT_EQ(alive.ScenarioTexts[1], texts::AlreadyDead);
}

TEST(LifespanLine, BirthAndDeathInAScenarioYearShowTheAge) {
  // Born in 1546: age 1 that year.
  EXPECT_EQ(ComputeLifespanLine("1546", "16").ScenarioTexts[0], Age(1));
  // Lifespan 10 from 1537 ends in 1546: still alive that year, aged 10.
  const LifespanLine line = ComputeLifespanLine("1537", "10");
  EXPECT_EQ(line.DeathYearText, "1546");
  EXPECT_EQ(line.ScenarioTexts[0], Age(10));
  EXPECT_EQ(line.ScenarioTexts[1], texts::AlreadyDead);
}

TEST(LifespanLine, ShowingAStoredPairGivesBackItsDeathYear) {
  // A general stored as 1500-1551 is shown with a lifespan of 52; the line built from that
  // lifespan names the same death year, so touching a control does not move it.
  for (int64_t birth : {1460, 1500, 1547}) {
    for (int64_t death : {birth, birth + 1, birth + 51, birth + 109}) {
      const int64_t lifespan = LifespanOf(birth, death);
      EXPECT_EQ(DeathYearOf(birth, lifespan), death);
      EXPECT_EQ(ComputeLifespanLine(std::to_string(birth), std::to_string(lifespan)).DeathYearText,
                std::to_string(death));
    }
  }
  EXPECT_EQ(LifespanOf(1500, 1551), 52);
}

TEST(LifespanLine, TextsThatAreNotNumbersCountAsZero) {
  const LifespanLine line = ComputeLifespanLine("abc", "");
  EXPECT_EQ(line.DeathYearText, "-1");
  for (const std::string& text : line.ScenarioTexts) EXPECT_EQ(text, texts::AlreadyDead);
  EXPECT_EQ(ComputeLifespanLine(" 1560years", "30 ").DeathYearText, "1589");
}

TEST(LifespanLine, ExtremeYearsDoNotOverflow) {
  const LifespanLine line = ComputeLifespanLine("2147483647", "2147483647");
  EXPECT_EQ(line.DeathYearText, "4294967293");
  EXPECT_EQ(line.ScenarioTexts[0], texts::NotYetBorn);
  EXPECT_EQ(LifespanOf(-2147483648LL, 2147483647LL), 4294967296LL);
}

}  // namespace
}  // namespace tavlor
