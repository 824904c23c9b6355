// The editor's image lists, painted once.
//
// IML:  1-2 sex options (女 男), 3-4 chosen; 5-12 origin options, 13-20 chosen; 21-22 status options
//       (家臣 浪人), 23-24 chosen; 25-26 the voice arrow (closed, open); 27/28/46 change button
//       normal/hover/pressed; 35/36/37 minimum; 39/40/41 maximum; 43/44/45 delete; 47/48/49 the
//       portrait button. Numbers in between are unused and empty.
// IML1: 1-3 修改 新增 退出, 4-6 their hover looks, 7-9 pressed.
#include "ui/chrome/ImageList.h"

#include <QString>
#include <QStringList>

#include "ui/chrome/Artwork.h"

namespace tavlor {

namespace {

using art::PlateLook;

constexpr QSize kSexOption{52, 26};
constexpr QSize kOriginOption{84, 26};
constexpr QSize kStatusOption{70, 26};
constexpr QSize kArrow{26, 24};
constexpr QSize kChangeButton{52, 24};
constexpr QSize kLimitButton{44, 22};
constexpr QSize kDeleteButton{24, 24};
constexpr QSize kPortraitButton{120, 30};
constexpr QSize kFinishButton{72, 40};

std::vector<QPixmap> PaintEditorList() {
  std::vector<QPixmap> images(49);
  auto set = [&images](int number, const QPixmap& image) { images[number - 1] = image; };
  const QStringList sexes{QStringLiteral("女"), QStringLiteral("男")};
  const QStringList origins{QStringLiteral("武士"), QStringLiteral("高家"), QStringLiteral("僧侶"),
                            QStringLiteral("商人"), QStringLiteral("海賊"), QStringLiteral("忍者"),
                            QStringLiteral("剣豪"), QStringLiteral("庶民")};
  const QStringList statuses{QStringLiteral("家臣"), QStringLiteral("浪人")};
  for (int k = 0; k < 2; ++k) {
    set(k + 1, art::OptionPlate(kSexOption, sexes[k], false));
    set(k + 3, art::OptionPlate(kSexOption, sexes[k], true));
    set(k + 21, art::OptionPlate(kStatusOption, statuses[k], false));
    set(k + 23, art::OptionPlate(kStatusOption, statuses[k], true));
  }
  for (int k = 0; k < 8; ++k) {
    set(k + 5, art::OptionPlate(kOriginOption, origins[k], false));
    set(k + 13, art::OptionPlate(kOriginOption, origins[k], true));
  }
  set(25, art::ArrowPlate(kArrow, false, PlateLook::Normal));
  set(26, art::ArrowPlate(kArrow, true, PlateLook::Normal));
  const QString change = QStringLiteral("变更");
  set(27, art::ButtonPlate(kChangeButton, change, PlateLook::Normal));
  set(28, art::ButtonPlate(kChangeButton, change, PlateLook::Hover));
  set(46, art::ButtonPlate(kChangeButton, change, PlateLook::Pressed));
  const QString minimum = QStringLiteral("最小");
  const QString maximum = QStringLiteral("最大");
  const QString remove = QStringLiteral("×");
  const QString portrait = QStringLiteral("变更肖像");
  const PlateLook looks[] = {PlateLook::Normal, PlateLook::Hover, PlateLook::Pressed};
  for (int i = 0; i < 3; ++i) {
    set(35 + i, art::ButtonPlate(kLimitButton, minimum, looks[i]));
    set(39 + i, art::ButtonPlate(kLimitButton, maximum, looks[i]));
    set(43 + i, art::ButtonPlate(kDeleteButton, remove, looks[i]));
    set(47 + i, art::ButtonPlate(kPortraitButton, portrait, looks[i]));
  }
  return images;
}

std::vector<QPixmap> PaintFinishList() {
  std::vector<QPixmap> images(9);
  const QStringList captions{QStringLiteral("修改"), QStringLiteral("新增"), QStringLiteral("退出")};
  for (int k = 0; k < 3; ++k) {
    images[k] = art::ButtonPlate(kFinishButton, captions[k], PlateLook::Normal);
    images[k + 3] = art::ButtonPlate(kFinishButton, captions[k], PlateLook::Hover);
    images[k + 6] = art::ButtonPlate(kFinishButton, captions[k], PlateLook::Pressed);
  }
  return images;
}

}  // namespace

ImageList::ImageList(ImageListId id)
    : images_(id == ImageListId::IML ? PaintEditorList() : PaintFinishList()) {}

const QPixmap& ImageList::Image(int number) const {
  static const QPixmap none;
  if (number < 1 || number > Count()) return none;
  return images_[number - 1];
}

int ImageList::NumberOf(const QPixmap& picture) const {
  if (picture.isNull()) return 0;
  for (int i = 0; i < Count(); ++i) {
    if (!images_[i].isNull() && images_[i].cacheKey() == picture.cacheKey()) return i + 1;
  }
  return 0;
}

const ImageList& EditorImageList(ImageListId id) {
  static const ImageList editorList(ImageListId::IML);
  static const ImageList finishList(ImageListId::IML1);
  return id == ImageListId::IML ? editorList : finishList;
}

}  // namespace tavlor
