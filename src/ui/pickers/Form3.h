// Form3, the ability picker: five scroll bars with their boxes for 統率 武勇 知略 政治 義理, and the
// confirm and cancel hover buttons that hand the values to the editor's ability labels.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "ui/chrome/HoverButtons.h"

class QLabel;
class QLineEdit;
class QScrollBar;
class QTimer;

namespace tavlor {

class PictureBox;

class Form3 : public QWidget {
  Q_OBJECT
 public:
  // A new picker at the start values (70, 70, 70, 70, 50); it deletes itself when closed.
  explicit Form3(QWidget* parent = nullptr);
  ~Form3() override;

  std::array<QScrollBar*, 5> HS{};
  std::array<QLineEdit*, 5> TX_ll{};
  std::array<QLabel*, 5> AbilityCaptions{};
  std::array<PictureBox*, 2> Pic_YN{};  // 0 confirm, 1 cancel
  QTimer* Timer1 = nullptr;             // hover timer of Pic_YN

  // Image `number` (from 1) of the picker's own image list: normal k + 1, hover k + 3, pressed
  // k + 5 for button k.
  const QPixmap& ImageOf(int number) const;
  HoverWatch& Hover() { return hover_; }
  HoverFamily& Buttons() { return *buttons_; }

  // Rewrites the caption and the ability names in the language now in force.
  void ApplyInterfaceLanguage();

  // What confirming writes into the editor's labels lb4W(0..4).
  QStringList ConfirmedTexts() const;

 signals:
  void abilitiesConfirmed(const QStringList& texts);  // then the picker closes

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Confirm();

  std::vector<QPixmap> images_;
  QPixmap background_;
  HoverWatch hover_;
  HoverFamily* buttons_ = nullptr;
};

}  // namespace tavlor
