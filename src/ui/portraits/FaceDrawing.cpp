#include "ui/portraits/FaceDrawing.h"

#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "core/app/PathSettings.h"
#include "core/lang/InterfaceTexts.h"
#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceArchiveWriter.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"

namespace tavlor {
namespace {

// The one currently open archive, shared by every window that draws faces. Nothing after a
// failed open, so every draw then leaves its box empty.
std::unique_ptr<FaceArchive>& CurrentArchive() {
  static std::unique_ptr<FaceArchive> archive;
  return archive;
}

struct OpenArchive {
  std::string Path;  // as the caller named it, which is how pending faces are found
  PendingFaceLookup Pending;
};

OpenArchive& CurrentOpen() {
  static OpenArchive open;
  return open;
}

}  // namespace

void SetPendingFaceLookup(PendingFaceLookup lookup) {
  CurrentOpen().Pending = std::move(lookup);
}

PortraitBox::PortraitBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PortraitBox::SetFace(const QImage& face) {
  face_ = face;
  update();
}

void PortraitBox::Clear() {
  face_ = QImage();
  update();
}

void PortraitBox::paintEvent(QPaintEvent*) {
  if (face_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(rect(), face_);  // stretched to fill the box, as the game's boxes are
}

void PortraitBox::mousePressEvent(QMouseEvent* event) {
  emit Pressed(event->button());
  QWidget::mousePressEvent(event);
}

bool OpenFaceArchive(const std::string& path) {
  // Reopening re-reads only the two tables (20 bytes a face, about 30 KB for the game set), which
  // takes well under a millisecond: no cache is needed.
  CurrentArchive().reset();
  CurrentOpen().Path = path;
  std::string reason;
  const std::filesystem::path file = ResolveGameFile(path);
  // A save stopped part way left a journal: finish it before reading, or the face could be torn.
  std::error_code code;
  const bool journalLeft = std::filesystem::exists(FaceJournalPathOf(file), code);
  if (!journalLeft || RecoverFaceArchive(file, nullptr, &reason))
    CurrentArchive() = FaceArchive::Open(file, &reason);
  if (CurrentArchive()) return true;
  CurrentPrompter().Error(FromGbk(texts::FaceArchiveOpenError), QString());
  return false;
}

QImage FaceImageToQImage(const FaceImage& face) {
  if (face.Width < 1 || face.Height < 1 ||
      face.Rgb.size() != static_cast<std::size_t>(face.Width) * face.Height * 3)
    return QImage();
  QImage image(face.Width, face.Height, QImage::Format_RGB888);
  const int rowBytes = face.Width * 3;
  for (int y = 0; y < face.Height; ++y)
    std::copy_n(face.Rgb.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes, image.scanLine(y));
  return image;
}

QImage ReadFaceImage(int index) {
  if (!CurrentArchive()) return QImage();
  if (CurrentOpen().Pending)
    if (const FaceImage* pending = CurrentOpen().Pending(CurrentOpen().Path, index))
      return FaceImageToQImage(*pending);
  const std::optional<FaceImage> face = CurrentArchive()->ReadFace(index);
  if (!face) return QImage();
  return FaceImageToQImage(*face);
}

void DrawFace(int index, PortraitBox* box) {
  if (!box) return;
  box->Clear();
  const QImage face = ReadFaceImage(index);
  if (!face.isNull()) box->SetFace(face);
}

}  // namespace tavlor
