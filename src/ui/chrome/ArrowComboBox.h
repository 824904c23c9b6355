// A drop-down list that draws its own gold arrow on the lacquer drop-down button (style sheets
// cannot draw one without an image file).
#pragma once

#include <QComboBox>

namespace tavlor {

class ArrowComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavlor
