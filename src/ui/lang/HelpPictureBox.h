// A picture box of the help viewer: a face or a screenshot shown whole, scaled to fit and centred
// on a dark inset with a gold rim; a picture file that cannot be loaded is named in the box.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace tavlor {

class HelpPictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit HelpPictureBox(QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);  // an empty image clears the box
  // Clears the box and names the file that could not be shown.
  void SetMissingPicture(const QString& fileName);
  void Clear();

  const QImage& Picture() const { return picture_; }
  bool IsEmpty() const { return picture_.isNull(); }
  const QString& MissingFile() const { return missingFile_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QString missingFile_;
};

}  // namespace tavlor
