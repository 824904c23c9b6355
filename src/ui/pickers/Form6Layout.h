// Where everything sits on the related-general picker (pixels of its window; the large portrait
// keeps its drawn size of 3615 twips): one table for the painted background and the controls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "ui/chrome/Twips.h"

namespace tavlor::form6_layout {

inline constexpr QSize kWindow{612, 500};

// Left: the search and the list of generals.
inline constexpr QRect kListPanel{14, 14, 282, 472};
inline constexpr QRect kSearchBox{26, 26, 194, 30};     // Tx_ser
inline constexpr QRect kSearchButton{226, 26, 58, 30};  // Command3
inline constexpr QRect kList{26, 66, 258, 408};         // List1(0)

// Right: the chosen general's portrait, name and four abilities, and the two buttons.
inline constexpr QRect kDetailPanel{308, 14, 290, 472};
inline constexpr int kPortraitSide = TwipsToPixels(3615);  // Picture2
inline constexpr QRect kPortrait{308 + (290 - kPortraitSide) / 2, 26, kPortraitSide, kPortraitSide};
inline constexpr QRect kName{322, 276, 262, 30};  // tx_4W(4)
inline constexpr QRect AbilityCaption(int j) {
  return {322, 316 + j * 31, 48, 26};
}
inline constexpr QRect AbilityBar(int j) {  // PB_4W(j)
  return {374, 323 + j * 31, 136, 12};
}
inline constexpr QRect AbilityBox(int j) {  // tx_4W(j)
  return {520, 316 + j * 31, 64, 26};
}
inline constexpr QRect kConfirmButton{330, 442, 112, 34};  // Command1
inline constexpr QRect kCancelButton{464, 442, 112, 34};   // Command2

// The bars show the game's scale of the first four abilities; larger values fill them.
inline constexpr int kAbilityBarMaximum = 120;

}  // namespace tavlor::form6_layout
