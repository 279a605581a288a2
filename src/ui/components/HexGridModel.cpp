#include "ui/components/HexGridModel.h"

#include "ui/components/HexCellText.h"

#include <algorithm>
#include <utility>

namespace tarvel {

HexGridModel::HexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void HexGridModel::SetShape(int rows, int columns) {
  SetColumnCount(std::max(columns, 1));
  SetRowCount(std::max(rows, 1));
}

void HexGridModel::SetRowCount(int rows) {
  if (rows == rows_) return;
  const bool growing = rows > rows_;
  if (growing) {
    beginInsertRows(QModelIndex(), rows_, rows - 1);
  } else {
    beginRemoveRows(QModelIndex(), rows, rows_ - 1);
  }
  rows_ = rows;
  cells_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(columns_));
  if (growing) {
    endInsertRows();
  } else {
    endRemoveRows();
  }
}

void HexGridModel::SetColumnCount(int columns) {
  if (columns == columns_) return;
  const bool growing = columns > columns_;
  if (growing) {
    beginInsertColumns(QModelIndex(), columns_, columns - 1);
  } else {
    beginRemoveColumns(QModelIndex(), columns, columns_ - 1);
  }
  // Texts keep their row and column: copy each row's kept part to the new stride.
  std::vector<QString> cells(static_cast<size_t>(rows_) * static_cast<size_t>(columns));
  const int kept = std::min(columns, columns_);
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < kept; ++column) {
      cells[static_cast<size_t>(row) * columns + column] =
          std::move(cells_[static_cast<size_t>(row) * columns_ + column]);
    }
  }
  cells_ = std::move(cells);
  columns_ = columns;
  if (growing) {
    endInsertColumns();
  } else {
    endRemoveColumns();
  }
  if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

void HexGridModel::SetAddressDigits(int digits) {
  addressDigits_ = digits;
  RefreshAddressLabels();
}

void HexGridModel::RefreshAddressLabels() {
  if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

const QString& HexGridModel::Text(int row, int column) const {
  return cells_[static_cast<size_t>(row) * columns_ + column];
}

void HexGridModel::SetText(int row, int column, const QString& text) {
  QString& cell = cells_[static_cast<size_t>(row) * columns_ + column];
  if (cell == text) return;
  cell = text;
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void HexGridModel::FillAll(const QString& text) {
  // Shared copies: one allocation for the whole grid.
  std::fill(cells_.begin(), cells_.end(), text);
  if (rows_ > 0 && columns_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::DisplayRole, Qt::EditRole});
  }
}

QString HexGridModel::AddressLabel(int row) const { return HexCellText::AddressText(row * columns_, addressDigits_); }

QString HexGridModel::ColumnHeader(int column) const {
  return QLatin1Char('+') + QString::number(column, 16).toUpper();
}

int HexGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int HexGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant HexGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
  return Text(index.row(), index.column());
}

bool HexGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  SetText(index.row(), index.column(), value.toString());
  return true;
}

Qt::ItemFlags HexGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant HexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  return orientation == Qt::Horizontal ? ColumnHeader(section) : AddressLabel(section);
}

}  // namespace tarvel
