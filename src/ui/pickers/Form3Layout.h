// Where everything sits on the ability picker (pixels of its window): one table for the painted
// background and the controls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavlor::form3_layout {

inline constexpr QSize kWindow{428, 304};
inline constexpr QRect kPanel{14, 14, 400, 212};

// Row i: 統率 武勇 知略 政治 義理.
inline constexpr int kFirstRowTop = 26;
inline constexpr int kRowStep = 39;
inline constexpr QRect AbilityCaption(int i) {
  return {28, kFirstRowTop + i * kRowStep, 58, 30};
}
inline constexpr QRect ScrollBar(int i) {
  return {92, kFirstRowTop + 7 + i * kRowStep, 216, 16};
}
inline constexpr QRect ValueBox(int i) {
  return {320, kFirstRowTop + 1 + i * kRowStep, 78, 28};
}

// Pic_YN: 0 confirm, 1 cancel.
inline constexpr QSize kButton{84, 40};
inline constexpr QPoint Button(int k) {
  return {k == 0 ? 116 : 228, 246};
}

}  // namespace tavlor::form3_layout
