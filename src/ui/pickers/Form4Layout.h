// Where everything sits on the city picker, in twips as the window was drawn (turned into pixels
// with TwipsToPixels): the map, the 66 city icons and the labels.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace tavlor::form4_layout {

// The client area: the map fills it.
inline constexpr QSize kClientTwips{14730, 6195};

// Pic_ico(i), city i: the icon's top-left corner; every icon is 270 x 270 twips.
inline constexpr int kIconTwips = 270;
inline constexpr std::array<QPoint, 66> kIconTwipsPositions{
    {QPoint{12240, 240},  QPoint{12460, 1400}, QPoint{12000, 1080}, QPoint{12250, 2150}, QPoint{11840, 2560},
     QPoint{11650, 2940}, QPoint{11340, 3570}, QPoint{10670, 3300}, QPoint{11720, 1440}, QPoint{11340, 2500},
     QPoint{11136, 2870}, QPoint{10710, 4140}, QPoint{10280, 4400}, QPoint{10090, 5190}, QPoint{10240, 3930},
     QPoint{9710, 3840},  QPoint{9920, 4520},  QPoint{9520, 4840},  QPoint{9170, 4320},  QPoint{9210, 3470},
     QPoint{8800, 4020},  QPoint{10470, 2760}, QPoint{9470, 3110},  QPoint{8640, 3080},  QPoint{8510, 2730},
     QPoint{8150, 3000},  QPoint{7740, 3420},  QPoint{8840, 4840},  QPoint{8370, 5000},  QPoint{8040, 4750},
     QPoint{7850, 4300},  QPoint{7980, 3800},  QPoint{8400, 3560},  QPoint{7200, 4920},  QPoint{7430, 3770},
     QPoint{7220, 4120},  QPoint{6880, 4020},  QPoint{6600, 3140},  QPoint{6350, 3610},  QPoint{6260, 4440},
     QPoint{6470, 4110},  QPoint{6880, 4560},  QPoint{6080, 4920},  QPoint{6000, 3760},  QPoint{5530, 3610},
     QPoint{4600, 3450},  QPoint{3610, 3350},  QPoint{5800, 3280},  QPoint{4700, 3030},  QPoint{5200, 4070},
     QPoint{5660, 4480},  QPoint{4530, 4230},  QPoint{4190, 4450},  QPoint{4860, 4600},  QPoint{4200, 4900},
     QPoint{3010, 3850},  QPoint{3160, 4280},  QPoint{2750, 3480},  QPoint{2370, 4000},  QPoint{2140, 3620},
     QPoint{1960, 4070},  QPoint{2610, 4360},  QPoint{2360, 4700},  QPoint{2740, 4880},  QPoint{1860, 5020},
     QPoint{2220, 5360}}};

// The picker's own label "所选择城市：" (light text on the sea; as wide as its text) and the
// confirm button.
inline constexpr QPoint kSelectedCityLabelTwips{480, 1080};
inline constexpr QRect kConfirmButtonTwips{12990, 5430, 1440, 480};

// Lb_MoveCityName keeps this far (twips) right of the pointer and above it: below the pointer
// the icon's tooltip opens, and the two would cover each other.
inline constexpr QPoint kPointerLabelOffsetTwips{210, 120};

}  // namespace tavlor::form4_layout
