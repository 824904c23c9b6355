// Form6, the related-general picker: the generals of the built-in general lists by name with a
// search, the selected general's portrait and abilities, and the buttons that link the general to
// one of the editor's four link rows (or clear it). Hidden, never destroyed, between uses.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

#include "core/pickers/RelatedGeneralPicking.h"

class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;

namespace tavlor {

struct ProgramContext;
class GeneralListModel;
class LargeFaceDrawer;
class PortraitBox;

class Form6 : public QWidget {
  Q_OBJECT
 public:
  explicit Form6(ProgramContext& context, QWidget* parent = nullptr);
  ~Form6() override;

  // List1(0) the names (the only list shown), (1) face numbers, (2..5) 統率 武勇 知略 政治, and (6)
  // the names in Simplified characters, which the language switch reads.
  std::array<QListView*, 7> List1{};
  QLineEdit* Tx_ser = nullptr;      // the search text
  QPushButton* Command3 = nullptr;  // 查
  QPushButton* Command1 = nullptr;  // 确 定
  QPushButton* Command2 = nullptr;  // 取 消
  PortraitBox* Picture2 = nullptr;  // the selected general's large portrait
  std::array<QProgressBar*, 4> PB_4W{};
  std::array<QLineEdit*, 5> tx_4W{};  // 0..3 the abilities, 4 the name
  std::array<QLabel*, 4> AbilityCaptions{};

  // The selected row of List1(0), -1 when none.
  int SelectedRow() const;
  // Selects row `row` of List1(0) as a click does, and shows the general.
  void SelectRow(int row);
  int SearchPosition() const { return search_.Position(); }
  void Search();   // Command3
  void Confirm();  // Command1: writes the link row CurLinkSlot names, or refuses

  // Rewrites the caption, the buttons, the captions and the names in the language now in force.
  void ApplyInterfaceLanguage();
  // Takes in rows added to or removed from the lists since (a load, an added general).
  void SyncWithLists();

 signals:
  void linkConfirmed(const tavlor::LinkConfirmation& confirmation);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildListSide();
  void BuildDetailSide();
  void ShowRow(int row);

  ProgramContext& context_;
  GeneralListModel* model_ = nullptr;
  GeneralSearch search_;
  std::unique_ptr<LargeFaceDrawer> drawer_;
  int shownRow_ = -1;  // the general whose abilities and name are shown
  QPixmap background_;
};

}  // namespace tavlor
