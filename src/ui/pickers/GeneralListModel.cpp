// The built-in general lists as a Qt model.
#include "ui/pickers/GeneralListModel.h"

#include "core/data/BuiltinGeneralLists.h"
#include "ui/app/TextCodec.h"

namespace tavlor {

GeneralListModel::GeneralListModel(const BuiltinGeneralLists& lists, QObject* parent)
    : QAbstractTableModel(parent), lists_(lists), rows_(lists.RowCount()) {}

int GeneralListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GeneralListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kListColumnCount + 1;
}

QVariant GeneralListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const int row = index.row();
  // Rows the lists no longer hold (until the next Sync) show nothing.
  if (row < 0 || row >= lists_.RowCount()) return {};
  const int column = index.column();
  if (column == kSimplifiedNameColumn) return FromGbk(lists_.Name(row));
  if (column == 0) return Caption(lists_.Name(row));  // the names as the interface shows them
  if (column > 0 && column < kListColumnCount) return FromGbk(lists_.Cell(column, row));
  return {};
}

void GeneralListModel::Sync() {
  const int rows = lists_.RowCount();
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1), {Qt::DisplayRole});
}

}  // namespace tavlor
