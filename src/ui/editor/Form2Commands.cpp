// The list window's 武将 menu: commands for the selected generals and for the whole table. The
// grid's own context menu holds the same items. The work is done by ListCommands.
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include "ui/app/TextCodec.h"
#include "ui/editor/Form2.h"
#include "ui/editor/ListCommandTexts.h"

namespace tavlor {

void Form2::BuildGeneralMenu() {
  M_General = new QMenu(this);
  M_General->setObjectName(QStringLiteral("M_General"));
  const auto addItem = [this](const char* name, std::string_view caption) {
    QAction* item = M_General->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    generalMenuCaptions_.emplace_back(item, caption);
    return item;
  };
  M_Appear = addItem("M_Appear", texts::CommandAppear);
  M_Standby = addItem("M_Standby", texts::CommandStandby);
  M_General->addSeparator();
  M_Delete = addItem("M_Delete", texts::CommandDelete);
  M_Delete->setShortcut(QKeySequence(Qt::Key_Delete));
  M_MoveUp = addItem("M_MoveUp", texts::CommandMoveUp);
  M_MoveUp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
  M_MoveDown = addItem("M_MoveDown", texts::CommandMoveDown);
  M_MoveDown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
  M_General->addSeparator();
  M_Merge = addItem("M_Merge", texts::CommandMerge);
  M_SheetExport = addItem("M_SheetExport", texts::CommandSheetExport);
  M_SheetImport = addItem("M_SheetImport", texts::CommandSheetImport);
  ApplyGeneralMenuCaptions();

  // The keys belong to the grid: Delete in the search box deletes a character, not a general.
  for (QAction* item : {M_Delete, M_MoveUp, M_MoveDown}) item->setShortcutContext(Qt::WidgetShortcut);
  MFLX->addActions({M_Appear, M_Standby, M_Delete, M_MoveUp, M_MoveDown});
  MFLX->setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(M_Appear, &QAction::triggered, this, [this] { emit appearRequested(true); });
  connect(M_Standby, &QAction::triggered, this, [this] { emit appearRequested(false); });
  connect(M_Delete, &QAction::triggered, this, &Form2::deleteRequested);
  connect(M_MoveUp, &QAction::triggered, this, [this] { emit moveRequested(false); });
  connect(M_MoveDown, &QAction::triggered, this, [this] { emit moveRequested(true); });
  connect(M_Merge, &QAction::triggered, this, &Form2::mergeRequested);
  connect(M_SheetExport, &QAction::triggered, this, &Form2::sheetExportRequested);
  connect(M_SheetImport, &QAction::triggered, this, &Form2::sheetImportRequested);
}

// The menu and its items in the language now in force.
void Form2::ApplyGeneralMenuCaptions() {
  M_General->setTitle(Caption(texts::MenuGenerals));
  for (const auto& [item, caption] : generalMenuCaptions_) item->setText(Caption(caption));
}

}  // namespace tavlor
