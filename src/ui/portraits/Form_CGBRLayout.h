// Where everything sits on the portrait browser and its hover preview. The places are the
// windows' own twips, turned into pixels by the one twips helper; the painted artwork and the
// controls share them.
#pragma once

#include <QRect>

#include "ui/chrome/Twips.h"

namespace tavlor::form_cgbr_layout {

constexpr QRect FromTwips(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// --- The browser, client area 15000 x 10665 twips ---
inline constexpr QSize kClientSize{TwipsToPixels(15000), TwipsToPixels(10665)};

// The top bar: the category list, the six page buttons and Label1.
inline constexpr int kBarHeight = TwipsToPixels(375);
inline constexpr QRect kCategoryList = FromTwips(0, 0, 2655, 375);
inline constexpr QRect PageButton(int i) {
  return FromTwips(2640 + 480 * i, 0, 375, 375);
}
inline constexpr QRect kLabel1 = FromTwips(5520, 0, 1200, 375);
// 导入肖像…, at the right end of the bar.
inline constexpr QRect kImportButton{860, 0, 136, TwipsToPixels(375)};

// The thumbnail panel Picture1 under the bar, with an even lacquer margin round it.
inline constexpr QRect kThumbnailPanel{8, kBarHeight + 2, 984, 676};

// Thumbnail box k (inside the panel): column k mod 8, row k div 8, 96 x 120 pixels.
inline constexpr QRect Thumbnail(int k) {
  return FromTwips(360 + 1800 * (k % 8), 240 + 1920 * (k / 8), 1440, 1800);
}

// --- The hover preview ---
inline constexpr QRect kPreviewLarge = FromTwips(140, 120, 3580, 3580);
inline constexpr QRect kPreviewMedium = FromTwips(3840, 120, 1440, 1800);
inline constexpr QRect kPreviewSmall = FromTwips(3860, 2820, 900, 900);
inline constexpr QRect kPreviewNumber = FromTwips(3840, 2280, 1500, 330);
// The window: the large face's margins round all three boxes.
inline constexpr QSize kPreviewSize{TwipsToPixels(3840 + 1440 + 140), TwipsToPixels(120 + 3580 + 120)};

}  // namespace tavlor::form_cgbr_layout
