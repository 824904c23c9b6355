// Hover buttons: pressed, hover and normal looks with a shared watch on the member last touched.
#include "ui/chrome/HoverButtons.h"

#include <QCursor>
#include <QTimer>

#include "ui/chrome/PictureBox.h"

namespace tavlor {

namespace {
// The leave check only compares four numbers; 10 ms restores the normal look before the eye
// notices without waking the program a thousand times a second.
constexpr int kHoverTickMilliseconds = 10;
}  // namespace

void HoverWatch::StopOthers(const HoverFamily* keep) {
  for (HoverFamily* family : families_) {
    if (family != keep) family->Timer()->stop();
  }
}

bool HoverWatch::CursorInside(QPoint p) const {
  const int right = HoverRect.x() + HoverRect.width();
  const int bottom = HoverRect.y() + HoverRect.height();
  return p.x() >= HoverRect.x() && p.x() <= right && p.y() >= HoverRect.y() && p.y() <= bottom;
}

HoverFamily::HoverFamily(HoverWatch& watch, QTimer* timer, LeftButtonMoveLook moveLook, QObject* parent)
    : QObject(parent), watch_(watch), timer_(timer), moveLook_(moveLook) {
  timer_->setInterval(kHoverTickMilliseconds);
  timer_->stop();
  connect(timer_, &QTimer::timeout, this, &HoverFamily::CheckCursor);
  watch_.Register(this);
}

int HoverFamily::Add(PictureBox* member, const HoverLooks& looks) {
  const int index = Count();
  members_.push_back({member, looks});
  member->SetPicture(looks.Normal);
  member->setMouseTracking(true);
  connect(member, &PictureBox::MouseDown, this,
          [this, index](Qt::MouseButton, Qt::MouseButtons buttons, QPoint) { OnMouseDown(index, buttons); });
  connect(member, &PictureBox::MouseMove, this,
          [this, index](Qt::MouseButtons buttons, QPoint) { OnMouseMove(index, buttons); });
  connect(member, &PictureBox::MouseUp, this,
          [this, index](Qt::MouseButton button, QPoint) { emit Released(index, button); });
  return index;
}

void HoverFamily::StartWatching(int index) {
  PictureBox* box = members_[index].Box;
  watch_.Watch(index, QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
  timer_->start();
}

void HoverFamily::OnMouseDown(int index, Qt::MouseButtons buttons) {
  if (buttons != Qt::LeftButton) return;  // the left button alone
  members_[index].Box->SetPicture(members_[index].Looks.Pressed);
  StartWatching(index);
  emit LeftPressed(index);
}

void HoverFamily::OnMouseMove(int index, Qt::MouseButtons buttons) {
  watch_.StopOthers(this);
  const Entry& member = members_[index];
  const bool leftHeld = buttons == Qt::LeftButton;
  if (!leftHeld) {
    member.Box->SetPicture(member.Looks.Hover);
  } else if (moveLook_ == LeftButtonMoveLook::Pressed) {
    member.Box->SetPicture(member.Looks.Pressed);
  } else if (moveLook_ == LeftButtonMoveLook::Hover) {
    member.Box->SetPicture(member.Looks.Hover);
  } else {
    return;  // the minimum and maximum buttons keep their look while the left button is held
  }
  StartWatching(index);
}

void HoverFamily::CheckCursor() {
  if (watch_.CursorInside(QCursor::pos())) return;
  const int index = watch_.HoverIndex;
  if (index >= 0 && index < Count()) members_[index].Box->SetPicture(members_[index].Looks.Normal);
  timer_->stop();
}

}  // namespace tavlor
