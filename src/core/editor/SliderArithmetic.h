// The birth-year and lifespan sliders: where the mouse is on the bar gives the value.
//
// The scale factors (200 and 100) exceed the bar ranges (190 and 94), so the top of the range is
// reached before the right end of the bar and the clamp holds the rest.
#pragma once

#include <cstdint>

namespace tavlor {

struct SliderRange {
  int Minimum;
  int Maximum;
  int Scale;  // value units per full bar width
};

inline constexpr SliderRange kBirthYearSlider{1460, 1650, 200};
inline constexpr SliderRange kLifespanSlider{16, 110, 100};

// floor(x / width * Scale) + Minimum, clamped to Minimum..Maximum. `x` is the mouse position from
// the bar's left edge (negative or past the end while dragging); a bar without width gives Minimum.
int SliderValueAt(const SliderRange& range, double x, double width);

// A number clamped to the range (the box text after a slider or a min/max button).
int ClampToSlider(const SliderRange& range, int64_t value);

}  // namespace tavlor
