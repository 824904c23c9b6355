// Picture1 of the portrait browser: the painted board the 40 thumbnail boxes CGBR sit on. The
// board takes the pointer for its boxes, so every move or press is either on a box (used or empty)
// or on the board between them.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

namespace tavlor {

class PortraitBox;

class ThumbnailPanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kBoxCount = 40;

  explicit ThumbnailPanel(QWidget* parent = nullptr);

  const std::array<PortraitBox*, kBoxCount>& Boxes() const { return boxes_; }
  // Boxes 0 .. count - 1 show faces of the category; the others are empty niches.
  void SetBoxesInUse(int count);
  int BoxesInUse() const { return boxesInUse_; }
  // The box at `position` (panel coordinates), or -1 for the board.
  int BoxAt(QPoint position) const;

 signals:
  void boxHovered(int box);
  void boardCrossed();
  void boxPressed(int box, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetHighlight(int box);

  std::array<PortraitBox*, kBoxCount> boxes_{};
  QPixmap board_;
  int boxesInUse_ = 0;
  int highlighted_ = -1;  // the used box under the pointer
};

}  // namespace tavlor
