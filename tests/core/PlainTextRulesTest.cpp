// Blank trimming and the leading-number rule.
#include "core/text/PlainTextRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tavlor {
namespace {

TEST(PlainTextRulesTest, TrimBlanksRemovesOnlyOuterSpaces) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks(std::string_view("\0a", 2)), std::string_view("\0a", 2));
}

TEST(PlainTextRulesTest, LeadingNumberReadsTheLongestNumericPrefix) {
  EXPECT_EQ(LeadingNumber("1"), 1.0);
  EXPECT_EQ(LeadingNumber(" 1"), 1.0);
  EXPECT_EQ(LeadingNumber("1.0"), 1.0);
  EXPECT_EQ(LeadingNumber("12abc"), 12.0);
  EXPECT_EQ(LeadingNumber("-3.5e2x"), -350.0);
  EXPECT_EQ(LeadingNumber("2e"), 2.0);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("+7"), 7.0);
  EXPECT_EQ(LeadingNumber("word"), 0.0);
  EXPECT_EQ(LeadingNumber(""), 0.0);
  EXPECT_EQ(LeadingNumber("-"), 0.0);
  EXPECT_EQ(LeadingNumber("."), 0.0);
  EXPECT_TRUE(std::isinf(LeadingNumber("9e999")));
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(PlainTextRulesTest, LeadingIntegerRoundsHalvesToEvenAndClamps) {
  EXPECT_EQ(LeadingInteger("2.5"), 2);
  EXPECT_EQ(LeadingInteger("3.5"), 4);
  EXPECT_EQ(LeadingInteger("-2.5"), -2);
  EXPECT_EQ(LeadingInteger("1499.6"), 1500);
  EXPECT_EQ(LeadingInteger("abc"), 0);
  EXPECT_EQ(LeadingInteger("99999999999"), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(LeadingInteger("-1e300"), std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace tavlor
