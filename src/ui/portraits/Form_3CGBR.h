// Form_3CGBR, the portrait browser's hover preview: a small translucent window beside the pointer
// that shows one face large, medium and small with its number.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

#include "core/app/PathSettings.h"
#include "core/portraits/FaceNumbers.h"

class QLabel;

namespace tavlor {

class FaceArchiveOpener;
class PortraitBox;

class Form_3CGBR : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kOpacity = 235;  // of 255

  explicit Form_3CGBR(QWidget* parent = nullptr);
  ~Form_3CGBR() override;

  std::array<PortraitBox*, 3> PIC3{};  // 0 large, 1 medium, 2 small
  QLabel* lb_CGNUM = nullptr;          // "CG:" and the face index
  QWidget* Picture1 = nullptr;         // the background; a click on it closes the preview

  // Draws face `index` of `set` from the large, medium and small archive (in that order, so the
  // small one is left open) and labels it.
  void ShowFace(const PathSettings& paths, FaceSet set, int32_t index, FaceArchiveOpener& opener);
  // The window's title (seen only by window lists and screen readers) in the language in force.
  void ApplyInterfaceLanguage();
};

}  // namespace tavlor
