#pragma once

#include <QItemSelectionModel>

namespace tarvel {

class THexGrid;

// Lets the grid refuse a change of the current cell, whatever asks for it
// (mouse, keys, the grid's own moves): the cell being left must be valid.
// Selections run from address to address, however they are made.
class HexGridSelectionModel : public QItemSelectionModel {
  Q_OBJECT

 public:
  HexGridSelectionModel(QAbstractItemModel* model, THexGrid& grid);

  void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
  using QItemSelectionModel::select;
  void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

 private:
  THexGrid& grid_;
};

}  // namespace tarvel
