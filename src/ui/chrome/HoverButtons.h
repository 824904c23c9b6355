// Hover buttons: picture boxes with normal, hover and pressed looks. A form keeps one shared hover
// watch (the member last touched and its screen rectangle); each family of buttons has its own
// timer that restores the normal look once the cursor has left that rectangle.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <vector>

class QTimer;

namespace tavlor {

class PictureBox;
class HoverFamily;

struct HoverLooks {
  QPixmap Normal;
  QPixmap Hover;
  QPixmap Pressed;
};

// What a member shows while the mouse moves over it with the left button held.
enum class LeftButtonMoveLook { Pressed, Hover, Unchanged };

// The hover state of one form, shared by all its families: only the member last touched is watched.
class HoverWatch {
 public:
  void Register(HoverFamily* family) { families_.push_back(family); }
  // Stops the timers of every family but `keep`.
  void StopOthers(const HoverFamily* keep);
  void Watch(int index, const QRect& screenRect) {
    HoverIndex = index;
    HoverRect = screenRect;
  }
  // Edges count as inside: a cursor on the right or bottom edge is still on the member.
  bool CursorInside(QPoint screenPosition) const;

  int HoverIndex = 0;
  QRect HoverRect;  // screen pixels; right = left + width, bottom = top + height

 private:
  std::vector<HoverFamily*> families_;
};

class HoverFamily : public QObject {
  Q_OBJECT
 public:
  // `timer` is the family's hover timer (owned by the form); it is set to a short interval here.
  HoverFamily(HoverWatch& watch, QTimer* timer, LeftButtonMoveLook moveLook, QObject* parent = nullptr);

  // Adds a member with its looks and shows the normal look; returns its index.
  int Add(PictureBox* member, const HoverLooks& looks);
  PictureBox* Member(int index) const { return members_.at(index).Box; }
  const HoverLooks& Looks(int index) const { return members_.at(index).Looks; }
  int Count() const { return static_cast<int>(members_.size()); }
  QTimer* Timer() const { return timer_; }

  // One tick of the hover timer: restores the watched member when the cursor has left it.
  void CheckCursor();

 signals:
  // Mouse-down with the left button alone, after the pressed look is shown.
  void LeftPressed(int index);
  // Mouse-up with any button (the look is not changed).
  void Released(int index, Qt::MouseButton button);

 private:
  struct Entry {
    PictureBox* Box;
    HoverLooks Looks;
  };
  void OnMouseDown(int index, Qt::MouseButtons buttons);
  void OnMouseMove(int index, Qt::MouseButtons buttons);
  void StartWatching(int index);

  HoverWatch& watch_;
  QTimer* timer_;
  LeftButtonMoveLook moveLook_;
  std::vector<Entry> members_;
};

}  // namespace tavlor
