// The home-city rules.
#include "core/pickers/CityPicking.h"

#include "core/lang/InterfaceTexts.h"
#include "core/lang/PickerTexts.h"

namespace tavlor {

static_assert(texts::ListCity.size() == kCityCount);

std::string CityNameOf(int32_t cityNo) {
  if (cityNo >= 0 && cityNo < kCityCount)
    return std::string(texts::ListCity[static_cast<std::size_t>(cityNo)]);
  return "?" + std::to_string(cityNo);
}

std::string SelectedCityCaption(int city) {
  return std::string(texts::SelectedCityPrefix) + CityNameOf(city);
}

void CitySelection::Click(int city) {
  if (city >= 0 && city < kCityCount) selected_ = city;
}

}  // namespace tavlor
