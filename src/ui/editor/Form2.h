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
  // Marks grid row `row` (1 and up) as the selected one, without a pick.
  void SelectGridRow(int row);
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
  // A click on grid row `row` (1 and up): sets SelectedSlot and announces the pick.
  void PickRow(int row);

 signals:
  // A grid row was clicked; the editor shows slot row - 1.
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

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildGrid();
  void BuildButtons();
  void BuildMenus();
  void BuildEditMenuItems();
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
};

}  // namespace tavlor
