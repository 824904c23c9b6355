// Form2, the list window: the grid of registered generals, the reload and save buttons, the
// auto-follow check box and the program's menus; it guards unsaved changes and watches the
// edit-data file for other programs' writes.
#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/editor/GeneralSearch.h"

class QAction;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QFileSystemWatcher;
class QMenu;
class QPushButton;
class QTableWidget;
class QTimer;

namespace tavlor {

struct GridGeneralRow;
struct ProgramContext;

class Form2 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Form2(ProgramContext& context, QWidget* parent = nullptr);

  // --- Controls (object names are the member names) ---
  // MFLX rows are counted as the grid shows them: row 0 is the heading row (the table's
  // horizontal header), row r >= 1 is table row r - 1 and shows slot SlotOfRow(r): slot r - 1
  // until a column heading sorts the rows another way.
  QTableWidget* MFLX = nullptr;
  QPushButton* Command1 = nullptr;  // 保存数据
  QPushButton* Command2 = nullptr;  // 重新读取
  QCheckBox* CKAuto = nullptr;      // 自动跟随, checked at start
  QLineEdit* TxtFind = nullptr;     // filters the rows as the player types: name, reading or slot
  QComboBox* CmbAppear = nullptr;   // 出场与待机 / 出场 / 待机
  QMenu* M_system = nullptr;
  QAction* M_GameSettings = nullptr;  // 游戏与文件设置…
  QAction* M_Open = nullptr;          // 打开… (Ctrl+O): another edit-data file for this session
  QAction* M_Undo = nullptr;          // Ctrl+Z: the last add, change or import
  QAction* M_Redo = nullptr;          // Ctrl+Y (and Ctrl+Shift+Z)
  QAction* M_Export = nullptr;        // the picked general to a shared-general file
  QAction* M_Import = nullptr;        // a shared-general file as a new general
  QAction* M_ImportOver = nullptr;    // a shared-general file over the picked general
  QAction* M_FaceImport = nullptr;    // 导入肖像…: a picture of the player's own as a face
  QAction* M_Exit = nullptr;
  QMenu* M_General = nullptr;        // 武将: commands for the selected generals
  QAction* M_Appear = nullptr;       // 出场
  QAction* M_Standby = nullptr;      // 待机
  QAction* M_Delete = nullptr;       // 删除武将 (Del)
  QAction* M_MoveUp = nullptr;       // 上移 (Ctrl+Up)
  QAction* M_MoveDown = nullptr;     // 下移 (Ctrl+Down)
  QAction* M_Merge = nullptr;        // 合并其他武将文件…
  QAction* M_SheetExport = nullptr;  // 导出表格…
  QAction* M_SheetImport = nullptr;  // 导入表格…
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
  // Command2: with unsaved changes asks save / discard / cancel first, then reloads the file.
  void ReloadGenerals();
  // Reads the edit-data file again without asking (unsaved changes are dropped) and refills the
  // grid.
  void ReloadFromFile();
  // Writes the table without the confirmation, but when another program changed the file since
  // it was read, asks reload / overwrite / cancel first. Returns whether the file now holds the
  // table.
  bool WriteGenerals();
  // Before quitting, reloading or closing: with unsaved changes asks once save / discard /
  // cancel. Returns whether the program may go on (nothing unsaved, saved, or discarded).
  bool SettleUnsavedChanges();
  // Before the program ends (系统 → 退出, closing either window, the editor's quit button): the
  // same question, asked once for the whole way out. Once the player has let the program end,
  // every later close on that way asks nothing more, since ending the program may close each
  // window in turn.
  bool SettleBeforeLeaving();
  // The title's unsaved mark ("TavlorV1.2 *") and the undo and redo items follow the history.
  void UpdateEditState();
  // Marks the grid row showing slot `row` - 1 as the only selected one, without a pick.
  void SelectGridRow(int row);
  // The slot grid row `row` (1 and up) shows, and the grid row showing `slot` (-1: none).
  int SlotOfRow(int row) const;
  int RowOfSlot(int slot) const;
  // The slots of the selected rows the filter leaves shown, ascending.
  std::vector<int> SelectedSlots() const;
  // Selects the rows of `chosenSlots` (those shown) and makes the row of `current` the current one.
  void SelectSlots(const std::vector<int>& chosenSlots, int current);
  // A click on a column heading: sorts the rows by that column, the same column again the other
  // way. Only the order of the rows changes, never the table.
  void SortByColumn(int column);
  int SortColumn() const { return sortColumn_; }
  bool SortedDescending() const { return sortDescending_; }
  // Watches the edit-data file (and its folder, which sees a replacement) for other programs'
  // writes; called after every load and save. A change is checked after a short quiet time, so
  // one write is one notice, and it is told once until the file is read or written again.
  void WatchEditDataFile();
  // 打开…: asks for an edit-data file (none given: the file dialog), settles unsaved changes and
  // loads it for this session; saving then writes that file and its own .bak. A file that cannot
  // be read leaves the table and the file in use as they were. Returns whether it was loaded.
  bool OpenEditDataFile(const QString& file = QString());
  // Hides the rows the search box and the appear filter leave out; the table is untouched.
  void ApplyFilter();
  // A click on grid row `row` (1 and up): sets SelectedSlot to the slot it shows and announces
  // the pick.
  void PickRow(int row);

 signals:
  // A grid row was clicked; the editor shows slot row - 1 (`row` counts slots from 1, as the
  // number column does, whatever order the grid shows).
  void generalPicked(int row);
  // M_Exit or closing the window: the program ends at once, without saving.
  void exitRequested();
  // M_GameSettings: the window of the game's paths.
  void gameSettingsRequested();
  // M_MkWJ: the step-by-step help.
  void helpRequested();
  void undoRequested();
  void redoRequested();
  void exportRequested();
  // A shared-general file to import, as a new general or over the picked one; an empty file name
  // asks the player for one.
  void importRequested(bool overPicked, const QString& file);
  // M_FaceImport: the import window, on the shown general's edit face.
  void faceImportRequested();
  // The 武将 menu: the selection to appear (true) or stand by, deleted, moved one slot down (true)
  // or up; another edit-data file merged in; the table out to and in from a spreadsheet.
  void appearRequested(bool appear);
  void deleteRequested();
  void moveRequested(bool down);
  void mergeRequested();
  void sheetExportRequested();
  void sheetImportRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildGrid();
  void BuildButtons();
  void BuildMenus();
  void BuildEditMenuItems();
  void BuildGeneralMenu();
  void ApplyGeneralMenuCaptions();
  // The row order of the sort in force over the rows' texts; written by ResetMflx.
  std::vector<int> SortedSlots(const std::vector<GridGeneralRow>& rows) const;
  void ShowSortIndicator();
  QHBoxLayout* BuildFilterBar();
  void ApplyFilterCaptions();
  void ApplyEditMenuCaptions();
  void ApplyMenuCaptions();
  void ApplyButtonCaptions();
  void OnEditDataTouched();

  ProgramContext& context_;
  std::vector<std::pair<QAction*, std::string_view>> editMenuCaptions_;  // GBK originals
  QFileSystemWatcher* editDataWatcher_ = nullptr;
  QTimer* watchQuietTime_ = nullptr;
  // The player let the program end; cleared by anything that shows it went on (an edit, a save,
  // a reload, an undo).
  bool leaving_ = false;
  // rowSlots_[r - 1] is the slot grid row r shows; rows past its end show slot r - 1.
  std::vector<int> rowSlots_;
  int sortColumn_ = 1;  // the number column: slot order
  bool sortDescending_ = false;
  // The searchable texts of the table as the last refill found it, so a keystroke only searches.
  GeneralSearchIndex searchIndex_;
  std::vector<std::pair<QAction*, std::string_view>> generalMenuCaptions_;  // GBK originals
};

}  // namespace tavlor
