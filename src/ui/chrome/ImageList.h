// The editor's image lists IML and IML1: every button and option plate, painted once by code and
// kept, numbered from 1 as the controls ask for them.
#pragma once

#include <QPixmap>
#include <vector>

namespace tavlor {

enum class ImageListId { IML, IML1 };

class ImageList {
 public:
  // Paints every image of the list (a few milliseconds; done once per list).
  explicit ImageList(ImageListId id);

  int Count() const { return static_cast<int>(images_.size()); }
  // Image `number` (1-based); an empty pixmap for a number the list does not hold.
  const QPixmap& Image(int number) const;
  // The number of the image that `picture` shares its data with, or 0 when it is none of ours.
  int NumberOf(const QPixmap& picture) const;

 private:
  std::vector<QPixmap> images_;
};

// The two lists of the editor, painted on first use and shared for the run.
const ImageList& EditorImageList(ImageListId id);

}  // namespace tavlor
