// Form2, the list window: the grid of registered generals, the reload and save buttons, the
// auto-follow check box and the program's menus.
#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class QTableWidget;

namespace tavlor {

struct ProgramContext;

class Form2 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Form2(ProgramContext& context, QWidget* parent = nullptr);

  // --- Controls (object names are the member names) ---
  // MFLX rows are counted as the grid shows them: row 0 is the heading row (the table's
  // horizontal header), row r >= 1 is table row r - 1 and shows slot r - 1.
  QTableWidget* MFLX = nullptr;
  QPushButton* Command1 = nullptr;  // 保存数据
  QPushButton* Command2 = nullptr;  // 重新读取
  QCheckBox* CKAuto = nullptr;      // 自动跟随, checked at start
  QMenu* M_system = nullptr;
  QAction* M_Exit = nullptr;
  QMenu* M_MSG = nullptr;
  QAction* M_GB = nullptr;
  QAction* M_BIG = nullptr;
  QMenu* M_Help = nullptr;
  QAction* M_MkWJ = nullptr;
  QAction* M_about = nullptr;

  // Sets the column's width, writes the text into the cell and, unless colour is -1, sets the
  // cell's background (0xRRGGBB). Every cell of the grid is written through here.
  void WriteCell(int column, int row, int widthTwips, const QString& text, int32_t colour);
  // The heading row.
  void SetFlx();
  // One row per general of the General table; with no general the grid is left as it is.
  void ResetMflx();
  // Grid rows including the heading row (GeneralCount + 1 once filled).
  int FlexRows() const;
  void SetFlexRows(int rows);
  // Empties every cell (texts and colours), keeping the rows.
  void ClearGrid();

  QString CellText(int column, int row) const;
  int32_t CellColour(int column, int row) const;  // -1 when the cell has no colour of its own

  // Command1: asks, writes the whole table to the edit-data file and reports.
  void SaveAllGenerals();
  // Command2: reloads the edit-data file without asking; unsaved changes are dropped.
  void ReloadGenerals();
  // A click on grid row `row` (1 and up): sets SelectedSlot and announces the pick.
  void PickRow(int row);

 signals:
  // A grid row was clicked; the editor shows slot row - 1.
  void generalPicked(int row);
  // M_Exit or closing the window: the program ends at once, without saving.
  void exitRequested();
  // M_MkWJ: the step-by-step help.
  void helpRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildGrid();
  void BuildButtons();
  void BuildMenus();
  void OnLanguageChanged();

  ProgramContext& context_;
};

}  // namespace tavlor
