// The lifespan line: death year B + A - 1 and the age in each scenario year.
#include "core/editor/LifespanLine.h"

#include "core/lang/InterfaceTexts.h"
#include "core/text/PlainTextRules.h"

namespace tavlor {

int64_t DeathYearOf(int64_t birthYear, int64_t lifespan) {
  return birthYear + lifespan - 1;
}

int64_t LifespanOf(int64_t birthYear, int64_t deathYear) {
  return deathYear - birthYear + 1;
}

LifespanLine ComputeLifespanLine(std::string_view birthYearText, std::string_view ageText) {
  const int64_t birth = LeadingInteger(birthYearText);
  const int64_t death = DeathYearOf(birth, LeadingInteger(ageText));
  LifespanLine line;
  line.DeathYearText = std::to_string(death);
  for (std::size_t i = 0; i < kScenarioYears.size(); ++i) {
    const int64_t year = kScenarioYears[i];
    std::string& text = line.ScenarioTexts[i];
    if (birth > year) {
      text = texts::NotYetBorn;
    } else if (death < year) {
      text = texts::AlreadyDead;
    } else {
      // Alive in that year, the birth and death years included: the age counts the birth year as 1.
      text = " " + std::to_string(year - birth + 1);
      text += texts::AgeSuffix;
    }
  }
  return line;
}

}  // namespace tavlor
