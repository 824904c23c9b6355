// Where everything sits on the editor's painted screen (pixels of the 985 x 660 window). The
// background painting and the controls share these places, so a field and its drawing never drift.
#pragma once

#include <QRect>
#include <array>

namespace tavlor::form1_layout {

// Washi panels.
inline constexpr QRect kPortraitPanel{16, 50, 236, 262};
inline constexpr QRect kOriginPanel{16, 322, 236, 170};
inline constexpr QRect kSexPanel{16, 502, 236, 40};
inline constexpr QRect kCityPanel{16, 552, 236, 94};
inline constexpr QRect kNamePanel{264, 50, 440, 96};
inline constexpr QRect kStatusVoicePanel{716, 50, 253, 96};
inline constexpr QRect kYearPanel{264, 156, 705, 150};
inline constexpr QRect kAbilityPanel{264, 316, 340, 88};
inline constexpr QRect kAptitudePanel{264, 412, 340, 116};
inline constexpr QRect kRelationPanel{614, 316, 355, 212};
inline constexpr QRect kBiographyPanel{264, 538, 468, 108};

// Portrait.
inline constexpr QRect kPortrait{33, 58, 201, 201};
inline constexpr QPoint kPortraitButton{74, 272};

// Origin options: even indexes in the left column, odd ones in the right.
inline constexpr QRect kOriginCaption{26, 326, 80, 24};
inline constexpr QPoint OriginOption(int k) {
  return {k % 2 == 0 ? 34 : 134, 356 + (k / 2) * 32};
}

// Sex, status and voice.
inline constexpr QRect kSexCaption{26, 509, 50, 26};
inline constexpr std::array<QPoint, 2> kSexOptions{QPoint{88, 509}, QPoint{150, 509}};
inline constexpr QRect kStatusCaption{724, 60, 52, 26};
inline constexpr std::array<QPoint, 2> kStatusOptions{QPoint{780, 60}, QPoint{858, 60}};
inline constexpr QRect kVoiceCaption{724, 106, 52, 26};
inline constexpr QRect kChosenVoice{780, 106, 116, 26};
inline constexpr QPoint kVoiceArrow{904, 107};
inline constexpr QPoint kVoicePanel{716, 138};
inline constexpr int kVoicePanelWidth = 253;
inline constexpr QSize kVoicePlate{116, 26};
inline constexpr QPoint VoicePlate(int voice) {  // voice 1..12 inside the panel
  return {8 + ((voice - 1) % 2) * 122, 6 + ((voice - 1) / 2) * 29};
}

// Home base.
inline constexpr QRect kCityCaption{26, 558, 100, 24};
inline constexpr QRect kCityName{26, 592, 152, 28};
inline constexpr QPoint kCityButton{188, 594};

// Names and readings.
inline constexpr std::array<QRect, 2> kNameCaptions{QRect{272, 60, 44, 28}, QRect{456, 60, 44, 28}};
inline constexpr std::array<QRect, 2> kNames{QRect{318, 60, 130, 28}, QRect{502, 60, 190, 28}};
inline constexpr std::array<QRect, 2> kReadingCaptions{QRect{272, 104, 44, 28}, QRect{456, 104, 44, 28}};
inline constexpr std::array<QRect, 2> kReadings{QRect{318, 104, 130, 28}, QRect{502, 104, 190, 28}};
// The byte budget under each name and reading box, flush with its right edge.
inline constexpr QRect BudgetUnder(const QRect& box) {
  return {box.right() - 139, box.bottom() + 1, 140, 12};
}

// Years: row 0 birth year, row 1 lifespan.
inline constexpr std::array<QRect, 2> kYearCaptions{QRect{272, 166, 46, 26}, QRect{272, 202, 46, 26}};
inline constexpr std::array<QRect, 2> kYearBoxes{QRect{320, 166, 64, 26}, QRect{320, 202, 64, 26}};
inline constexpr std::array<QRect, 2> kYearBars{QRect{396, 170, 360, 18}, QRect{396, 206, 360, 18}};
inline constexpr std::array<QPoint, 2> kMinimumButtons{QPoint{768, 168}, QPoint{768, 204}};
inline constexpr std::array<QPoint, 2> kMaximumButtons{QPoint{818, 168}, QPoint{818, 204}};
inline constexpr QRect kDeathYearCaption{872, 164, 88, 22};
inline constexpr QRect kDeathYear{872, 188, 88, 38};
// Scenario cells 1..6 under the bars: caption above, age below.
inline constexpr QRect ScenarioCaption(int i) {
  return {274 + (i - 1) * 114, 240, 110, 24};
}
inline constexpr QRect ScenarioAge(int i) {
  return {274 + (i - 1) * 114, 266, 110, 30};
}

// Abilities, aptitudes, tactic.
inline constexpr QRect kAbilityCaption{274, 322, 60, 24};
inline constexpr QRect AbilityName(int i) {
  return {274 + i * 64, 348, 60, 22};
}
inline constexpr QRect AbilityValue(int i) {
  return {274 + i * 64, 370, 60, 28};
}
inline constexpr QRect kAptitudeCaption{274, 418, 60, 24};
inline constexpr QRect AptitudeName(int i) {
  return {274 + i * 64, 444, 60, 22};
}
inline constexpr QRect Aptitude(int i) {
  return {276 + i * 64, 466, 56, 24};
}
inline constexpr QRect kTacticCaption{274, 498, 52, 24};
inline constexpr QRect kTactic{330, 498, 150, 24};
// Change buttons: 0 abilities, 1 aptitudes, 2 tactic, 3-6 relation rows, 7 home base.
inline constexpr QPoint ChangeButton(int index) {
  switch (index) {
    case 0:
      return {542, 322};
    case 1:
      return {542, 418};
    case 2:
      return {542, 498};
    case 7:
      return kCityButton;
    default:
      return {874, 332 + (index - 3) * 50};
  }
}

// Relation rows 0..3: 相性 親愛 嫌悪 実父.
inline constexpr QRect RelationCaption(int row) {
  return {622, 324 + row * 50, 42, 41};
}
inline constexpr QRect RelationPortrait(int row) {
  return {666, 324 + row * 50, 41, 41};
}
inline constexpr QRect RelationNumber(int row) {
  return {713, 332 + row * 50, 52, 24};
}
inline constexpr QRect RelationName(int row) {
  return {769, 332 + row * 50, 100, 24};
}
inline constexpr QPoint DeleteButton(int k) {  // clears row k + 1
  return {932, 332 + (k + 1) * 50};
}

// Biography.
inline constexpr QRect kBiographyCaption{272, 546, 28, 90};
inline constexpr QRect BiographyLine(int line) {
  return {308, 544 + line * 25, 414, 23};
}
inline constexpr QRect kKeyCode{268, 630, 36, 14};

// The finishing buttons at the lower right: 修改 新增 退出.
inline constexpr QPoint FinishButton(int k) {
  return {744 + k * 76, 600};
}
inline constexpr QRect kSealArea{744, 540, 224, 52};

// Title band; Command2 sits at its right end, clear of every field.
inline constexpr QRect kTitle{24, 8, 300, 34};
inline constexpr QRect kCommand2{912, 14, 54, 24};

}  // namespace tavlor::form1_layout
