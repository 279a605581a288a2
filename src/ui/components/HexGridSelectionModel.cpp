#include "ui/components/HexGridSelectionModel.h"

#include "ui/components/HexGrid.h"

namespace tarvel {

HexGridSelectionModel::HexGridSelectionModel(QAbstractItemModel* model, THexGrid& grid)
    : QItemSelectionModel(model, &grid), grid_(grid) {}

void HexGridSelectionModel::setCurrentIndex(const QModelIndex& index,
                                            QItemSelectionModel::SelectionFlags command) {
  if (index != currentIndex() && !grid_.MayLeaveCurrentCell(index)) return;
  QItemSelectionModel::setCurrentIndex(index, command);
}

void HexGridSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) {
  QItemSelectionModel::select(grid_.AsAddressRun(selection, currentIndex()), command);
}

}  // namespace tarvel
