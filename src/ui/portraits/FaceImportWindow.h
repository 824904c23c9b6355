// "导入肖像": a picture of the player's own becomes one face of the game or edit set. The window
// shows which face is chosen, what it looks like now and who uses it; the picture with its three
// frames; the three faces exactly as they will be stored; and imports, restores and hands the face
// to the general on the editor. Every rule lives in imaging/ and FaceImportActions.
#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>
#include <array>
#include <optional>

#include "core/portraits/FaceArchive.h"
#include "core/portraits/FaceCategories.h"
#include "ui/portraits/FaceImportActions.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tavlor {

struct ProgramContext;
class FaceCropView;
class PortraitBox;

class FaceImportWindow : public QDialog {
  Q_OBJECT
 public:
  FaceImportWindow(ProgramContext& context, FaceSlot slot, QWidget* parent);

  // Which face.
  QComboBox* Com_FaceSet = nullptr;    // "追加肖像" (edit set), "游戏肖像" (game set)
  QSpinBox* Spin_FaceIndex = nullptr;  // 0 .. the set's faces - 1
  QLabel* lb_Category = nullptr;       // the browser category holding the face
  PortraitBox* Pic_Current = nullptr;  // the large face as it is now
  QLabel* lb_Users = nullptr;          // the registered generals using it
  // The picture.
  QPushButton* Command_ChoosePicture = nullptr;  // "选择图片…"
  QLabel* lb_PictureFile = nullptr;
  std::array<QPushButton*, 4> Command_Fill{};  // black, white, lacquer, grey
  QPushButton* Command_OtherColour = nullptr;  // "其他颜色…"
  FaceCropView* CropView = nullptr;
  std::array<QPushButton*, 3> Option_Frame{};  // "大" "中" "小": the frame the mouse moves
  QPushButton* Command_FollowRule = nullptr;   // "按规则"
  // The faces as they will be stored, large, medium, small.
  std::array<PortraitBox*, 3> Pic_Preview{};
  std::array<QLabel*, 3> lb_PreviewSize{};
  // What to do with them.
  QPushButton* Command_Import = nullptr;         // "导入"
  QPushButton* Command_UseForGeneral = nullptr;  // "给当前武将使用"
  QPushButton* Command_Restore = nullptr;        // "恢复原肖像"
  QPushButton* Command_RestoreAll = nullptr;     // "全部恢复"
  QPushButton* Command_Close = nullptr;          // "关闭"
  QLabel* lb_Status = nullptr;

  FaceSlot Slot() const { return slot_; }
  // Shows another face (the set choice and index follow).
  void ShowSlot(FaceSlot slot);
  // Reads `file` as the picture (the frames start at the default square); false after the error.
  bool OpenPicture(const QString& file);
  // The fill laid under transparent parts; the picture is read again with it, frames kept.
  void SetFillColour(const QColor& colour);
  QColor FillColour() const { return fill_; }
  // The previews from the full picture (they may be rough while a frame is being dragged).
  void ShowExactPreviews();
  // "导入": false when nothing was imported (no picture, a "no", or a refusal).
  bool Import();
  void Restore();
  void RestoreAll();
  // Every text again in the language now in force (a language switch calls it).
  void ApplyInterfaceLanguage();

 signals:
  // "给当前武将使用": the face just imported, for the general shown on the editor.
  void shownGeneralTakesFace(const tavlor::FaceChoice& choice);

 protected:
  // A picture file dropped on the window opens as "选择图片…" would open it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ChoosePicture();
  void ChooseOtherColour();
  void RefreshFace();  // the chosen face's category, pictures, users and restore buttons
  void RefreshPreviews(bool exact);
  void ShowPreviewSizes();
  // The status line: green for a face just imported, else a problem in the plain gold.
  void SetStatus(const QString& text, bool imported);
  void OnFramesChanged();
  // The three faces cut from `picture`: the full picture or a shrunk copy of it, the frames mapped
  // onto the copy.
  std::array<QImage, 3> CutFaces(const QImage& picture) const;
  QString CategoryText() const;  // the category's name, or "不属于任何分类"

  ProgramContext& context_;
  FaceSlot slot_;
  std::array<QSize, 3> sizes_{QSize(240, 240), QSize(96, 120), QSize(60, 60)};
  QString pictureFile_;
  QColor fill_{0, 0, 0};
  QImage roughPicture_;  // the picture shrunk, for fluid previews while dragging
  QTimer exactPreviewTimer_;
  std::optional<FaceSlot> imported_;  // the face last imported by this window
  bool switchingSlot_ = false;
  bool importedShown_ = false;  // the status line says the face was imported
  QLabel* adjustCaption_ = nullptr;
  QLabel* fillCaption_ = nullptr;
  QLabel* previewCaption_ = nullptr;
};

// Opens the window over `parent` on face `slot`, not blocking; an open one switches to `slot` and
// comes to the front.
FaceImportWindow* ShowFaceImportWindow(ProgramContext& context, QWidget* parent, FaceSlot slot);

}  // namespace tavlor
