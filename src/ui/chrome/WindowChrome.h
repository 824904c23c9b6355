// Window chrome of the borderless editor: dragging by the background, translucency and docking the
// list window at the editor's left.
#pragma once

#include <QPoint>
#include <QPointer>

class QCheckBox;
class QMouseEvent;
class QWidget;

namespace tavlor {

// Makes a window translucent: alpha 0 is transparent, 255 opaque.
void SetFormAlpha(QWidget* window, int alpha);

// Moves a borderless window with the mouse held on its own surface: the window system's move when
// the platform offers one, else by following the mouse.
class WindowDragger {
 public:
  explicit WindowDragger(QWidget* window) : window_(window) {}
  // Call from the window's mouse handlers; they return whether the event was used.
  bool Press(QMouseEvent* event);
  bool Move(QMouseEvent* event);
  bool Release(QMouseEvent* event);
  bool Dragging() const { return dragging_; }

 private:
  QWidget* window_;
  bool dragging_ = false;
  QPoint grabOffset_;  // cursor position minus window position at the press
};

// Keeps `listWindow` directly left of `editor`, tops aligned, while `autoFollow` is checked (or
// always when there is no check box).
void DockToLeft(QWidget* editor, QWidget* listWindow, const QCheckBox* autoFollow);

}  // namespace tavlor
