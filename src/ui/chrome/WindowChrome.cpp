// Dragging the borderless editor, translucency and docking the list window.
#include "ui/chrome/WindowChrome.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tavlor {

void SetFormAlpha(QWidget* window, int alpha) {
  if (window == nullptr) return;
  window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

bool WindowDragger::Press(QMouseEvent* event) {
  if (event->buttons() != Qt::LeftButton) return false;
  grabOffset_ = event->globalPosition().toPoint() - window_->frameGeometry().topLeft();
  QWindow* handle = window_->window()->windowHandle();
  // The window system moves the window itself where it can (as if its title bar were grabbed);
  // otherwise the window follows the mouse until the button is released.
  dragging_ = handle == nullptr || !handle->startSystemMove();
  return true;
}

bool WindowDragger::Move(QMouseEvent* event) {
  if (!dragging_) return false;
  if (!(event->buttons() & Qt::LeftButton)) {
    dragging_ = false;
    return false;
  }
  window_->move(event->globalPosition().toPoint() - grabOffset_);
  return true;
}

bool WindowDragger::Release(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return false;
  dragging_ = false;
  return true;
}

void DockToLeft(QWidget* editor, QWidget* listWindow, const QCheckBox* autoFollow) {
  if (editor == nullptr || listWindow == nullptr) return;
  if (autoFollow != nullptr && !autoFollow->isChecked()) return;
  const QRect editorFrame = editor->frameGeometry();
  const QPoint target(editorFrame.left() - listWindow->frameGeometry().width(), editorFrame.top());
  if (listWindow->frameGeometry().topLeft() != target) listWindow->move(target);
}

}  // namespace tavlor
