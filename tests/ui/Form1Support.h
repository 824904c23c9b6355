// Helpers of the Form1 tests: mouse and key events with exact buttons and texts.
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "ui/chrome/PictureBox.h"
#include "ui/editor/Form1.h"

namespace tavlor::testing {

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
  QMouseEvent event(type, position, widget->mapToGlobal(position), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* widget, Qt::MouseButton button, QPoint position = {5, 5}) {
  SendMouse(widget, QEvent::MouseButtonPress, position, button, button);
}
inline void Release(QWidget* widget, Qt::MouseButton button, QPoint position = {5, 5}) {
  SendMouse(widget, QEvent::MouseButtonRelease, position, button, Qt::NoButton);
}
inline void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
  Press(widget, button);
  Release(widget, button);
}
inline void MoveOver(QWidget* widget, Qt::MouseButtons held, QPoint position = {5, 5}) {
  SendMouse(widget, QEvent::MouseMove, position, Qt::NoButton, held);
}

// One typed character as a key press with its text (what a keyboard or an input method delivers).
inline void Type(QWidget* widget, const QString& text, int key = Qt::Key_unknown) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &release);
}
inline void TypeEach(QWidget* widget, const QString& text) {
  for (const QChar character : text) Type(widget, QString(character));
}

inline int ImageNumber(const PictureBox* box, ImageListId list = ImageListId::IML) {
  return EditorImageList(list).NumberOf(box->Picture());
}

}  // namespace tavlor::testing
