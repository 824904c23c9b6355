// The list window's rows and the chosenSlots they show: the order a heading click sorts them in, and the
// selection, which belongs to generals and so survives a refill or a new order.
#include <QHeaderView>
#include <QItemSelection>
#include <QTableWidget>
#include <algorithm>
#include <numeric>

#include "core/editor/GridRows.h"
#include "ui/app/ProgramContext.h"
#include "ui/editor/Form2.h"

namespace tavlor {

int Form2::SlotOfRow(int row) const {
  if (row < 1 || row >= FlexRows()) return -1;
  const auto index = static_cast<std::size_t>(row - 1);
  return index < rowSlots_.size() ? rowSlots_[index] : row - 1;
}

int Form2::RowOfSlot(int slot) const {
  if (slot < 0) return -1;
  const auto found = std::find(rowSlots_.begin(), rowSlots_.end(), slot);
  if (found != rowSlots_.end()) return static_cast<int>(found - rowSlots_.begin()) + 1;
  // Rows past the sorted ones (left from a larger table) show their own slot.
  if (slot >= static_cast<int>(rowSlots_.size()) && slot + 1 < FlexRows()) return slot + 1;
  return -1;
}

std::vector<int> Form2::SelectedSlots() const {
  std::vector<int> chosenSlots;
  for (const QModelIndex& index : MFLX->selectionModel()->selectedRows()) {
    if (MFLX->isRowHidden(index.row())) continue;
    const int slot = SlotOfRow(index.row() + 1);
    if (slot >= 0 && slot < context_.Table.GeneralCount) chosenSlots.push_back(slot);
  }
  std::sort(chosenSlots.begin(), chosenSlots.end());
  chosenSlots.erase(std::unique(chosenSlots.begin(), chosenSlots.end()), chosenSlots.end());
  return chosenSlots;
}

void Form2::SelectSlots(const std::vector<int>& chosenSlots, int current) {
  QItemSelection selection;
  for (int slot : chosenSlots) {
    const int row = RowOfSlot(slot);
    if (row < 1 || MFLX->isRowHidden(row - 1)) continue;
    selection.select(MFLX->model()->index(row - 1, 0),
                     MFLX->model()->index(row - 1, MFLX->columnCount() - 1));
  }
  const int currentRow = RowOfSlot(current);
  if (currentRow >= 1) {
    // Moves the current cell without touching the selection, which is set whole below.
    MFLX->selectionModel()->setCurrentIndex(MFLX->model()->index(currentRow - 1, 2),
                                            QItemSelectionModel::NoUpdate);
    MFLX->scrollToItem(MFLX->item(currentRow - 1, 2));
  }
  MFLX->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void Form2::SortByColumn(int column) {
  if (column < 1 || column >= kGridColumnCount) return;  // column 0 is hidden
  sortDescending_ = column == sortColumn_ ? !sortDescending_ : false;
  sortColumn_ = column;
  if (context_.Table.GeneralCount < 1) {
    ShowSortIndicator();
    return;
  }
  ResetMflx();
}

std::vector<int> Form2::SortedSlots(const std::vector<GridGeneralRow>& rows) const {
  std::vector<int> chosenSlots(rows.size());
  std::iota(chosenSlots.begin(), chosenSlots.end(), 0);
  const auto appears = [this](int slot) {
    return context_.Table.Slots[static_cast<std::size_t>(slot)].Appendix.AppearFlag == 1;
  };
  // Equal keys keep slot order, so a sort never shuffles generals of the same name or state.
  const auto before = [&](int left, int right) {
    switch (sortColumn_) {
      case 2: {
        // The names' interface bytes: GBK puts the common characters in reading order.
        const std::string& leftName = rows[static_cast<std::size_t>(left)].Name.Text;
        const std::string& rightName = rows[static_cast<std::size_t>(right)].Name.Text;
        return sortDescending_ ? rightName < leftName : leftName < rightName;
      }
      case 3:  // appearing first
        return sortDescending_ ? !appears(left) && appears(right) : appears(left) && !appears(right);
      default:
        return sortDescending_ ? right < left : left < right;
    }
  };
  std::stable_sort(chosenSlots.begin(), chosenSlots.end(), before);
  return chosenSlots;
}

void Form2::ShowSortIndicator() {
  MFLX->horizontalHeader()->setSortIndicator(sortColumn_,
                                             sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

}  // namespace tavlor
