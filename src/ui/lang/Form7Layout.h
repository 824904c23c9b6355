// Where everything sits on the help viewer (pixels of its 1000 x 760 client area). The painted
// background and the controls share these places.
#pragma once

#include <QRect>

namespace tavlor::form7_layout {

inline constexpr QSize kWindow{1000, 760};

// The title band and the title (Label1 element 0).
inline constexpr QRect kTitleBand{16, 14, 968, 48};
inline constexpr QRect kTitle{40, 18, 880, 40};

// The main picture, a square that fits a face; the text (Label1 element 1) on paper beside it.
inline constexpr QRect kMainPicture{24, 78, 200, 200};
inline constexpr QRect kTextPanel{240, 78, 736, 200};
inline constexpr int kTextMargin = 14;

// The second, larger picture (Picture5) below: a window or part of one. Where a topic has none,
// the crest stands faintly in its place.
inline constexpr QRect kSecondPicture{24, 294, 952, 400};

// The buttons: "R" alone at the left, the four paging buttons at the right.
inline constexpr QRect kReloadButton{24, 712, 44, 34};
inline constexpr QSize kPagingButton{104, 34};
inline constexpr int kPagingButtonsRight = 976;
inline constexpr int kPagingButtonsTop = 712;
inline constexpr int kPagingButtonGap = 10;

}  // namespace tavlor::form7_layout
