// The birth-year and lifespan sliders' arithmetic.
#include "core/editor/SliderArithmetic.h"

#include <algorithm>
#include <cmath>

namespace tavlor {

int SliderValueAt(const SliderRange& range, double x, double width) {
  if (!(width > 0.0) || !std::isfinite(x)) return range.Minimum;
  const double scaled = std::floor(x / width * range.Scale);
  // Far outside the bar the product may exceed any integer; clamp before converting.
  const double clamped = std::clamp(scaled + range.Minimum, static_cast<double>(range.Minimum),
                                    static_cast<double>(range.Maximum));
  return static_cast<int>(clamped);
}

int ClampToSlider(const SliderRange& range, int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, range.Minimum, range.Maximum));
}

}  // namespace tavlor
