// Drawing faces into portrait boxes from the one currently open face archive.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "core/portraits/FaceArchive.h"

namespace tavlor {

// A portrait box: shows one face scaled smoothly to fill it, or nothing.
class PortraitBox : public QWidget {
  Q_OBJECT
 public:
  explicit PortraitBox(QWidget* parent = nullptr);
  void SetFace(const QImage& face);  // an empty image clears the box
  void Clear();
  const QImage& Face() const { return face_; }
  bool IsEmpty() const { return face_.isNull(); }

 signals:
  void Pressed(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage face_;
};

// Makes the archive at `path` (a game path: backslashes and any letter case allowed) the currently
// open archive. On failure shows "打开CG文件错误!!…" once through the prompter (error icon, empty
// title) and leaves no archive open, so later draws leave their boxes empty.
bool OpenFaceArchive(const std::string& path);

// Draws face `index` of the currently open archive into `box`, scaled to fill it; a face that
// cannot be drawn leaves the box cleared.
void DrawFace(int index, PortraitBox* box);

// The face as an upright image at its own size (empty when it cannot be read): the pending import
// when the program holds one for this face of the open archive, else the archive's.
QImage ReadFaceImage(int index);

// Where the drawing code finds pending faces: given the path an archive was opened with and a face
// index, the pending picture or nothing. The program installs one; without it archives are drawn.
using PendingFaceLookup = std::function<const FaceImage*(const std::string& path, int index)>;
void SetPendingFaceLookup(PendingFaceLookup lookup);

// A face's pixels as an image, exactly as stored (every face drawn goes through here).
QImage FaceImageToQImage(const FaceImage& face);

}  // namespace tavlor
