// Twips, the unit of the stored window positions, and the one conversion to logical pixels.
#pragma once

namespace tavlor {

// The screen is taken to have 15 twips per pixel; Qt applies the display scale on top.
constexpr int TwipsToPixels(int twips) {
  return twips / 15;
}

}  // namespace tavlor
