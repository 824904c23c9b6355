// Form2, the list window: builds the grid, menus and buttons and runs their actions.
#include "ui/editor/Form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/editor/GridRows.h"
#include "core/lang/EditSafetyTexts.h"
#include "core/lang/LanguageState.h"
#include "core/lang/LanguageSwitchTexts.h"
#include "core/text/TextTables.h"
#include "ui/app/EditDataActions.h"
#include "ui/app/ProgramContext.h"
#include "ui/app/ProgramInfo.h"
#include "ui/app/Prompts.h"
#include "ui/app/TextCodec.h"
#include "ui/chrome/Twips.h"
#include "ui/lang/LanguageMenu.h"
#include "ui/lang/LanguageSwitch.h"

namespace tavlor {
namespace {

constexpr int kRowHeightPixels = 22;
constexpr int kInitialHeightPixels = 660;  // the editor's height; start-up sets it again

QColor ColourOf(int32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The grid's own look: black text on the cell colours, a gold selection, light blue headings.
const char* const kGridStyleSheet =
    "QTableWidget { background: #f4efe2; color: #000000; gridline-color: #7d8a99;"
    " selection-background-color: #d9b45a; selection-color: #000000; }"
    "QHeaderView::section { background: rgb(140, 190, 235); color: #000000;"
    " border: 0px; border-right: 1px solid #7d8a99; border-bottom: 1px solid #7d8a99; padding: 2px 4px; }";

int GridWidthPixels() {
  int width = 0;
  for (int twips : kGridColumnWidthsTwips) width += TwipsToPixels(twips);
  return width;
}

}  // namespace

Form2::Form2(ProgramContext& context, QWidget* parent) : QMainWindow(parent), context_(context) {
  setObjectName(QStringLiteral("Form2"));
  // Shared-general files dropped on the list are imported as new generals.
  setAcceptDrops(true);
  BuildGrid();
  BuildButtons();
  BuildMenus();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addLayout(BuildFilterBar());
  layout->addWidget(MFLX, 1);
  layout->addWidget(CKAuto);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  buttons->addWidget(Command2);
  buttons->addWidget(Command1);
  layout->addLayout(buttons);
  setCentralWidget(central);

  // As wide as the columns, the scroll bar and the margins; the height follows the editor.
  const int gridWidth =
      GridWidthPixels() + MFLX->verticalScrollBar()->sizeHint().width() + 2 * MFLX->frameWidth();
  MFLX->setFixedWidth(gridWidth);
  resize(gridWidth + layout->contentsMargins().left() + layout->contentsMargins().right(),
         kInitialHeightPixels);

  // The grid starts with its headings only; start-up fills it after loading.
  SetFlx();
  ResetMflx();
  UpdateEditState();
  // Made after a switch (as its texts stand since then).
  if (SharedLanguageState().HasSwitched()) {
    ApplyMenuCaptions();
    ApplyButtonCaptions();
  }

  // The list window's part of a language switch, in the switch's order.
  RetextOnSwitch(this, SwitchStep::MenuCaptions, [this] { ApplyMenuCaptions(); });
  RetextOnSwitch(this, SwitchStep::GridHeadings, [this] { SetFlx(); });
  RetextOnSwitch(this, SwitchStep::ListButtons, [this] { ApplyButtonCaptions(); });
  RetextOnSwitch(this, SwitchStep::GridRows, [this] { ResetMflx(); });
  RetextOnSwitch(this, SwitchStep::OtherTexts, [this] {
    ApplyEditMenuCaptions();
    ApplyGeneralMenuCaptions();
  });
}

void Form2::BuildGrid() {
  MFLX = new QTableWidget(0, kGridColumnCount, this);
  MFLX->setObjectName(QStringLiteral("MFLX"));
  MFLX->setStyleSheet(QString::fromLatin1(kGridStyleSheet));
  MFLX->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MFLX->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Ctrl and Shift pick several generals for the 武将 menu; the last one clicked is shown.
  MFLX->setSelectionMode(QAbstractItemView::ExtendedSelection);
  MFLX->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MFLX->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MFLX->setWordWrap(false);
  MFLX->setTextElideMode(Qt::ElideRight);
  MFLX->verticalHeader()->setVisible(false);
  MFLX->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  MFLX->verticalHeader()->setDefaultSectionSize(kRowHeightPixels);
  // A heading click sorts the rows (the rows are selected whole, so it never selects a column).
  MFLX->horizontalHeader()->setSectionsClickable(true);
  MFLX->horizontalHeader()->setSortIndicatorShown(true);
  MFLX->horizontalHeader()->setHighlightSections(false);
  MFLX->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  MFLX->horizontalHeader()->setMinimumSectionSize(0);
  MFLX->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  MFLX->horizontalHeader()->setFixedHeight(kRowHeightPixels + 2);
  for (int column = 0; column < kGridColumnCount; ++column) {
    MFLX->setHorizontalHeaderItem(column, new QTableWidgetItem);
    MFLX->setColumnWidth(column, TwipsToPixels(kGridColumnWidthsTwips[column]));
  }
  connect(MFLX, &QTableWidget::cellClicked, this, [this](int tableRow, int) { PickRow(tableRow + 1); });
  connect(MFLX->horizontalHeader(), &QHeaderView::sectionClicked, this, &Form2::SortByColumn);
}

void Form2::BuildButtons() {
  Command1 = new QPushButton(QStringLiteral("保存数据"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton(QStringLiteral("重新读取"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  CKAuto = new QCheckBox(QStringLiteral("自动跟随"), this);
  CKAuto->setObjectName(QStringLiteral("CKAuto"));
  CKAuto->setChecked(true);
  connect(Command1, &QPushButton::clicked, this, &Form2::SaveAllGenerals);
  connect(Command2, &QPushButton::clicked, this, &Form2::ReloadGenerals);
}

void Form2::BuildMenus() {
  M_system = menuBar()->addMenu(QStringLiteral("系统"));
  M_system->setObjectName(QStringLiteral("M_system"));
  BuildEditMenuItems();
  M_Exit = M_system->addAction(QStringLiteral("退   出"));
  M_Exit->setObjectName(QStringLiteral("M_Exit"));
  connect(M_Exit, &QAction::triggered, this, [this] {
    if (SettleBeforeLeaving()) emit exitRequested();
  });

  M_MSG = menuBar()->addMenu(QStringLiteral("语言"));
  M_MSG->setObjectName(QStringLiteral("M_MSG"));
  M_GB = M_MSG->addAction(QStringLiteral("简  体"));
  M_GB->setObjectName(QStringLiteral("M_GB"));
  M_BIG = M_MSG->addAction(QStringLiteral("BIG码"));
  M_BIG->setObjectName(QStringLiteral("M_BIG"));
  BindLanguageActions(M_GB, M_BIG);
  BuildGeneralMenu();
  menuBar()->insertMenu(M_MSG->menuAction(), M_General);

  M_Help = menuBar()->addMenu(QStringLiteral("帮助"));
  M_Help->setObjectName(QStringLiteral("M_Help"));
  M_MkWJ = M_Help->addAction(QStringLiteral("如何建新武将"));
  M_MkWJ->setObjectName(QStringLiteral("M_MkWJ"));
  connect(M_MkWJ, &QAction::triggered, this, &Form2::helpRequested);
  M_about = M_Help->addAction(QStringLiteral("关  于"));
  M_about->setObjectName(QStringLiteral("M_about"));
  connect(M_about, &QAction::triggered, this,
          [] { CurrentPrompter().Inform(AboutText(), QStringLiteral("帮助")); });
}

void Form2::BuildEditMenuItems() {
  const auto addItem = [this](const char* name, std::string_view caption) {
    QAction* item = M_system->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    editMenuCaptions_.emplace_back(item, caption);
    return item;
  };
  // Items of this program's own, kept as GBK like the others so Traditional mode converts them.
  static const std::string gameSettings = ToGbk(QStringLiteral("游戏与文件设置…"));
  static const std::string open = ToGbk(QStringLiteral("打开…"));
  M_GameSettings = addItem("M_GameSettings", gameSettings);
  connect(M_GameSettings, &QAction::triggered, this, &Form2::gameSettingsRequested);
  M_Open = addItem("M_Open", open);
  M_Open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(M_Open, &QAction::triggered, this, [this] { OpenEditDataFile(); });
  M_system->addSeparator();
  M_Undo = addItem("M_Undo", texts::MenuUndo);
  M_Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  M_Redo = addItem("M_Redo", texts::MenuRedo);
  M_Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  M_system->addSeparator();
  M_Export = addItem("M_Export", texts::MenuExportGeneral);
  M_Import = addItem("M_Import", texts::MenuImportGeneral);
  M_ImportOver = addItem("M_ImportOver", texts::MenuImportOverGeneral);
  M_system->addSeparator();
  static const std::string faceImport = ToGbk(QStringLiteral("导入肖像…"));
  M_FaceImport = addItem("M_FaceImport", faceImport);
  connect(M_FaceImport, &QAction::triggered, this, &Form2::faceImportRequested);
  M_system->addSeparator();
  ApplyEditMenuCaptions();
  connect(M_Undo, &QAction::triggered, this, &Form2::undoRequested);
  connect(M_Redo, &QAction::triggered, this, &Form2::redoRequested);
  connect(M_Export, &QAction::triggered, this, &Form2::exportRequested);
  connect(M_Import, &QAction::triggered, this, [this] { emit importRequested(false, QString()); });
  connect(M_ImportOver, &QAction::triggered, this, [this] { emit importRequested(true, QString()); });
}

// The items' GBK originals in the language now in force.
void Form2::ApplyEditMenuCaptions() {
  for (const auto& [item, caption] : editMenuCaptions_) item->setText(Caption(caption));
}

void Form2::UpdateEditState() {
  leaving_ = false;
  setWindowTitle(ListWindowTitle(context_));
  M_Undo->setEnabled(context_.History.CanUndo());
  M_Redo->setEnabled(context_.History.CanRedo());
}

void Form2::SelectGridRow(int row) {
  const int gridRow = RowOfSlot(row - 1);
  if (gridRow < 1) return;
  MFLX->clearSelection();
  MFLX->selectRow(gridRow - 1);
  MFLX->scrollToItem(MFLX->item(gridRow - 1, 2));
}

void Form2::WriteCell(int column, int row, int widthTwips, const QString& text, int32_t colour) {
  if (column < 0 || column >= MFLX->columnCount() || row < 0 || row > MFLX->rowCount()) return;
  const int width = TwipsToPixels(widthTwips);
  if (MFLX->columnWidth(column) != width) MFLX->setColumnWidth(column, width);

  QTableWidgetItem* item = row == 0 ? MFLX->horizontalHeaderItem(column) : MFLX->item(row - 1, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    if (row == 0) {
      MFLX->setHorizontalHeaderItem(column, item);
    } else {
      MFLX->setItem(row - 1, column, item);
    }
  }
  item->setText(text);
  // A name cut by the column's width can still be read whole.
  if (column == 2 && row > 0) item->setToolTip(text);
  if (colour != kNoCellColour) item->setBackground(ColourOf(colour));
}

void Form2::SetFlx() {
  const GridHeadingTexts headings = GridHeadings(SharedTextTables(), SharedLanguageState().IsSimplified());
  for (int column = 0; column < kGridColumnCount; ++column) {
    WriteCell(column, 0, kGridColumnWidthsTwips[column], FromInterfaceBytes(headings[column].Text),
              headings[column].Colour);
  }
}

void Form2::ResetMflx() {
  if (context_.Table.GeneralCount < 1) return;
  const std::vector<GridGeneralRow> rows =
      GridRowsOfTable(context_.Table, SharedTextTables(), SharedLanguageState().IsSimplified());
  // The selection belongs to generals, not rows: it comes back on the rows they land on.
  const std::vector<int> selected = SelectedSlots();
  const int current = SlotOfRow(MFLX->currentRow() + 1);
  MFLX->setUpdatesEnabled(false);
  SetFlexRows(static_cast<int>(rows.size()) + 1);
  rowSlots_ = SortedSlots(rows);
  for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
    const GridGeneralRow& row = rows[static_cast<std::size_t>(rowSlots_[static_cast<std::size_t>(index)])];
    const int gridRow = index + 1;
    WriteCell(1, gridRow, kGridColumnWidthsTwips[1], FromInterfaceBytes(row.Number.Text), row.Number.Colour);
    WriteCell(2, gridRow, kGridColumnWidthsTwips[2], FromInterfaceBytes(row.Name.Text), row.Name.Colour);
    WriteCell(3, gridRow, kGridColumnWidthsTwips[3], FromInterfaceBytes(row.Appear.Text), row.Appear.Colour);
  }
  MFLX->setUpdatesEnabled(true);
  // Every change of the table ends in a refill: the search works on these texts until the next.
  searchIndex_ = BuildSearchIndex(context_.Table, SharedTextTables());
  ShowSortIndicator();
  ApplyFilter();
  if (!selected.empty()) SelectSlots(selected, current);
}

int Form2::FlexRows() const {
  return MFLX->rowCount() + 1;
}

void Form2::SetFlexRows(int rows) {
  MFLX->setRowCount(std::max(rows, 1) - 1);
}

void Form2::ClearGrid() {
  MFLX->clearContents();
  for (int column = 0; column < MFLX->columnCount(); ++column) {
    MFLX->setHorizontalHeaderItem(column, new QTableWidgetItem);
  }
}

QString Form2::CellText(int column, int row) const {
  const QTableWidgetItem* item = row == 0 ? MFLX->horizontalHeaderItem(column) : MFLX->item(row - 1, column);
  return item != nullptr ? item->text() : QString();
}

int32_t Form2::CellColour(int column, int row) const {
  const QTableWidgetItem* item = row == 0 ? MFLX->horizontalHeaderItem(column) : MFLX->item(row - 1, column);
  if (item == nullptr || item->background().style() == Qt::NoBrush) return kNoCellColour;
  const QColor colour = item->background().color();
  return (colour.red() << 16) | (colour.green() << 8) | colour.blue();
}

void Form2::SaveAllGenerals() {
  if (!CurrentPrompter().AskYesNo(QStringLiteral("你确定要保存所有数据吗？"), QStringLiteral("保存数据")))
    return;
  if (!WriteGenerals()) return;
  CurrentPrompter().Inform(QStringLiteral("写入完成！"), QStringLiteral("完成提示！"));
}

void Form2::ReloadGenerals() {
  if (!SettleUnsavedChanges()) return;
  ReloadFromFile();
}

void Form2::PickRow(int row) {
  if (row < 1 || row >= FlexRows()) return;
  const int slot = SlotOfRow(row);
  context_.SelectedSlot = slot;
  context_.RowPicked = true;
  emit generalPicked(slot + 1);
}

void Form2::closeEvent(QCloseEvent* event) {
  if (!SettleBeforeLeaving()) {
    event->ignore();
    return;
  }
  event->accept();
  emit exitRequested();
}

void Form2::dragEnterEvent(QDragEnterEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) {
      event->acceptProposedAction();
      return;
    }
  }
}

void Form2::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) emit importRequested(false, url.toLocalFile());
  }
}

// The menus as a switch writes them: their own texts (which differ a little from the design-time
// ones), from the Simplified originals.
void Form2::ApplyMenuCaptions() {
  M_system->setTitle(Caption(texts::SwitchMenuSystem));
  M_Exit->setText(Caption(texts::SwitchMenuExit));
  M_MSG->setTitle(Caption(texts::SwitchMenuLanguage));
  M_Help->setTitle(Caption(texts::SwitchMenuHelp));
  M_MkWJ->setText(Caption(texts::SwitchMenuHowToMakeGeneral));
  M_about->setText(Caption(texts::SwitchMenuAbout));
}

void Form2::ApplyButtonCaptions() {
  Command1->setText(Caption(texts::SwitchSaveAllButton));
  Command2->setText(Caption(texts::SwitchReloadButton));
  CKAuto->setText(Caption(texts::SwitchAutoFollow));
}

}  // namespace tavlor
