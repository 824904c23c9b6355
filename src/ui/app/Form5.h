// Form5, the splash window: a painted 543 x 235 picture with the program's title that hands over
// to the editor after three seconds or at a click.
#pragma once

#include <QWidget>

class QTimer;

namespace tavlor {

class Form5 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidthTwips = 8145;
  static constexpr int kHeightTwips = 3525;
  static constexpr int kDelayMilliseconds = 3000;

  explicit Form5(QWidget* parent = nullptr);

  QTimer* Timer1 = nullptr;  // 3000 ms, running while the window is loaded

  // Ends the splash: stops the timer and announces it once (a timer tick or a click).
  void Finish();
  bool Finished() const { return finished_; }

 signals:
  // Time to show the editor and the list window; the splash closes itself afterwards.
  void finished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool finished_ = false;
};

}  // namespace tavlor
