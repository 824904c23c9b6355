// Form_CGBR, the portrait browser ("CG一览"): the faces of one category at a time in pages of 40
// thumbnails, a translucent preview that follows the pointer over them, and a press that hands
// the chosen face to the editor.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

#include "core/app/PathSettings.h"
#include "core/portraits/FaceCategories.h"
#include "core/portraits/PreviewRules.h"
#include "ui/portraits/FaceArchiveOpener.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace tavlor {

class Form_3CGBR;
class PortraitBox;
class ThumbnailPanel;

// The preview's shown flag, alive for the whole run (the browser windows come and go).
PreviewFlag& SharedPreviewFlag();

class Form_CGBR : public QWidget {
  Q_OBJECT
 public:
  // When the first page's thumbnails are drawn: at once, or when the browser is first shown (a
  // browser prepared hidden by a language switch reads no archive until it is opened).
  enum class FirstFill { Now, WhenShown };

  // `paths` gives the six archives; the browser keeps a copy.
  explicit Form_CGBR(const PathSettings& paths, QWidget* parent = nullptr,
                     FirstFill firstFill = FirstFill::Now);
  ~Form_CGBR() override;

  // --- Controls (object names are the member names; array members end in _<index>) ---
  QComboBox* Com_CG = nullptr;             // the 15 categories
  std::array<QPushButton*, 6> Cmd_CGPG{};  // pages ① .. ⑥, as many shown as the category fills
  QLabel* Label1 = nullptr;                // a page click writes the category's row number here
  ThumbnailPanel* Picture1 = nullptr;      // the board under the thumbnails
  std::array<PortraitBox*, 40> CGBR{};     // the thumbnails, 8 to a row
  QTimer* Timer1 = nullptr;                // moves the preview with the pointer while it is shown
  QPushButton* Cmd_Import = nullptr;  // 导入肖像…: the face last pointed at (Ctrl+I: the one under it)

  // Rewrites the caption, the category texts and the page captions in the language in force (the
  // chosen category and page stay). Every language switch calls it.
  void ApplyInterfaceLanguage();

  int CurrentCategory() const { return category_; }
  int CurrentPage() const { return page_; }
  // Page button `page` clicked: that page of the current category.
  void ChangePage(int page);
  // One tick of Timer1: the preview moves beside the pointer; it is hidden once the pointer is off
  // the thumbnail board.
  void FollowPointer();
  // The preview window while it exists (it is made by the first hover).
  Form_3CGBR* Preview() const;

 signals:
  // A used thumbnail was pressed; the browser closes itself right after.
  void faceChosen(const tavlor::FaceChoice& choice);
  // 导入肖像…: a picture of the player's own for this face; a choice of no set when no face of the
  // page was pointed at yet.
  void importRequested(const tavlor::FaceChoice& choice);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildTopBar();
  void ChangeCategory(int row);
  void FillPage();
  void OnThumbnailHover(int box);
  void OnBoardCrossed();
  void OnThumbnailPressed(int box);
  void HidePreview();
  void RequestImport(bool underPointer);
  FaceCategory Category() const;

  PathSettings paths_;
  FaceArchiveOpener opener_;  // one message per archive that cannot be opened, not one per page
  QPixmap background_;
  QPointer<Form_3CGBR> preview_;
  int category_ = 0;
  int page_ = 0;
  bool fillWaits_ = false;  // the page is drawn at the first show
  FaceChoice lastPointed_;  // the face of the thumbnail the pointer was last over (of no set: none yet)
};

}  // namespace tavlor
