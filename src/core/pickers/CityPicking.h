// The home-city rules: the city list by index, the city picker's own label, and the picker's
// selection, which outlives the picker window from one use to the next.
#pragma once

#include <cstdint>
#include <string>

namespace tavlor {

inline constexpr int kCityCount = 66;
inline constexpr int kDefaultCity = 36;  // 室町御所, the home city of a new general

// The GBK name of city `cityNo` (a row of the city list). A number outside the list is shown as
// "?" and the number, so the user sees what is stored rather than another city's name.
std::string CityNameOf(int32_t cityNo);

// The picker's label after a click on `city`: "所选择城市：" and the city's name (GBK).
std::string SelectedCityCaption(int city);

// The picker's selection: city 0 until an icon is clicked, then the city last clicked, even when
// the picker was closed in between. Confirming hands it to the editor as CurCity.
class CitySelection {
 public:
  // An icon click. A number outside the city list is ignored.
  void Click(int city);
  int Selected() const { return selected_; }

 private:
  int selected_ = 0;
};

}  // namespace tavlor
