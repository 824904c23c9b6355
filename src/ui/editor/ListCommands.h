// The list window's commands over many generals: the selection to appear or stand by, deleted or
// moved, another edit-data file merged in, and the table out to and in from a spreadsheet. The
// core reshapes the table; each command is one step of the edit history, after which the grid,
// the selection and the editor follow the generals to their new chosenSlots.
#pragma once

#include <QString>
#include <vector>

namespace tavlor {

struct ProgramContext;
class Form1;
class Form2;

// 出场 / 待机 for the selected generals.
void SetSelectionAppear(ProgramContext& context, Form1& form1, Form2& form2, bool appear);

// 删除武将: asks, naming up to ten of the selected generals, then deletes them.
void DeleteSelectedGenerals(ProgramContext& context, Form1& form1, Form2& form2);

// 上移 / 下移: the selection one slot towards 0 (down false) or away from it.
void MoveSelectedGenerals(ProgramContext& context, Form1& form1, Form2& form2, bool down);

// 合并其他武将文件…: every general of `file` (asks for one when it is empty) behind the last one;
// when not all fit, asks whether to add those that do. A damaged or foreign file adds nothing.
void MergeGeneralFile(ProgramContext& context, Form1& form1, Form2& form2, QString file = QString());

// 导出表格… / 导入表格…: the whole table as a spreadsheet (asks for the file when it is empty). An
// import applies every row or, naming the row, the column and why, none.
void ExportGeneralSheet(ProgramContext& context, QString file = QString());
void ImportGeneralSheet(ProgramContext& context, Form1& form1, Form2& form2, QString file = QString());

// Where the general in `slot` is after the generals in `movedFrom` (ascending) went to the chosenSlots
// `movedTo` (ascending, as many) and the others closed up around them in their order; `count` is
// the General count.
int SlotAfterReorder(int slot, const std::vector<int>& movedFrom, const std::vector<int>& movedTo, int count);

// After a command changed the table: refills the grid, selects `selected` with `current` as the
// current row and, when `show` is set, shows `current` on the editor as the picked general (none
// left: nothing is picked).
void ShowCommandResult(ProgramContext& context, Form1& form1, Form2& form2, const std::vector<int>& selected,
                       int current, bool show);

// Connects the 武将 menu of the list window to the above.
void ConnectListCommands(ProgramContext& context, Form1& form1, Form2& form2);

}  // namespace tavlor
