// The lifespan line: the death year and the general's age in each of the six scenario years.
//
// The lifespan counts both end years (a general born 1500 who dies 1551 lived 52 years), the same
// count the scenario ages use (Y - B + 1), so the death year is B + A - 1 and showing a general then
// touching a control never moves its stored death year.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavlor {

// The scenario years in the order of lb_sm(1..6); unsorted as the game lists its scenarios.
inline constexpr std::array<int, 6> kScenarioYears{1546, 1555, 1568, 1575, 1582, 1565};

struct LifespanLine {
  std::string DeathYearText;                 // lb_sm(0)
  std::array<std::string, 6> ScenarioTexts;  // lb_sm(1..6), GBK: "诞生前", "已成仙" or " N岁"
};

// B and A are read from the texts with the leading-number rule.
LifespanLine ComputeLifespanLine(std::string_view birthYearText, std::string_view ageText);

// Death year from birth year and lifespan, and the lifespan shown for a stored pair (64-bit, so
// no pair of stored years can overflow).
int64_t DeathYearOf(int64_t birthYear, int64_t lifespan);
int64_t LifespanOf(int64_t birthYear, int64_t deathYear);

}  // namespace tavlor
