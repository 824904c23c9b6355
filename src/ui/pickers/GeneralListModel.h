// The built-in general lists as a Qt model for the related-general picker's list views: a column per
// list (name, face number, 統率, 武勇, 知略, 政治) and a seventh column, the names in Simplified
// characters whatever the language (the hidden copy the language switch reads). Texts are read from
// the lists when a view asks for them, so the model keeps no copy of 3307 rows.
#pragma once

#include <QAbstractTableModel>

namespace tavlor {

class BuiltinGeneralLists;

class GeneralListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kSimplifiedNameColumn = 6;

  explicit GeneralListModel(const BuiltinGeneralLists& lists, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Tells the views that rows were added or removed since the last call (a load, an added
  // general) and that any text may have changed (a changed general, a language switch).
  void Sync();

 private:
  const BuiltinGeneralLists& lists_;
  int rows_ = 0;
};

}  // namespace tavlor
